#pragma once

#include <QObject>

// Folders added whole: the walk over a real tree (sub-folders, hidden
// entries, link loops, links to files), a real add of generated videos
// through the library service, and the summary told to the user.
class TestFolders : public QObject
{
    Q_OBJECT
private slots:
    void scanTree_data();
    void scanTree();
    void addFolderProbesEachVideoOnce();
    void summaryText_data();
    void summaryText();
};
