#include "watchedfolders.h"

#include "library/folderscan.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

QString cleanFolder(const QString &folder)
{
    return folder.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

bool isThere(const QString &folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isReadable();
}

} // namespace

WatchedFolders::WatchedFolders(const QString &dataFolder, QObject *parent)
    : QObject(parent),
      m_storePath(dataFolder.isEmpty() ? QString() : dataFolder + QLatin1Char('/') + storeFileName())
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleIntervalMs);
    connect(&m_settle, &QTimer::timeout, this, &WatchedFolders::checkNow);
    m_poll.setInterval(kPollIntervalMs);
    connect(&m_poll, &QTimer::timeout, this, &WatchedFolders::updateAvailability);
    // A copy of many files raises many events: one look for all of them.
    m_changes.setSingleShot(true);
    m_changes.setInterval(0);
    connect(&m_changes, &QTimer::timeout, this, [this] {
        const QSet<QString> changed = m_changed;
        m_changed.clear();
        updateAvailability();
        for (const QString &folder : changed) {
            if (m_available.value(folder)) {
                watchTree(folder);
                lookAt(folder, false, nullptr);
            }
        }
        scheduleSettle();
    });
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &WatchedFolders::onDirectoryChanged);
    load();
}

QString WatchedFolders::storeFileName()
{
    return QStringLiteral("watchedFolders.json");
}

void WatchedFolders::setKnownPaths(std::function<bool(const QString &)> isKnown)
{
    m_isKnown = std::move(isKnown);
}

void WatchedFolders::setSettleInterval(int ms)
{
    m_settle.setInterval(ms);
}

void WatchedFolders::setPollInterval(int ms)
{
    m_poll.setInterval(ms);
}

bool WatchedFolders::isAvailable(const QString &folder) const
{
    return m_available.value(cleanFolder(folder));
}

void WatchedFolders::load()
{
    if (m_storePath.isEmpty())
        return;
    QFile file(m_storePath);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning() << "WatchedFolders: cannot read" << m_storePath << file.errorString();
        return;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (!document.isObject()) {
        qWarning() << "WatchedFolders: ignoring unreadable" << m_storePath << error.errorString();
        return;
    }
    for (const QJsonValue &value : document.object().value(QLatin1String("folders")).toArray()) {
        const QString folder = cleanFolder(value.toString());
        if (!folder.isEmpty() && !m_folders.contains(folder))
            m_folders.append(folder);
    }
    for (const QJsonValue &value : document.object().value(QLatin1String("leftOut")).toArray())
        m_leftOut.append(value.toString());
    qDebug() << "WatchedFolders: watching" << m_folders.size() << "folders";
}

bool WatchedFolders::save(const QStringList &folders, const QStringList &leftOut) const
{
    if (m_storePath.isEmpty()) {
        qWarning() << "WatchedFolders: no data folder, the list cannot be stored";
        return false;
    }
    QJsonObject object;
    object.insert(QStringLiteral("folders"), QJsonArray::fromStringList(folders));
    object.insert(QStringLiteral("leftOut"), QJsonArray::fromStringList(leftOut));
    QSaveFile file(m_storePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(object).toJson()) < 0 || !file.commit()) {
        qWarning() << "WatchedFolders: cannot write" << m_storePath << file.errorString();
        return false;
    }
    return true;
}

bool WatchedFolders::add(const QString &folder)
{
    const QString clean = cleanFolder(folder);
    if (clean.isEmpty() || m_folders.contains(clean)) {
        qDebug() << "WatchedFolders: not added (empty or watched already):" << folder;
        return false;
    }
    if (!save(m_folders + QStringList{clean}, m_leftOut))
        return false;
    m_folders.append(clean);
    qDebug() << "WatchedFolders: watching" << clean;
    emit foldersChanged();
    if (m_started) {
        updateAvailability();
        if (m_available.value(clean)) {
            watchTree(clean);
            lookAt(clean, false, nullptr);
            scheduleSettle();
        }
    }
    return true;
}

bool WatchedFolders::remove(const QString &folder)
{
    const QString clean = cleanFolder(folder);
    if (!m_folders.contains(clean))
        return false;
    QStringList rest = m_folders;
    rest.removeAll(clean);
    QStringList leftOut;
    for (const QString &path : qAsConst(m_leftOut)) {
        if (!path.startsWith(clean + QLatin1Char('/')))
            leftOut.append(path);
    }
    if (!save(rest, leftOut))
        return false;
    m_folders = rest;
    m_leftOut = leftOut;
    m_available.remove(clean);
    unwatchGone();
    for (auto it = m_pending.begin(); it != m_pending.end();) {
        if (folderOf(it.key()).isEmpty())
            it = m_pending.erase(it);
        else
            ++it;
    }
    qDebug() << "WatchedFolders: no longer watching" << clean;
    emit foldersChanged();
    return true;
}

void WatchedFolders::leaveOut(const QStringList &paths)
{
    QStringList leftOut = m_leftOut;
    for (const QString &path : paths) {
        if (!folderOf(path).isEmpty() && !leftOut.contains(path))
            leftOut.append(path);
    }
    if (leftOut == m_leftOut)
        return;
    // Kept for this run even when it cannot be stored.
    m_leftOut = leftOut;
    for (const QString &path : paths)
        m_offered.insert(path);
    save(m_folders, m_leftOut);
}

void WatchedFolders::start()
{
    m_started = true;
    updateAvailability();
    for (const QString &folder : qAsConst(m_folders)) {
        if (m_available.value(folder)) {
            watchTree(folder);
            lookAt(folder, false, nullptr);
        }
    }
    scheduleSettle();
    m_poll.start();
}

void WatchedFolders::checkNow()
{
    updateAvailability();
    QStringList ready;
    for (const QString &folder : qAsConst(m_folders)) {
        if (m_available.value(folder))
            lookAt(folder, true, &ready);
    }
    if (!ready.isEmpty()) {
        for (const QString &path : qAsConst(ready)) {
            m_pending.remove(path);
            m_offered.insert(path);
        }
        qDebug() << "WatchedFolders: offering" << ready.size() << "new files";
        emit filesReady(ready);
    }
    scheduleSettle();
}

void WatchedFolders::scheduleSettle()
{
    if (!m_pending.isEmpty() && !m_settle.isActive())
        m_settle.start();
}

void WatchedFolders::watchTree(const QString &folder)
{
    // Real sub-folders only: a link may lead back up the tree. Walked again
    // after new watches are set, so a folder made meanwhile is not missed.
    for (;;) {
        QStringList fresh;
        const QStringList directories = m_watcher.directories();
        const QSet<QString> watched(directories.cbegin(), directories.cend());
        if (!watched.contains(folder))
            fresh.append(folder);
        QDirIterator it(folder, QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (!watched.contains(path))
                fresh.append(path);
        }
        if (fresh.isEmpty())
            return;
        const QStringList failed = m_watcher.addPaths(fresh);
        if (!failed.isEmpty()) {
            qWarning() << "WatchedFolders: cannot watch" << failed.size() << "folders, for example" << failed.first()
                       << "(new files there are found at the next start)";
            return;
        }
    }
}

void WatchedFolders::unwatchGone()
{
    QStringList gone;
    for (const QString &directory : m_watcher.directories()) {
        const QString folder = folderOf(directory);
        if (folder.isEmpty() || !m_available.value(folder))
            gone.append(directory);
    }
    if (!gone.isEmpty())
        m_watcher.removePaths(gone);
}

void WatchedFolders::updateAvailability()
{
    for (const QString &folder : qAsConst(m_folders)) {
        const bool there = isThere(folder);
        const auto known = m_available.constFind(folder);
        if (known != m_available.cend() && *known == there)
            continue;
        const bool reported = known != m_available.cend();
        m_available.insert(folder, there);
        if (there) {
            if (reported) {
                // Back again (the disk mounted, the folder restored).
                qDebug() << "WatchedFolders: available again:" << folder;
                watchTree(folder);
                lookAt(folder, false, nullptr);
                scheduleSettle();
            }
        } else {
            qWarning() << "WatchedFolders: unavailable (not mounted or gone):" << folder;
            // Set again when it is back: a restored folder is a new one.
            unwatchGone();
            for (auto it = m_pending.begin(); it != m_pending.end();) {
                if (folderOf(it.key()) == folder)
                    it = m_pending.erase(it);
                else
                    ++it;
            }
        }
        if (reported || !there)
            emit availabilityChanged(folder, there);
    }
}

void WatchedFolders::lookAt(const QString &folder, bool settle, QStringList *ready)
{
    const QStringList videos = FolderScan::scan(folder).videos;
    const QSet<QString> present(videos.cbegin(), videos.cend());
    for (auto it = m_pending.begin(); it != m_pending.end();) {
        // Gone before it settled (moved away, a download cancelled).
        if (folderOf(it.key()) == folder && !present.contains(it.key()))
            it = m_pending.erase(it);
        else
            ++it;
    }
    for (const QString &path : videos) {
        if (m_offered.contains(path) || m_leftOut.contains(path))
            continue;
        // Once in the library, never offered again this run: a video the
        // user deleted does not come back by itself.
        if (m_isKnown && m_isKnown(path)) {
            m_offered.insert(path);
            continue;
        }
        const QFileInfo info(path);
        Look look;
        look.size = info.size();
        look.mtime = info.lastModified().toMSecsSinceEpoch();
        const auto before = m_pending.constFind(path);
        // An empty file is a copy that has not begun.
        if (settle && ready && before != m_pending.cend() && *before == look && look.size > 0)
            ready->append(path);
        else
            m_pending.insert(path, look);
    }
}

void WatchedFolders::onDirectoryChanged(const QString &path)
{
    const QString folder = folderOf(path);
    if (folder.isEmpty())
        return;
    m_changed.insert(folder);
    m_changes.start();
}

QString WatchedFolders::folderOf(const QString &path) const
{
    QString best;
    for (const QString &folder : m_folders) {
        const QString inside = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
        if ((path == folder || path.startsWith(inside)) && folder.size() > best.size())
            best = folder;
    }
    return best;
}
