#include "folderscan.h"

#include "library/runner.h"

#include <QDebug>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>

namespace {

// Depth first with an explicit stack: a deep tree cannot overflow the call
// stack, and every directory is entered once by its canonical path, which
// ends link loops and a link to a folder already walked.
void walk(const QString &root, FolderScanResult *result)
{
    QSet<QString> seenDirs;
    QSet<QString> seenFiles;
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
            if (seenFiles.contains(canonicalFile))
                continue;
            seenFiles.insert(canonicalFile);
            const QString suffix = entry.suffix();
            if (!suffix.isEmpty() && Runner::isAcceptedSuffix(suffix))
                result->videos.append(entry.absoluteFilePath());
            else
                ++result->notVideo;
        }
    }
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
