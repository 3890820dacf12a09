#include "libraryservice.h"

#include "library/corvanevideoinfo.h"
#include "library/folderscan.h"
#include "library/runner.h"
#include "library/videolibraryfile.h"
#include "library/videolisttext.h"

#include <QDebug>
#include <QFileInfo>

#include <algorithm>
#include <memory>

LibraryService::LibraryService() = default;

LibraryService::~LibraryService()
{
    qDeleteAll(m_videos);
}

LibraryService::Outcome LibraryService::accepts(const QString &path, const QString &fileName,
                                                const QStringList &knownPaths)
{
    const QString suffix = QFileInfo(fileName).suffix();
    if (suffix.isEmpty() || !Runner::isAcceptedSuffix(suffix))
        return Outcome::NotVideo;
    if (knownPaths.contains(path))
        return Outcome::Duplicate;
    return Outcome::Added;
}

bool LibraryService::load()
{
    qDeleteAll(m_videos);
    m_videos.clear();
    m_itemTexts.clear();
    if (!VideoLibraryFile().load(&m_itemTexts, &m_videos)) {
        qDebug() << "LibraryService: no library file to load, the library is empty";
        return false;
    }
    qDebug() << "LibraryService: loaded" << m_videos.size() << "videos";
    return true;
}

LibraryService::Outcome LibraryService::add(const QString &file)
{
    const QFileInfo info(file);
    const QString path = info.absoluteFilePath();
    QStringList known;
    for (const CorvaneVideoInfo *video : qAsConst(m_videos))
        known.append(video->videoPathReal);
    const Outcome outcome = accepts(path, info.fileName(), known);
    if (outcome != Outcome::Added) {
        qDebug() << "LibraryService: refused" << path << int(outcome);
        return outcome;
    }
    if (!info.isFile() || !info.isReadable()) {
        qDebug() << "LibraryService: cannot read" << path;
        return Outcome::Unreadable;
    }
    Runner probe;
    probe.setKnownVideos(m_videos);
    std::optional<CorvaneVideoInfo> probed = probe.createVideoInfo(path);
    if (!probed)
        return Outcome::NotVideo;
    auto record = std::make_unique<CorvaneVideoInfo>(*probed);
    const VideoLibraryFile library;
    if (!library.appendRecord(record.get(), false, &m_itemTexts)) {
        qWarning() << "LibraryService: the library file cannot be written; not stored:" << path;
        return Outcome::NotStored;
    }
    if (!library.writeJsonExport(m_itemTexts))
        qDebug() << "LibraryService: the library export cannot be written";
    m_videos.append(record.release());
    return Outcome::Added;
}

AddSummary LibraryService::addFolder(const QString &folder)
{
    const FolderScanResult found = FolderScan::scan(folder);
    AddSummary summary;
    summary.notVideo = found.notVideo;
    for (const QString &file : found.videos)
        count(add(file), &summary);
    qDebug() << "LibraryService: folder" << folder << summary.added << "added," << summary.duplicate
             << "known," << summary.notVideo << "not video," << summary.unreadable << "unreadable,"
             << summary.notStored << "not stored";
    return summary;
}

void LibraryService::count(Outcome outcome, AddSummary *summary)
{
    switch (outcome) {
    case Outcome::Added:
        ++summary->added;
        break;
    case Outcome::Duplicate:
        ++summary->duplicate;
        break;
    case Outcome::NotVideo:
        ++summary->notVideo;
        break;
    case Outcome::Unreadable:
        ++summary->unreadable;
        break;
    case Outcome::NotStored:
        ++summary->notStored;
        break;
    }
}

bool LibraryService::contains(const QString &path) const
{
    return std::any_of(m_videos.cbegin(), m_videos.cend(),
                       [&path](const CorvaneVideoInfo *video) { return video->videoPathReal == path; });
}

QJsonObject LibraryService::libraryJson() const
{
    return VideoListText::buildLibraryJson(m_itemTexts);
}
