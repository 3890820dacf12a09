#pragma once

#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

// The folders whose new videos join the library by themselves, kept in the
// data folder ("watchedFolders.json", rewritten in one step). Each folder and
// its sub-folders are watched (inotify); a look at start finds what came
// while the program was closed. A new video file is offered once it is
// complete: the same size and time at two looks a settle interval apart, so
// a file still being copied waits. Files are offered in batches (filesReady),
// each file once. A folder that is not there (disk not mounted, deleted) is
// unavailable, stays in the list and is looked for again every poll
// interval; nothing is ever taken out of the library here.
class WatchedFolders : public QObject
{
    Q_OBJECT
public:
    static constexpr int kSettleIntervalMs = 2000;
    static constexpr int kPollIntervalMs = 5000;

    explicit WatchedFolders(const QString &dataFolder, QObject *parent = nullptr);

    // True for a path the library holds already: such a file is never offered.
    void setKnownPaths(std::function<bool(const QString &path)> isKnown);
    // Tests may pass a long interval and drive the looks with checkNow().
    void setSettleInterval(int ms);
    void setPollInterval(int ms);

    QStringList folders() const { return m_folders; }
    bool isAvailable(const QString &folder) const;
    // Watched and stored from now on; false (and logged) when it is watched
    // already or the list cannot be stored.
    bool add(const QString &folder);
    // No longer watched; the library keeps the videos already added.
    bool remove(const QString &folder);
    // Videos the user deleted from the library: those in a watched folder
    // are never offered again, also after a restart.
    void leaveOut(const QStringList &paths);
    QStringList leftOut() const { return m_leftOut; }

    // Watches every folder and looks at each: its files the library lacks
    // start to settle.
    void start();
    // One settle look now: availability, new files, settled files offered.
    void checkNow();
    // Files seen and not offered yet (still settling).
    QStringList pendingFiles() const { return m_pending.keys(); }

    static QString storeFileName();

signals:
    void filesReady(const QStringList &files);
    void availabilityChanged(const QString &folder, bool available);
    void foldersChanged();

private:
    struct Look
    {
        qint64 size = -1;
        qint64 mtime = 0;
        bool operator==(const Look &other) const { return size == other.size && mtime == other.mtime; }
    };
    void load();
    bool save(const QStringList &folders, const QStringList &leftOut) const;
    void watchTree(const QString &folder);
    // Stops watching what lies in no available watched folder.
    void unwatchGone();
    void updateAvailability();
    // Looks at the folder's videos; with settle, those unchanged since the
    // last look go to ready.
    void lookAt(const QString &folder, bool settle, QStringList *ready);
    void scheduleSettle();
    void onDirectoryChanged(const QString &path);
    QString folderOf(const QString &path) const;

    const QString m_storePath;
    QStringList m_folders;
    QStringList m_leftOut;
    QHash<QString, bool> m_available;
    QHash<QString, Look> m_pending;
    QSet<QString> m_offered; // offered, or found in the library
    QSet<QString> m_changed; // folders with an unread inotify event
    std::function<bool(const QString &)> m_isKnown;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    QTimer m_poll;
    QTimer m_changes;
    bool m_started = false;
};
