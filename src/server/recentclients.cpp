#include "server/recentclients.h"

#include <QFileInfo>
#include <QMutexLocker>
#include <QPair>

#include <algorithm>

RecentClients::RecentClients(qint64 forgetAfterMs) : forgetMs(forgetAfterMs)
{
    clock.start();
}

qint64 RecentClients::forgetAfterMs() const
{
    QMutexLocker locker(&lock);
    return forgetMs;
}

void RecentClients::setForgetAfterMs(qint64 ms)
{
    QMutexLocker locker(&lock);
    forgetMs = ms;
}

void RecentClients::dropExpired(qint64 now) const
{
    for (auto it = entries.begin(); it != entries.end();) {
        if (now - it->lastMs > forgetMs)
            it = entries.erase(it);
        else
            ++it;
    }
}

RecentClients::Entry &RecentClients::touch(const QString &address, qint64 now)
{
    auto it = entries.find(address);
    if (it == entries.end()) {
        dropExpired(now);
        if (entries.size() >= kMaxClients) {
            auto oldest = std::min_element(entries.begin(), entries.end(),
                                           [](const Entry &a, const Entry &b) { return a.lastMs < b.lastMs; });
            entries.erase(oldest);
        }
        it = entries.insert(address, Entry());
    }
    it->lastMs = now;
    return *it;
}

void RecentClients::noteRequest(const QString &address)
{
    QMutexLocker locker(&lock);
    touch(address, clock.elapsed());
}

void RecentClients::noteActivity(const QString &address, Activity activity)
{
    QMutexLocker locker(&lock);
    Entry &entry = touch(address, clock.elapsed());
    entry.activity = activity;
    entry.videoPath.clear();
    entry.start = 0;
}

void RecentClients::notePlaying(const QString &address, const QString &videoPath, qint64 start)
{
    QMutexLocker locker(&lock);
    Entry &entry = touch(address, clock.elapsed());
    entry.activity = Activity::Playing;
    entry.videoPath = videoPath;
    entry.start = start;
}

QVector<RecentClients::Client> RecentClients::clients() const
{
    // The table is copied under the lock; the files are looked at after it.
    QVector<QPair<QString, Entry>> heard;
    qint64 now = 0;
    {
        QMutexLocker locker(&lock);
        now = clock.elapsed();
        dropExpired(now);
        heard.reserve(entries.size());
        for (auto it = entries.cbegin(); it != entries.cend(); ++it)
            heard.append({it.key(), it.value()});
    }
    QVector<Client> result;
    result.reserve(heard.size());
    for (const auto &[address, entry] : heard) {
        Client client{address, now - entry.lastMs, entry.activity, QString(), 0};
        if (entry.activity == Activity::Playing) {
            // Where the range starts, as a share of the file (a suffix range
            // counts from the end).
            const QFileInfo video(entry.videoPath);
            const qint64 size = video.size();
            const qint64 start = entry.start >= 0 ? entry.start : qMax<qint64>(0, size + entry.start);
            client.videoName = video.fileName();
            client.share = size > 0 ? std::clamp(double(start) / double(size), 0.0, 1.0) : 0.0;
        }
        result.append(client);
    }
    std::sort(result.begin(), result.end(), [](const Client &a, const Client &b) {
        return a.msSinceLastRequest != b.msSinceLastRequest ? a.msSinceLastRequest < b.msSinceLastRequest
                                                            : a.address < b.address;
    });
    return result;
}
