#include "folderscan.h"

#include "library/runner.h"

#include <QDebug>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace {

bool offeredBefore(const QString &path, const QString &other)
{
    const bool link = QFileInfo(path).isSymLink();
    const bool otherLink = QFileInfo(other).isSymLink();
    return link != otherLink ? !link : path < other;
}

// Depth first with an explicit stack: a deep tree cannot overflow the call
// stack, and every directory is entered once by its canonical path, which
// ends link loops and a link to a folder already walked.
void walk(const QString &root, FolderScanResult *result)
{
    QSet<QString> seenDirs;
    // Canonical path -> the path it is offered by: the file itself rather
    // than a link to it, else the first link in name order, whatever order
    // the directories are read in.
    QHash<QString, QString> videos;
    QSet<QString> others;
    QStringList pending{root};
    while (!pending.isEmpty()) {
        const QString dir = pending.takeLast();
        const QString canonicalDir = QFileInfo(dir).canonicalFilePath();
        if (canonicalDir.isEmpty() || seenDirs.contains(canonicalDir))
            continue;
        seenDirs.insert(canonicalDir);
        // No QDir::Hidden: dot-files and dot-folders are left out.
        QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
        while (it.hasNext()) {
            it.next();
            const QFileInfo entry = it.fileInfo();
            if (entry.isDir()) {
                pending.append(entry.absoluteFilePath());
                continue;
            }
            if (!entry.isFile()) {
                // A dangling link, a socket or a device: not a file to offer.
                qDebug() << "FolderScan: skipped" << entry.absoluteFilePath();
                continue;
            }
            // Two links to one file, or a link beside its target, count once.
            const QString canonicalFile = entry.canonicalFilePath();
            const QString suffix = entry.suffix();
            if (suffix.isEmpty() || !Runner::isAcceptedSuffix(suffix)) {
                others.insert(canonicalFile);
                continue;
            }
            const QString path = entry.absoluteFilePath();
            auto known = videos.find(canonicalFile);
            if (known == videos.end())
                videos.insert(canonicalFile, path);
            else if (offeredBefore(path, *known))
                *known = path;
        }
    }
    result->videos = videos.values();
    result->notVideo = others.size();
}

} // namespace

FolderScanResult FolderScan::scan(const QString &folder)
{
    FolderScanResult result;
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable()) {
        qWarning() << "FolderScan: not a readable folder:" << folder;
        return result;
    }
    walk(info.absoluteFilePath(), &result);
    result.videos.sort();
    qDebug() << "FolderScan:" << folder << result.videos.size() << "videos," << result.notVideo
             << "other files";
    return result;
}
