#include "server/recentclients.h"

#include <QMutexLocker>

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

void RecentClients::noteActivity(const QString &address, Activity activity, const QString &videoName, double share)
{
    QMutexLocker locker(&lock);
    Entry &entry = touch(address, clock.elapsed());
    entry.activity = activity;
    entry.videoName = activity == Activity::Playing ? videoName : QString();
    entry.share = activity == Activity::Playing ? std::clamp(share, 0.0, 1.0) : 0.0;
}

QVector<RecentClients::Client> RecentClients::clients() const
{
    QVector<Client> result;
    {
        QMutexLocker locker(&lock);
        const qint64 now = clock.elapsed();
        dropExpired(now);
        result.reserve(entries.size());
        for (auto it = entries.cbegin(); it != entries.cend(); ++it)
            result.append({it.key(), now - it->lastMs, it->activity, it->videoName, it->share});
    }
    std::sort(result.begin(), result.end(), [](const Client &a, const Client &b) {
        return a.msSinceLastRequest != b.msSinceLastRequest ? a.msSinceLastRequest < b.msSinceLastRequest
                                                            : a.address < b.address;
    });
    return result;
}
