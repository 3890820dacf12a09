#include "library/projectionstore.h"

#include "settings/session.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMutexLocker>
#include <QSaveFile>
#include <QThread>

namespace {

QJsonObject readObject(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning() << "projection: cannot read" << path << file.errorString();
        return {};
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (!document.isObject()) {
        qWarning() << "projection: ignoring unreadable" << path << error.errorString();
        return {};
    }
    return document.object();
}

void writeObject(const QString &path, const QJsonObject &object)
{
    if (path.isEmpty()) {
        // No data folder: kept in memory only, never a file at the root.
        qDebug() << "projection: no data folder, not saved";
        return;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(object).toJson(QJsonDocument::Compact)) < 0
        || !file.commit())
        qWarning() << "projection: cannot write" << path << file.errorString();
}

} // namespace

ProjectionStore::ProjectionStore(const QString &dataFolder, QObject *parent)
    : QObject(parent),
      cachePath(dataFolder.isEmpty() ? QString() : dataFolder + QStringLiteral("/videoProjection.json")),
      overridePath(dataFolder.isEmpty() ? QString() : dataFolder + QStringLiteral("/projectionOverride.json"))
{
    load();
}

ProjectionStore *ProjectionStore::shared()
{
    static ProjectionStore store(Session::instance()->getDataPath());
    // A handler thread may be the first to ask; the store belongs to the
    // program's main thread all the same.
    static const bool moved = QCoreApplication::instance()
        && (store.moveToThread(QCoreApplication::instance()->thread()), true);
    Q_UNUSED(moved)
    return &store;
}

ProjectionStore::~ProjectionStore()
{
    stopWorker = true;
    waitForBackground();
}

void ProjectionStore::load()
{
    const QJsonObject cached = readObject(cachePath);
    for (auto it = cached.begin(); it != cached.end(); ++it) {
        const QJsonObject object = it.value().toObject();
        Entry entry;
        if (!entry.detected.readJson(object))
            continue;
        entry.width = object.value(QLatin1String("width")).toInt();
        entry.height = object.value(QLatin1String("height")).toInt();
        entry.bytes = qint64(object.value(QLatin1String("bytes")).toDouble());
        entry.mtime = qint64(object.value(QLatin1String("mtime")).toDouble());
        cache.insert(it.key(), entry);
    }
    const QJsonObject corrected = readObject(overridePath);
    for (auto it = corrected.begin(); it != corrected.end(); ++it) {
        VideoProjection projection;
        if (projection.readJson(it.value().toObject())) {
            projection.source = VideoProjection::Source::User;
            overrides.insert(it.key(), projection);
        }
    }
}

void ProjectionStore::saveCache() const
{
    QJsonObject object;
    for (auto it = cache.cbegin(); it != cache.cend(); ++it) {
        QJsonObject entry = it->detected.toJson();
        entry.insert(QStringLiteral("width"), it->width);
        entry.insert(QStringLiteral("height"), it->height);
        entry.insert(QStringLiteral("bytes"), double(it->bytes));
        entry.insert(QStringLiteral("mtime"), double(it->mtime));
        object.insert(it.key(), entry);
    }
    writeObject(cachePath, object);
}

void ProjectionStore::saveOverrides() const
{
    QJsonObject object;
    for (auto it = overrides.cbegin(); it != overrides.cend(); ++it)
        object.insert(it.key(), it->toJson());
    writeObject(overridePath, object);
}

bool ProjectionStore::isCurrent(const QString &id, const QString &path) const
{
    const auto it = cache.constFind(id);
    if (it == cache.cend())
        return false;
    const QFileInfo file(path);
    return file.size() == it->bytes && file.lastModified().toMSecsSinceEpoch() == it->mtime;
}

ProjectionStore::Entry ProjectionStore::detect(const QString &path) const
{
    const QFileInfo file(path);
    const ProjectionDetector::Result found = ProjectionDetector::probe(path);
    Entry entry;
    entry.detected = found.projection;
    entry.width = found.width;
    entry.height = found.height;
    entry.bytes = file.size();
    entry.mtime = file.lastModified().toMSecsSinceEpoch();
    return entry;
}

ProjectionStore::Info ProjectionStore::infoLocked(const QString &id, const Entry &entry) const
{
    Info info;
    info.projection = overrides.value(id, entry.detected);
    info.width = entry.width;
    info.height = entry.height;
    info.bytes = entry.bytes;
    return info;
}

ProjectionStore::Info ProjectionStore::info(const QString &id, const QString &path)
{
    {
        QMutexLocker locker(&lock);
        if (isCurrent(id, path))
            return infoLocked(id, cache.value(id));
    }
    // Read outside the lock: other videos' answers need not wait for this one.
    const Entry entry = detect(path);
    Info result;
    {
        QMutexLocker locker(&lock);
        cache.insert(id, entry);
        saveCache();
        result = infoLocked(id, entry);
    }
    emit changed(id);
    return result;
}

bool ProjectionStore::cachedInfo(const QString &id, Info &info) const
{
    QMutexLocker locker(&lock);
    const auto it = cache.constFind(id);
    if (it == cache.cend()) {
        if (!overrides.contains(id))
            return false;
        info = Info();
        info.projection = overrides.value(id);
        return true;
    }
    info = infoLocked(id, *it);
    return true;
}

QSize ProjectionStore::videoSize(const QString &id) const
{
    QMutexLocker locker(&lock);
    const auto it = cache.constFind(id);
    return it == cache.cend() ? QSize() : QSize(it->width, it->height);
}

void ProjectionStore::setOverride(const QString &id, const VideoProjection &projection)
{
    {
        QMutexLocker locker(&lock);
        VideoProjection corrected = projection;
        corrected.source = VideoProjection::Source::User;
        overrides.insert(id, corrected);
        saveOverrides();
    }
    emit changed(id);
}

void ProjectionStore::clearOverride(const QString &id)
{
    {
        QMutexLocker locker(&lock);
        if (!overrides.remove(id))
            return;
        saveOverrides();
    }
    emit changed(id);
}

bool ProjectionStore::hasOverride(const QString &id) const
{
    QMutexLocker locker(&lock);
    return overrides.contains(id);
}

void ProjectionStore::detectInBackground(const QVector<QPair<QString, QString>> &videos)
{
    stopWorker = true;
    waitForBackground();
    stopWorker = false;
    worker = QThread::create([this, videos] {
        bool found = false;
        for (const auto &video : videos) {
            if (stopWorker)
                break;
            {
                QMutexLocker locker(&lock);
                if (isCurrent(video.first, video.second))
                    continue;
            }
            const Entry entry = detect(video.second);
            {
                QMutexLocker locker(&lock);
                cache.insert(video.first, entry);
            }
            found = true;
            emit changed(video.first);
        }
        if (found) {
            QMutexLocker locker(&lock);
            saveCache();
        }
    });
    worker->setObjectName(QStringLiteral("projection"));
    worker->start(QThread::LowPriority);
}

void ProjectionStore::detectLibrary(const QJsonObject &library)
{
    QVector<QPair<QString, QString>> videos;
    for (const QJsonValue &value : library.value(QLatin1String("items")).toArray()) {
        const QJsonObject item = value.toObject();
        const QString id = item.value(QLatin1String("videopath")).toString().mid(6);
        const QString path = item.value(QLatin1String("videopathreal")).toString();
        if (!id.isEmpty() && !path.isEmpty())
            videos.append({id, path});
    }
    detectInBackground(videos);
}

void ProjectionStore::waitForBackground()
{
    if (!worker)
        return;
    worker->wait();
    delete worker;
    worker = nullptr;
}
