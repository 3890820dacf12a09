#include "mainwidget.h"
#include "ui_mainwidget.h"

#include "dialogs/myexit.h"
#include "dialogs/prompt.h"
#include "library/confirmdelete.h"
#include "library/corvanevideoinfo.h"
#include "library/homepage.h"
#include "library/libraryglobals.h"
#include "library/watchedfolders.h"
#include "library/watchedfoldersdialog.h"
#include "online/aboutus.h"
#include "online/userguide.h"
#include "settings/session.h"
#include "sidepanel/mainmenu.h"
#include "utils.h"

#include <QDebug>

#include <algorithm>
#include <memory>

namespace {
// Over the window rather than wherever the window system puts it.
void showOverWindow(QWidget *dialog)
{
    dialog->move(Utils::instance().dialogPosition(dialog->size()));
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}
} // namespace

MainWidget::MainWidget(mainMenu *sidePanel, Corvane *mainWindow) : UUBase(nullptr), ui(new Ui::MainWidget)
{
    Q_UNUSED(mainWindow)
    ui->setupUi(this);
    // A plain QWidget subclass paints its style-sheet background only so.
    setAttribute(Qt::WA_StyledBackground);
    Utils::instance().setMainWidget(this);

    m_homePage = new HomePage;
    m_aboutUs = new AboutUs;
    m_userGuide = new UserGuide;
    m_confirmDelete = new ConfirmDelete;
    m_exit = new myExit;

    ui->stackedWidget->addWidget(m_homePage);
    ui->stackedWidget->addWidget(m_aboutUs);
    ui->stackedWidget->addWidget(m_userGuide);
    ui->stackedWidget->setCurrentWidget(m_homePage);

    connect(m_homePage, &HomePage::sglShowConfirmDel, this, &MainWidget::slotShowConfirmDel);
    connect(m_homePage, &HomePage::sglSendJson, this, &MainWidget::slotSendJson);
    if (sidePanel) {
        connect(m_homePage, &HomePage::sglSendUpdateUDP, sidePanel, &mainMenu::slotSendUpdateUDP);
        connect(m_homePage, &HomePage::sglSendRefreshUDP, sidePanel, &mainMenu::slotSendRefreshUDP);
    } else {
        qWarning() << "MainWidget: no side panel; library changes are not announced";
    }
    // A video the user deletes stays out of the library: its watched folder
    // does not bring it back. The chosen paths are taken before the delete,
    // the ones really gone after it.
    m_watched = new WatchedFolders(Session::instance()->getDataPath(), this);
    const auto inLibrary = [this](const QString &path) {
        return std::any_of(m_homePage->videos().cbegin(), m_homePage->videos().cend(),
                           [&path](const CorvaneVideoInfo *video) { return video->videoPathReal == path; });
    };
    m_watched->setKnownPaths(inLibrary);
    auto chosen = std::make_shared<QStringList>();
    connect(m_confirmDelete, &ConfirmDelete::sglDoDelVideoFile, this, [this, chosen] {
        chosen->clear();
        for (const CorvaneVideoInfo *video : m_homePage->selectedVideoList())
            chosen->append(video->videoPathReal);
    });
    connect(m_confirmDelete, &ConfirmDelete::sglDoDelVideoFile, m_homePage, &HomePage::slotDoDelVideoFile);
    connect(m_confirmDelete, &ConfirmDelete::sglDoDelVideoFile, this, [this, chosen, inLibrary] {
        QStringList deleted;
        for (const QString &path : qAsConst(*chosen)) {
            if (!inLibrary(path))
                deleted.append(path);
        }
        m_watched->leaveOut(deleted);
    });
    connect(m_confirmDelete, &ConfirmDelete::sglCancelDelVideoFile, m_homePage, &HomePage::slotCancelDelVideoFile);
    connect(m_exit, &myExit::sglRunBack, this, &MainWidget::slotRunBack);

    m_watchedDialog = new WatchedFoldersDialog(m_watched);
    connect(m_homePage, &HomePage::sglWatchFolder, m_watched, &WatchedFolders::add);
    connect(m_watched, &WatchedFolders::filesReady, m_homePage, &HomePage::addFilesInBackground);
    connect(m_homePage, &HomePage::sglShowWatchedFolders, this, &MainWidget::slotShowWatchedFolders);
    const auto showEntry = [this] { m_homePage->setWatchedFoldersShown(!m_watched->folders().isEmpty()); };
    connect(m_watched, &WatchedFolders::foldersChanged, this, showEntry);
    showEntry();
}

void MainWidget::startWatchedFolders()
{
    m_watched->start();
}

void MainWidget::slotShowWatchedFolders()
{
    m_watchedDialog->refresh();
    showOverWindow(m_watchedDialog);
}

MainWidget::~MainWidget()
{
    if (Utils::instance().mainWidget() == this)
        Utils::instance().setMainWidget(nullptr);
    // The pages belong to the stack; the two dialogs have no parent.
    delete m_confirmDelete;
    delete m_exit;
    delete m_watchedDialog;
    delete ui;
}

QStackedWidget *MainWidget::stackedWidget() const
{
    return ui->stackedWidget;
}

void MainWidget::slotToHomePage()
{
    if (ui->stackedWidget->currentWidget() == m_homePage)
        return;
    ui->stackedWidget->setCurrentWidget(m_homePage);
    m_homePage->resetDeleteMode();
}

void MainWidget::slotToUserGuide()
{
    if (ui->stackedWidget->currentWidget() == m_userGuide)
        return;
    ui->stackedWidget->setCurrentWidget(m_userGuide);
    if (!m_userGuide->isLoaded())
        m_userGuide->loadGuide();
}

void MainWidget::slotToAboutUs()
{
    if (ui->stackedWidget->currentWidget() != m_aboutUs)
        ui->stackedWidget->setCurrentWidget(m_aboutUs);
}

void MainWidget::slotShowExitWindow()
{
    if (isAddingFiles) {
        Prompt *prompt = Utils::instance().getPrompt();
        if (!prompt) {
            qWarning() << "MainWidget::slotShowExitWindow: no prompt dialog";
            return;
        }
        prompt->setPromptText(tr("File is adding , please wait for a  moment !"));
        prompt->exec();
        return;
    }
    showOverWindow(m_exit);
}

void MainWidget::slotRunBack()
{
    emit sglRunBackground();
}

void MainWidget::slotShowConfirmDel()
{
    showOverWindow(m_confirmDelete);
}

void MainWidget::slotSendJson(const QJsonObject o)
{
    emit sglSendJson(o);
}

void MainWidget::slotToErrorcode(qint64 code)
{
    qDebug() << "errorcode" << code;
    if (code == 404)
        m_homePage->refreshVideoState();
}
