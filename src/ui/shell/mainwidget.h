#pragma once

#include "uubase.h"

#include <QJsonObject>

class AboutUs;
class ConfirmDelete;
class Corvane;
class HomePage;
class QStackedWidget;
class UserGuide;
class WatchedFolders;
class WatchedFoldersDialog;
class mainMenu;
class myExit;

namespace Ui {
class MainWidget;
}

// The page container: the stack of the library, guide and about pages, the
// delete confirmation and the exit dialog. The pages and dialogs are made
// without a parent; the stack adopts the pages, the dialogs are deleted here.
class MainWidget : public UUBase
{
    Q_OBJECT
public:
    MainWidget(mainMenu *sidePanel, Corvane *mainWindow);
    ~MainWidget() override;

    HomePage *homePage() const { return m_homePage; }
    AboutUs *aboutUs() const { return m_aboutUs; }
    UserGuide *userGuide() const { return m_userGuide; }
    ConfirmDelete *confirmDelete() const { return m_confirmDelete; }
    myExit *exitDialog() const { return m_exit; }
    QStackedWidget *stackedWidget() const;
    WatchedFolders *watchedFolders() const { return m_watched; }
    WatchedFoldersDialog *watchedFoldersDialog() const { return m_watchedDialog; }
    // Starts watching the stored folders; called once the library is loaded,
    // so what is already there is not offered again.
    void startWatchedFolders();

signals:
    void sglRunBackground();
    void sglSendJson(const QJsonObject o);

public slots:
    void slotToHomePage();
    void slotToAboutUs();
    void slotToUserGuide();
    void slotShowExitWindow();
    void slotRunBack();
    void slotShowConfirmDel();
    void slotSendJson(const QJsonObject o);
    void slotToErrorcode(qint64 code);
    void slotShowWatchedFolders();

private:
    Ui::MainWidget *ui;
    HomePage *m_homePage = nullptr;
    AboutUs *m_aboutUs = nullptr;
    UserGuide *m_userGuide = nullptr;
    ConfirmDelete *m_confirmDelete = nullptr;
    myExit *m_exit = nullptr;
    WatchedFolders *m_watched = nullptr;
    WatchedFoldersDialog *m_watchedDialog = nullptr;
};
