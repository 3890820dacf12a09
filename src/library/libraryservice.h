#pragma once

#include "library/addsummary.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

class CorvaneVideoInfo;

// The stored library of the data folder without a window: loaded as the
// home page loads it, videos added as the home page adds them (the same
// acceptance rules, the same probe, the same poster and records), and the
// JSON object that the server publishes.
class LibraryService
{
public:
    enum class Outcome { Added, NotVideo, Duplicate, Unreadable, NotStored };

    LibraryService();
    ~LibraryService();
    LibraryService(const LibraryService &) = delete;
    LibraryService &operator=(const LibraryService &) = delete;

    // The window's rule for a candidate: an accepted extension on its file
    // name, and a path not in the library yet. Added when it passes.
    static Outcome accepts(const QString &path, const QString &fileName, const QStringList &knownPaths);

    // Reads the library file; false (and an empty library) when there is none.
    bool load();
    // The file made absolute, checked, probed (poster written), appended to
    // the library file and its JSON export. A file that cannot be read is
    // refused here, before any probe.
    Outcome add(const QString &file);
    // Every video file under the folder (FolderScan's walk) added as add()
    // adds one; the other files counted, not probed.
    AddSummary addFolder(const QString &folder);
    // Adds one outcome to a batch's tally.
    static void count(Outcome outcome, AddSummary *summary);
    QJsonObject libraryJson() const;
    int size() const { return m_videos.size(); }
    // True when a video of the library has this absolute path.
    bool contains(const QString &path) const;

private:
    QStringList m_itemTexts;
    QList<CorvaneVideoInfo *> m_videos;
};
