#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;
class WatchedFolders;

// The list of watched folders: each folder, an unavailable one (disk not
// mounted, folder gone) greyed and marked so, and a button that stops
// watching the chosen one. The library keeps what was added from it.
class WatchedFoldersDialog : public QDialog
{
    Q_OBJECT
public:
    explicit WatchedFoldersDialog(WatchedFolders *folders, QWidget *parent = nullptr);

    // Rebuilds the list from the watched folders as they are now.
    void refresh();

private:
    void removeSelected();

    WatchedFolders *m_folders;
    QListWidget *m_list = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_remove = nullptr;
};
