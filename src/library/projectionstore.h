#pragma once

#include "library/projection.h"

#include <QHash>
#include <QJsonObject>
#include <QMutex>
#include <QObject>
#include <QPair>
#include <QSize>
#include <QString>
#include <QVector>

#include <atomic>

class QThread;

// What is known of each video's projection and picture size, by video id,
// for the tiles, the web page and the player answers. Two small files in
// the data folder keep it: "videoProjection.json", what was found (with the
// file's size and time, so a changed file is read again), and
// "projectionOverride.json", the user's corrections. The library file and
// the /list bytes are never touched. Every method is thread-safe.
class ProjectionStore : public QObject
{
    Q_OBJECT
public:
    explicit ProjectionStore(const QString &dataFolder, QObject *parent = nullptr);
    ~ProjectionStore() override;

    // The program's store, in the session's data folder (made on first use).
    static ProjectionStore *shared();

    struct Info
    {
        VideoProjection projection; // the user's correction when there is one
        int width = 0;
        int height = 0;
        qint64 bytes = 0;
    };

    // The video's projection and size, read from the file now when nothing
    // current is remembered (the first request for a video found after load).
    Info info(const QString &id, const QString &path);
    // What is remembered, without reading the video; false when nothing is.
    bool cachedInfo(const QString &id, Info &info) const;
    // The picture size remembered for the video; empty when unknown.
    QSize videoSize(const QString &id) const;

    void setOverride(const QString &id, const VideoProjection &projection);
    void clearOverride(const QString &id);
    bool hasOverride(const QString &id) const;

    // Reads the videos (id, path) that nothing current is known of, on a
    // worker thread of the store's own; a new call replaces a running one.
    void detectInBackground(const QVector<QPair<QString, QString>> &videos);
    // The same for every item of a published library object ("items" with
    // "videopath" "video/<id>" and "videopathreal").
    void detectLibrary(const QJsonObject &library);
    // Waits until the worker has read every video it was given.
    void waitForBackground();

signals:
    // A video's projection became known or was corrected.
    void changed(const QString &id);

private:
    struct Entry
    {
        VideoProjection detected;
        int width = 0;
        int height = 0;
        qint64 bytes = 0;
        qint64 mtime = 0; // ms since the epoch
    };
    bool isCurrent(const QString &id, const QString &path) const;
    Entry detect(const QString &path) const;
    Info infoLocked(const QString &id, const Entry &entry) const;
    void load();
    void saveCache() const;
    void saveOverrides() const;

    const QString cachePath;
    const QString overridePath;
    mutable QMutex lock;
    QHash<QString, Entry> cache;
    QHash<QString, VideoProjection> overrides;
    QThread *worker = nullptr;
    std::atomic<bool> stopWorker{false};
};
