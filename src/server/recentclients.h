#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QMutex>
#include <QString>
#include <QVector>

// The devices that talked to the server lately, and what each last asked
// for. Fed from the handler threads, read by the side panel: every call
// takes the lock only for a copy or an update of a small table, never
// around I/O, so a reader never waits on a request being served.
class RecentClients
{
public:
    enum class Activity { Browsing, FetchingPosters, Playing };

    struct Client
    {
        QString address;
        qint64 msSinceLastRequest = 0;
        Activity activity = Activity::Browsing;
        QString videoName; // set while playing
        double share = 0;  // where the last range started in that file, 0 to 1
    };

    // A client is forgotten this long after its last request.
    static constexpr qint64 kDefaultForgetAfterMs = 5 * 60 * 1000;
    // More distinct clients than this at once: the longest silent goes first.
    static constexpr int kMaxClients = 64;

    explicit RecentClients(qint64 forgetAfterMs = kDefaultForgetAfterMs);

    qint64 forgetAfterMs() const;
    void setForgetAfterMs(qint64 ms);

    // A request from address; a request that names no activity of its own
    // (a subtitle, an unknown path) keeps the client's last one.
    void noteRequest(const QString &address);
    void noteActivity(const QString &address, Activity activity);
    // A range of the video file asked for, from byte start (a negative
    // start counts from the end). The file's size is read when the clients
    // are, not on every range a player asks for.
    void notePlaying(const QString &address, const QString &videoPath, qint64 start);

    // The clients heard within the time, the most recent first.
    QVector<Client> clients() const;

private:
    struct Entry
    {
        qint64 lastMs = 0;
        Activity activity = Activity::Browsing;
        QString videoPath; // set while playing
        qint64 start = 0;
    };
    Entry &touch(const QString &address, qint64 now);
    void dropExpired(qint64 now) const;

    QElapsedTimer clock;
    mutable QMutex lock;
    mutable QHash<QString, Entry> entries;
    qint64 forgetMs;
};
