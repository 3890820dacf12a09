// The main window and the page container, built for real on the offscreen
// platform with a temporary data folder: its form, navigation, shortcuts,
// dragging, closing, the error relay, and the HTTP server it owns, reached
// with a real curl on 127.0.0.1. The last cases run the built program
// itself twice to see the second start bring the first one's window back.
// The whole test runs in network namespaces of its own (netlab.h): the side
// panel's broadcasts and the server's listener see nothing but the loopback.

#include "dialogs/formmessage.h"
#include "dialogs/myexit.h"
#include "library/confirmdelete.h"
#include "dialogs/prompt.h"
#include "library/homepage.h"
#include "library/homesub.h"
#include "library/parseprocess.h"
#include "library/libraryglobals.h"
#include "library/corvanevideoinfo.h"
#include "library/videolibraryfile.h"
#include "online/aboutus.h"
#include "online/userguide.h"
#include "platform/programend.h"
#include "server/serverport.h"
#include "server/tcpservermanage.h"
#include "settings/appsettings.h"
#include "settings/session.h"
#include "shell/corvane.h"
#include "shell/mainwidget.h"
#include "shell/trayicon.h"
#include "shell/utils.h"
#include "sidepanel/mainmenu.h"

#include "httpclients.h"
#include "logcapture.h"
#include "netlab.h"
#include "processes.h"
#include "testvideos.h"

#include <QAction>
#include <QApplication>
#include <QSystemTrayIcon>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QNetworkInterface>
#include <QProcess>
#include <QPushButton>
#include <QPointer>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

LogCapture *g_log = nullptr;

int logCount(const QString &needle)
{
    return g_log->count(needle);
}

void sendMouse(QWidget *target, QEvent::Type type, const QPoint &local, const QPoint &global, Qt::MouseButton button)
{
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(local), QPointF(global), type == QEvent::MouseMove ? Qt::NoButton : button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    // First: the ports it occupies are still free of closed connections.
    void serverThatNeverListensIsReported();
    void formAndInitialState_data();
    void formAndInitialState();
    void settingsProvisionedAndPortChosen();
    void navigation_data();
    void navigation();
    void guideLoadedOnlyOnEntering();
    void homeEntryLeavesDeleteMode();
    void shortcutAMinimisesAndLogs();
    void shortcutBOpensExitDialog();
    void shortcutBWhileAddingShowsPrompt();
    void exitBackgroundMinimises();
    void errorcodeAlways404_data();
    void errorcodeAlways404();
    void realServerErrorReachesLibraryPage();
    void dragging_data();
    void dragging();
    void closeHidesAndServerKeepsServing();
    void trayShowsAndQuits();
    void handOverBringsWindowBack_data();
    void handOverBringsWindowBack();
    void destructorClosesServer();
    void trayIconAppearsWhenATrayDoes();
    void endAfterTheInstallerJoinsTheServerFirst();
    void addedVideoIsServed();
    void storedLibraryListedBeforeItsTiles();
    void quitDuringProbeRunStopsTheWorkerFirst();
    void announcesThePortItListensOn();
    void lookOfWindowAndDialogs();
    void secondStartOfProgramBringsWindowBack();

private:
    std::unique_ptr<QTemporaryDir> dataDir;
    std::unique_ptr<Corvane> window;
    QTemporaryDir videoDir;

    MainWidget *pages() const { return window->findChild<MainWidget *>(); }
    template <typename T> T *child(const char *name) const { return window->findChild<T *>(QLatin1String(name)); }
};

void TestMainWindow::initTestCase()
{
    // Outside a namespace of its own every window would broadcast to the
    // machine's real networks.
    if (!NetLab::isolated())
        QSKIP(qPrintable(NetLab::whyNotIsolated()));
    for (const QNetworkInterface &iface : QNetworkInterface::allInterfaces())
        QVERIFY2(iface.flags() & QNetworkInterface::IsLoopBack, qPrintable(iface.name()));
    g_log = new LogCapture; // for the whole run
    QVERIFY(videoDir.isValid());
}

void TestMainWindow::init()
{
    // A fresh data folder per case: settings, library file and posters.
    dataDir = std::make_unique<QTemporaryDir>();
    QVERIFY(dataDir->isValid());
    qputenv("XDG_DATA_HOME", dataDir->path().toUtf8());
    isAddingFiles = false;
    g_log->clear();
    window = std::make_unique<Corvane>();
    QVERIFY(pages());
}

void TestMainWindow::cleanup()
{
    window.reset();
    isAddingFiles = false;
    // Lets the server's deferred deletion run before the next case.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestMainWindow::formAndInitialState_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"widget_home", "tB_home", "widget_guide", "tB_guide", "widget_about", "tB_about", "minbutton",
                             "closebutton", "label_logo", "label_logo_text", "TitleWidget", "widget", "midWidget",
                             "rightWidget", "widgetBG", "widget_2"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestMainWindow::formAndInitialState()
{
    QFETCH(QString, name);
    QVERIFY2(window->findChild<QWidget *>(name), qPrintable(name));

    QCOMPARE(window->windowTitle(), QStringLiteral("Nuvo driftview helper"));
    QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(window->testAttribute(Qt::WA_TranslucentBackground));
    QVERIFY(window->testAttribute(Qt::WA_MouseTracking));
    QVERIFY(child<QWidget>("widget")->testAttribute(Qt::WA_TranslucentBackground));
    QCOMPARE(window->minimumSize(), QSize(1024, 768));
    QVERIFY(!window->windowIcon().isNull());
    QVERIFY(child<QLabel>("label_logo")->styleSheet().contains(QLatin1String(":/Corvane/Skin/ico/logo_32X32.png")));
    QVERIFY(child<QLabel>("label_logo_text")->isHidden());
    QCOMPARE(child<QToolButton>("tB_home")->text(), QCoreApplication::translate("CorvaneClass", "home   "));
    QCOMPARE(child<QToolButton>("tB_guide")->text(), QCoreApplication::translate("CorvaneClass", "guide   "));
    QCOMPARE(child<QToolButton>("tB_about")->text(), QCoreApplication::translate("CorvaneClass", "about   "));
    QCOMPARE(child<QToolButton>("minbutton")->text(), QString());

    // The indicator under the home entry, home selected.
    QLabel *indicator = child<QLabel>("label_indicator");
    QVERIFY(indicator);
    QCOMPARE(indicator->parentWidget(), child<QWidget>("midWidget"));
    QCOMPARE(indicator->geometry(), QRect(200, 81, 140, 2));
    QCOMPARE(child<QWidget>("widget_home")->x(), 200);
    QVERIFY(child<QToolButton>("tB_home")->styleSheet().contains(QLatin1String("home_press_1.png")));
    QVERIFY(child<QToolButton>("tB_guide")->styleSheet().contains(QLatin1String("guide_normal_1.png")));

    // Side panel at the left, 246 wide; the page container at the right
    // with the library page current.
    auto *menu = window->findChild<mainMenu *>();
    QVERIFY(menu);
    QCOMPARE(menu->parentWidget()->width(), 246);
    QVERIFY(child<QWidget>("widget_2")->isAncestorOf(menu));
    QVERIFY(child<QWidget>("widget_2")->isAncestorOf(pages()));
    QCOMPARE(pages()->objectName(), QStringLiteral("MainWidget"));
    QVERIFY(pages()->styleSheet().contains(QLatin1String(":/Corvane/Skin/new/my_bg.png")));
    QStackedWidget *stack = pages()->stackedWidget();
    QCOMPARE(stack->count(), 3);
    QCOMPARE(stack->widget(0), pages()->homePage());
    QCOMPARE(stack->widget(1), pages()->aboutUs());
    QCOMPARE(stack->widget(2), pages()->userGuide());
    QCOMPARE(stack->currentWidget(), pages()->homePage());
    QCOMPARE(Utils::instance().mainWidget(), pages());
    // The dialogs have no parent.
    QVERIFY(!pages()->confirmDelete()->parent());
    QVERIFY(!pages()->exitDialog()->parent());
    // The style sheet beside the executable was appended.
    QVERIFY(qApp->styleSheet().contains(QLatin1String("#widgetBG")));
}

void TestMainWindow::settingsProvisionedAndPortChosen()
{
    const QString ini = dataDir->path() + QStringLiteral("/NuvoVR/Brindlecast/Corvane.ini");
    QVERIFY(QFile::exists(ini));
    QSettings settings(ini, QSettings::IniFormat);
    QVERIFY(window->serverPort() >= 9000);
    QCOMPARE(settings.value(QStringLiteral("serverPort")).toInt(), int(window->serverPort()));
    QCOMPARE(settings.value(QStringLiteral("language")).toString(), QStringLiteral("us"));
    QCOMPARE(logCount(QStringLiteral("Available Port")), 1);
    // The server answers on that port.
    const CurlResult list = curl(window->serverPort(), QStringLiteral("/list"));
    QCOMPARE(list.status(), 200);
    // Nothing was published yet: without a library file the page stays
    // silent and the window serves the empty object it holds.
    QCOMPARE(list.body, QByteArray("{}"));
}

void TestMainWindow::navigation_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("page");
    QTest::newRow("guide") << QStringList{"guide"} << "guide" << "guide";
    QTest::newRow("about") << QStringList{"about"} << "about" << "about";
    QTest::newRow("about then home") << QStringList{"about", "home"} << "home" << "home";
    QTest::newRow("guide then about") << QStringList{"guide", "about"} << "about" << "about";
    QTest::newRow("home while home") << QStringList{"home"} << "home" << "home";
    QTest::newRow("about twice") << QStringList{"about", "about"} << "about" << "about";
}

void TestMainWindow::navigation()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, entry);
    QFETCH(QString, page);
    QSignalSpy home(window.get(), &Corvane::sglSelectHomePage);
    QSignalSpy guide(window.get(), &Corvane::selectUserGuide);
    QSignalSpy about(window.get(), &Corvane::selectAboutUs);
    for (const QString &click : clicks)
        QTest::mouseClick(window->findChild<QToolButton *>(QStringLiteral("tB_") + click), Qt::LeftButton);
    QCOMPARE(home.count(), int(clicks.count(QStringLiteral("home"))));
    QCOMPARE(guide.count(), int(clicks.count(QStringLiteral("guide"))));
    QCOMPARE(about.count(), int(clicks.count(QStringLiteral("about"))));

    QWidget *container = window->findChild<QWidget *>(QStringLiteral("widget_") + entry);
    QCOMPARE(child<QLabel>("label_indicator")->geometry(), QRect(container->x(), 81, 140, 2));
    for (const char *name : {"home", "guide", "about"}) {
        const QString style = window->findChild<QToolButton *>(QStringLiteral("tB_") + QLatin1String(name))->styleSheet();
        if (entry == QLatin1String(name)) {
            QVERIFY(style.contains(QStringLiteral("%1_press_1.png").arg(QLatin1String(name))));
            QVERIFY(style.contains(QLatin1String("#ffffff")));
            QVERIFY(!style.contains(QLatin1String(":hover")));
        } else {
            QVERIFY(style.contains(QStringLiteral("%1_normal_1.png").arg(QLatin1String(name))));
            QVERIFY(style.contains(QStringLiteral("%1_hover_1.png").arg(QLatin1String(name))));
            QVERIFY(style.contains(QLatin1String("#6d6d6d")));
        }
    }
    QWidget *expected = page == QLatin1String("home")    ? static_cast<QWidget *>(pages()->homePage())
                        : page == QLatin1String("guide") ? static_cast<QWidget *>(pages()->userGuide())
                                                         : static_cast<QWidget *>(pages()->aboutUs());
    QCOMPARE(pages()->stackedWidget()->currentWidget(), expected);
}

void TestMainWindow::guideLoadedOnlyOnEntering()
{
    auto *guide = child<QToolButton>("tB_guide");
    QTest::mouseClick(guide, Qt::LeftButton);
    QTest::mouseClick(guide, Qt::LeftButton);
    // The second click on the current page only re-styles the buttons.
    QCOMPARE(logCount(QStringLiteral("UserGuide::loadGuide")), 1);
    QVERIFY(!pages()->userGuide()->isLoaded());
    // Entering again while not loaded asks again.
    QTest::mouseClick(child<QToolButton>("tB_home"), Qt::LeftButton);
    QTest::mouseClick(guide, Qt::LeftButton);
    QCOMPARE(logCount(QStringLiteral("UserGuide::loadGuide")), 2);
}

void TestMainWindow::homeEntryLeavesDeleteMode()
{
    HomePage *home = pages()->homePage();
    home->slotDelVideoFile();
    QVERIFY(home->isDeleteMode());
    // Clicking the current page's entry does not run the page's action.
    QTest::mouseClick(child<QToolButton>("tB_home"), Qt::LeftButton);
    QVERIFY(home->isDeleteMode());
    QTest::mouseClick(child<QToolButton>("tB_about"), Qt::LeftButton);
    QVERIFY(home->isDeleteMode());
    QTest::mouseClick(child<QToolButton>("tB_home"), Qt::LeftButton);
    QVERIFY(!home->isDeleteMode());
}

void TestMainWindow::shortcutAMinimisesAndLogs()
{
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QVERIFY(!window->isMinimized());
    QTest::keyClick(window.get(), Qt::Key_A);
    QVERIFY(window->isMinimized());
    QCOMPARE(logCount(QStringLiteral("[minbutton][] clicked.")), 1);
}

void TestMainWindow::shortcutBOpensExitDialog()
{
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    myExit *exitDialog = pages()->exitDialog();
    QVERIFY(!exitDialog->isVisible());
    QTest::keyClick(window.get(), Qt::Key_B);
    QVERIFY(exitDialog->isVisible());
    QVERIFY(!Utils::instance().getPrompt()->isVisible());
    exitDialog->slotClose();
    QVERIFY(!exitDialog->isVisible());
}

void TestMainWindow::shortcutBWhileAddingShowsPrompt()
{
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    isAddingFiles = true;
    Prompt *prompt = Utils::instance().getPrompt();
    bool sawPrompt = false;
    QString shownText;
    QTimer::singleShot(0, prompt, [&] {
        sawPrompt = prompt->isVisible();
        shownText = prompt->findChild<QLabel *>(QStringLiteral("lbPromptText"))->text();
        prompt->findChild<QPushButton *>(QStringLiteral("btnOk"))->click();
    });
    QTest::keyClick(window.get(), Qt::Key_B);
    QVERIFY(sawPrompt);
    QCOMPARE(shownText, QCoreApplication::translate("MainWidget", "File is adding , please wait for a  moment !"));
    QVERIFY(!pages()->exitDialog()->isVisible());
    QVERIFY(!prompt->isVisible());
}

void TestMainWindow::exitBackgroundMinimises()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QTest::mouseClick(child<QToolButton>("closebutton"), Qt::LeftButton);
    myExit *exitDialog = pages()->exitDialog();
    QVERIFY(exitDialog->isVisible());
    QSignalSpy background(pages(), &MainWidget::sglRunBackground);
    QTest::mouseClick(exitDialog->findChild<QPushButton *>(QStringLiteral("pb_background")), Qt::LeftButton);
    QCOMPARE(background.count(), 1);
    QVERIFY(!exitDialog->isVisible());
    QVERIFY(window->isMinimized());
}

void TestMainWindow::errorcodeAlways404_data()
{
    QTest::addColumn<qint64>("code");
    for (qint64 code : {qint64(404), qint64(400), qint64(416), qint64(500), qint64(0), qint64(-1)})
        QTest::newRow(qPrintable(QString::number(code))) << code;
}

void TestMainWindow::errorcodeAlways404()
{
    QFETCH(qint64, code);
    QSignalSpy relayed(window.get(), &Corvane::sglErrorcode);
    QSignalSpy announced(pages()->homePage(), &HomePage::sglSendUpdateUDP);
    QSignalSpy published(pages()->homePage(), &HomePage::sglSendJson);
    window->slotToErrorcode(code);
    QCOMPARE(relayed.count(), 1);
    QCOMPARE(relayed.at(0).at(0).toLongLong(), qint64(404));
    // The library page re-checked its tiles: it republished and announced.
    QCOMPARE(announced.count(), 1);
    QCOMPARE(published.count(), 1);
    QCOMPARE(logCount(QStringLiteral("errorcode 404")), 1);
}

void TestMainWindow::realServerErrorReachesLibraryPage()
{
    QSignalSpy relayed(window.get(), &Corvane::sglErrorcode);
    QSignalSpy announced(pages()->homePage(), &HomePage::sglSendUpdateUDP);
    const CurlResult missing = curl(window->serverPort(), QStringLiteral("/post/1234567890123"));
    QCOMPARE(missing.status(), 404);
    QTRY_COMPARE(relayed.count(), 1);
    QCOMPARE(relayed.at(0).at(0).toLongLong(), qint64(404));
    QTRY_COMPARE(announced.count(), 1);
}

void TestMainWindow::dragging_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<bool>("moves");
    QTest::newRow("left drag") << int(Qt::LeftButton) << false << true;
    QTest::newRow("right drag") << int(Qt::RightButton) << false << false;
    QTest::newRow("middle drag") << int(Qt::MiddleButton) << false << false;
    QTest::newRow("double click") << int(Qt::LeftButton) << true << false;
}

void TestMainWindow::dragging()
{
    QFETCH(int, button);
    QFETCH(bool, doubleClick);
    QFETCH(bool, moves);
    window->move(50, 40);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QPoint start = window->pos();
    // Press on the empty part of the title bar; the title widgets pass the
    // event on to the window.
    QWidget *title = child<QWidget>("TitleWidget");
    const QPoint local(150, 40);
    const QPoint global = title->mapToGlobal(local);
    const auto mouseButton = Qt::MouseButton(button);
    if (doubleClick) {
        sendMouse(title, QEvent::MouseButtonPress, local, global, mouseButton);
        sendMouse(title, QEvent::MouseButtonRelease, local, global, mouseButton);
        sendMouse(title, QEvent::MouseButtonDblClick, local, global, mouseButton);
    } else {
        sendMouse(title, QEvent::MouseButtonPress, local, global, mouseButton);
    }
    QCOMPARE(window->isDragging(), moves);
    const QPoint delta(64, 33);
    sendMouse(title, QEvent::MouseMove, title->mapFromGlobal(global + delta), global + delta, mouseButton);
    QCOMPARE(window->pos(), moves ? start + delta : start);
    sendMouse(title, QEvent::MouseButtonRelease, title->mapFromGlobal(global + delta), global + delta, mouseButton);
    QVERIFY(!window->isDragging());
    const QPoint after = window->pos();
    sendMouse(title, QEvent::MouseMove, local, global + QPoint(200, 200), Qt::NoButton);
    QCOMPARE(window->pos(), after);
}

void TestMainWindow::closeHidesAndServerKeepsServing()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QVERIFY(!window->close());
    QVERIFY(window->isHidden());
    const CurlResult list = curl(window->serverPort(), QStringLiteral("/list"));
    QCOMPARE(list.status(), 200);
    QVERIFY(QJsonDocument::fromJson(list.body).isObject());
    // Browsers get the library page, with the texts of the program's language.
    const CurlResult page = curl(window->serverPort(), QStringLiteral("/"));
    QCOMPARE(page.status(), 200);
    QVERIFY(page.body.contains("{\"choose\":") && page.body.contains("\"lang\":\"en\""));
}

void TestMainWindow::trayShowsAndQuits()
{
    // Offscreen there is no tray, so the window made none; its icon object
    // is driven directly.
    QVERIFY(!window->trayIcon());
    TrayIcon *tray = window->createTrayIcon();
    window->hide();
    tray->showAction()->trigger();
    QVERIFY(window->isVisible());
    window->showMinimized();
    emit tray->icon()->activated(QSystemTrayIcon::Trigger);
    QVERIFY(!(window->windowState() & Qt::WindowMinimized));
    QVERIFY(tray->addressAction()->text().isEmpty() == false && !tray->addressAction()->isEnabled());
    QTimer noQuit; // ends the loop with 1 should "quit" not end it
    noQuit.setSingleShot(true);
    connect(&noQuit, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    noQuit.start(30000);
    QTimer::singleShot(0, tray->quitAction(), &QAction::trigger);
    QCOMPARE(QCoreApplication::exec(), 0);
}

void TestMainWindow::handOverBringsWindowBack_data()
{
    QTest::addColumn<QString>("state");
    QTest::newRow("hidden by close") << "closed";
    QTest::newRow("minimised") << "minimised";
}

void TestMainWindow::handOverBringsWindowBack()
{
    QFETCH(QString, state);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    if (state == QLatin1String("closed")) {
        window->close();
        QVERIFY(window->isHidden());
    } else {
        window->showMinimized();
        QVERIFY(window->isMinimized());
    }
    window->sltProcApplicationPara(QStringLiteral("a b c"));
    QVERIFY(window->isVisible());
    QVERIFY(!window->isMinimized());
    QCOMPARE(logCount(QStringLiteral("showing the window again")), 1);
}

void TestMainWindow::destructorClosesServer()
{
    const quint16 port = window->serverPort();
    QCOMPARE(curl(port, QStringLiteral("/list")).status(), 200);
    const QPointer<QObject> server = window->httpServer();
    window.reset();
    // Gone with the window: after the event loop no deferred deletion runs.
    QVERIFY(server.isNull());
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(!socket.waitForConnected(5000));
    QCOMPARE(socket.error(), QAbstractSocket::ConnectionRefusedError);
    // A new window starts over with fresh settings objects.
    window = std::make_unique<Corvane>();
    QVERIFY(window->serverPort() >= 9000);
}

void TestMainWindow::trayIconAppearsWhenATrayDoes()
{
    // No tray at the start; a panel with one is started later.
    window.reset();
    bool trayThere = false;
    Corvane::setTrayAvailability([&trayThere] { return trayThere; });
    const auto restore = qScopeGuard([this] { window.reset(); Corvane::setTrayAvailability({}); });
    window = std::make_unique<Corvane>();
    QVERIFY(!window->trayIcon());
    trayThere = true;
    QTRY_VERIFY_WITH_TIMEOUT(window->trayIcon() && window->trayIcon()->icon()->isVisible(), 60000);
}

void TestMainWindow::serverThatNeverListensIsReported()
{
    // Every port the search tries is bound, not listening (so the port table
    // does not show it): each listen fails. The panel's part: tst_sidepanel.
    window.reset();
    QObject held;
    for (int port = ServerPort::kFirstPort; port <= ServerPort::kFirstPort + ServerPort::kListenRetries + 4; ++port)
        QVERIFY((new QTcpSocket(&held))->bind(QHostAddress::AnyIPv4, quint16(port)));
    window = std::make_unique<Corvane>();
    QVERIFY(!window->httpServer()->isRunning());
    const QLabel *notice = child<QLabel>("label_notServing");
    QVERIFY(notice && notice->isVisibleTo(window.get()));
    QCOMPARE(window->createTrayIcon()->addressAction()->text(),
             QCoreApplication::translate("TrayIcon", "Not serving: the video server could not start"));
}

void TestMainWindow::endAfterTheInstallerJoinsTheServerFirst()
{
    // A child (in this data folder) builds the window, is served once, then
    // ends as after the installer started.
    int exitCode = -1;
    const QByteArray out = TestSupport::run(QCoreApplication::applicationFilePath(), {"--end-program"}, &exitCode);
    QCOMPARE(exitCode, 0);
    QCOMPARE(out, QByteArray("served 200\nserver threads at exit 0\n"));
}

void TestMainWindow::addedVideoIsServed()
{
    const QString video = videoDir.filePath(QStringLiteral("Sea View.mp4"));
    QVERIFY(TestVideos::clip(video, 2, QStringLiteral("320x180"), 25, 15));
    HomePage *home = pages()->homePage();

    // Drop the file on the library page, as the user would; the probe runs
    // inside the page's modal progress dialog and returns when done.
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(video)});
    QVERIFY(home->acceptDrops());
    QDragEnterEvent enter(QPoint(100, 200), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(home, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(100, 200), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(home, &drop);
    QTRY_COMPARE(home->videos().size(), 1);
    QTRY_VERIFY(!isAddingFiles);

    // The window keeps what the page published...
    const QJsonArray items = window->currentLibraryJson().value(QStringLiteral("items")).toArray();
    QCOMPARE(items.size(), 1);

    // ...and the headset's client sees it through the server.
    const quint16 port = window->serverPort();
    const CurlResult list = curl(port, QStringLiteral("/list"));
    QCOMPARE(list.status(), 200);
    const QJsonObject library = QJsonDocument::fromJson(list.body).object();
    QCOMPARE(library.value(QStringLiteral("number")).toString(), QStringLiteral("1"));
    const QJsonObject item = library.value(QStringLiteral("items")).toArray().at(0).toObject();
    QCOMPARE(item.value(QStringLiteral("video")).toString(), QStringLiteral("Sea View.mp4"));
    const QString videoPath = item.value(QStringLiteral("videopath")).toString();
    const QString posterPath = item.value(QStringLiteral("posterpath")).toString();
    QVERIFY2(videoPath.startsWith(QLatin1String("video/")), qPrintable(videoPath));
    QVERIFY2(posterPath.startsWith(QLatin1String("post/")), qPrintable(posterPath));

    const CurlResult poster = curl(port, QLatin1Char('/') + posterPath);
    QCOMPARE(poster.status(), 200);
    const QByteArray posterFile = TestSupport::fileBytes(item.value(QStringLiteral("posterpathreal")).toString());
    QVERIFY(!posterFile.isEmpty());
    QCOMPARE(poster.body, posterFile);
    QVERIFY(poster.body.startsWith("\x89PNG"));

    const QByteArray videoFile = TestSupport::fileBytes(video);
    QVERIFY(videoFile.size() > 1000);
    const CurlResult head = curl(port, QLatin1Char('/') + videoPath, {QStringLiteral("-H"), QStringLiteral("Range: bytes=0-99")});
    QCOMPARE(head.status(), 206);
    QCOMPARE(head.body, videoFile.left(100));
    const CurlResult whole = curl(port, QLatin1Char('/') + videoPath);
    QCOMPARE(whole.status(), 206);
    QCOMPARE(whole.body, videoFile);
}

void TestMainWindow::storedLibraryListedBeforeItsTiles()
{
    window.reset();
    QList<CorvaneVideoInfo *> stored;
    for (int i = 0; i < 300; ++i) {
        stored << new CorvaneVideoInfo;
        stored.last()->video = stored.last()->videoPath = QString::number(1607300000000LL + i);
        stored.last()->posterPathReal = dataDir->filePath(stored.last()->video + QStringLiteral(".png"));
        QVERIFY(QFile::copy(QStringLiteral(CORVANE_APP_DIR "/DefaultPoster/DefaultPoster.png"), stored.last()->posterPathReal));
    }
    QStringList texts;
    QVERIFY(VideoLibraryFile().rewrite(stored, &texts));
    qDeleteAll(stored);
    window = std::make_unique<Corvane>();
    window->show();
    HomePage *home = pages()->homePage();
    // Before the event loop has built a single tile, the headset gets every video.
    QCOMPARE(home->tileList().size(), 0);
    const CurlResult list = curl(window->serverPort(), QStringLiteral("/list"));
    QCOMPARE(QJsonDocument::fromJson(list.body).object().value(QStringLiteral("items")).toArray().size(), 300);
    QTRY_VERIFY(!home->tileList().isEmpty());
    QVERIFY(home->tileList().size() < 150);
    // None of the files is there: every video counts as missing, not just the built tiles.
    QCOMPARE(home->findChild<QPushButton *>(QStringLiteral("tb_removeMissing"))->text(),
             HomePage::tr("Remove missing videos (%n)", nullptr, 300));
    // Every tile in view shows its poster, wherever the view is; far ones hold none.
    auto *area = home->findChild<QScrollArea *>(QStringLiteral("scrollArea"));
    auto checkView = [&] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const QRect view(QPoint(0, area->verticalScrollBar()->value()), area->viewport()->size());
        for (HomeSub *tile : home->tileList()) {
            const bool far = tile->geometry().bottom() < view.top() - 3 * view.height();
            if (tile->geometry().intersects(view) || far)
                QCOMPARE(tile->findChild<QPushButton *>(QStringLiteral("pushButtonPic"))->icon().isNull(), far);
        }
    };
    checkView();
    // "All" selects every video, also those without a tile yet.
    home->slotDelVideoFile();
    home->slotSelectAll();
    QCOMPARE(home->selectedVideoList().size(), 300);
    // The scroll bar covers the whole library: at its end the last row is in view.
    area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
    QCOMPARE(home->tileList().size(), 300);
    checkView();
    QVERIFY(area->viewport()->rect().contains(home->tileList().last()->geometry().translated(area->widget()->pos())));
    QVERIFY(home->tileList().last()->isSelected());
}

void TestMainWindow::quitDuringProbeRunStopsTheWorkerFirst()
{
    // Forty files, so the run is still going when the window goes.
    const QString first = videoDir.filePath(QStringLiteral("run 0.mp4"));
    QVERIFY(TestVideos::clip(first, 10, QStringLiteral("640x360"), 25, 250));
    QList<QUrl> urls{QUrl::fromLocalFile(first)};
    for (int i = 1; i < 40; ++i) {
        const QString copy = videoDir.filePath(QStringLiteral("run %1.mp4").arg(i));
        QVERIFY(QFile::exists(copy) || QFile::copy(first, copy));
        urls << QUrl::fromLocalFile(copy);
    }
    HomePage *home = pages()->homePage();
    // The progress dialog's loop ends the way a window-manager close ends it.
    QTimer closer;
    connect(&closer, &QTimer::timeout, home, [home] {
        if (isAddingFiles && home->parseProcess()->isVisible())
            home->parseProcess()->reject();
    });
    closer.start(5);
    QMimeData mime;
    mime.setUrls(urls);
    QDragEnterEvent enter(QPoint(100, 200), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(home, &enter);
    QDropEvent drop(QPointF(100, 200), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(home, &drop);
    QTRY_VERIFY(home->parseProcess()->isParsing && !home->parseProcess()->isVisible());
    QVERIFY(isAddingFiles);
    closer.stop();

    const QString pictures = Session::instance()->getDataPath() + QStringLiteral("/videoPictures");
    window.reset();
    // The worker stopped before the settings objects went, and did not make
    // them again from its own thread.
    QVERIFY(Session::instance()->thread() == QThread::currentThread());
    QVERIFY(QDir(pictures).entryList(QDir::Files).size() < urls.size());
}

void TestMainWindow::announcesThePortItListensOn()
{
    // The settings file stops naming the port (it could not be written, or
    // was changed by hand): the announcement still carries the real one.
    const quint16 port = window->serverPort();
    QVERIFY(port >= 9000);
    TestSupport::writeIniValue(AppSettings::instance()->settingsFilePath(), QStringLiteral("serverPort"), 0);
    QCOMPARE(curl(port, QStringLiteral("/list")).status(), 200);
    QCOMPARE(window->findChild<mainMenu *>()->presenceText(), QStringLiteral("1$corvane$%1").arg(port));
}

namespace {

// Saves a grab when CORVANE_SCREENSHOT_DIR is set (for looking at by eye).
QImage grabbed(QWidget *widget, const QString &name)
{
    const QImage image = widget->grab().toImage();
    const QString dir = qEnvironmentVariable("CORVANE_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        image.save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
    return image;
}

bool near(QRgb pixel, QColor expected, int tolerance = 6)
{
    return qAbs(qRed(pixel) - expected.red()) <= tolerance && qAbs(qGreen(pixel) - expected.green()) <= tolerance
           && qAbs(qBlue(pixel) - expected.blue()) <= tolerance;
}

} // namespace

void TestMainWindow::lookOfWindowAndDialogs()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCOMPARE(window->size(), QSize(1024, 768));

    // Empty library: white title bar, teal indicator under "home", the
    // light page behind the hint.
    QImage empty = grabbed(window.get(), QStringLiteral("main-empty"));
    const qreal dpr = empty.devicePixelRatio();
    auto at = [&](const QImage &image, QWidget *w, QPoint p) {
        const QPoint g = w->mapTo(window.get(), p);
        return image.pixel(int(g.x() * dpr), int(g.y() * dpr));
    };
    QLabel *indicator = child<QLabel>("label_indicator");
    QVERIFY(near(at(empty, indicator, QPoint(70, 1)), QColor(0x00, 0xec, 0xf6)));
    QVERIFY(near(at(empty, child<QWidget>("TitleWidget"), QPoint(150, 20)), Qt::white));
    QWidget *pageArea = pages()->homePage();
    QVERIFY(near(at(empty, pageArea, QPoint(pageArea->width() - 20, pageArea->height() - 20)), QColor(0xf1, 0xf1, 0xf1)));
    // The side panel's QR card (hidden here, where no network is up) keeps
    // its rounded corners on the panel's white.
    QWidget *card = window->findChild<mainMenu *>()->findChild<QWidget *>(QStringLiteral("widget_2"));
    card->show();
    const QImage cardImage = grabbed(window.get(), QStringLiteral("main-qr-card"));
    QVERIFY(near(at(cardImage, card, QPoint(1, 1)), Qt::white));

    // Seven videos of different looks, added through the page.
    const QStringList sources{"testsrc", "testsrc2", "smptebars", "rgbtestsrc", "life", "pal75bars", "smptehdbars"};
    QList<QUrl> urls;
    for (int i = 0; i < sources.size(); ++i) {
        const QString path = videoDir.filePath(QStringLiteral("%1 clip %2.mp4").arg(sources.at(i)).arg(i + 1));
        QVERIFY(TestVideos::clip(path, 2 + i, QStringLiteral("320x180"), 10, 25, sources.at(i)));
        urls << QUrl::fromLocalFile(path);
    }
    QMimeData mime;
    mime.setUrls(urls);
    QDragEnterEvent enter(QPoint(100, 200), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pages()->homePage(), &enter);
    QDropEvent drop(QPointF(100, 200), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pages()->homePage(), &drop);
    QTRY_COMPARE_WITH_TIMEOUT(pages()->homePage()->videos().size(), 7, 60000);
    QTRY_VERIFY(!isAddingFiles);
    QTest::qWait(50);
    const QImage seven = grabbed(window.get(), QStringLiteral("main-seven"));
    QVERIFY(seven != empty);

    pages()->homePage()->slotDelVideoFile();
    QVERIFY(pages()->homePage()->isDeleteMode());
    QTest::qWait(50);
    const QImage deleteMode = grabbed(window.get(), QStringLiteral("main-delete-mode"));
    QVERIFY(deleteMode != seven);
    pages()->homePage()->resetDeleteMode();

    QTest::mouseClick(child<QToolButton>("tB_guide"), Qt::LeftButton);
    const QImage guide = grabbed(window.get(), QStringLiteral("main-guide"));
    QVERIFY(near(at(guide, indicator, QPoint(70, 1)), QColor(0x00, 0xec, 0xf6)));
    QCOMPARE(indicator->x(), child<QWidget>("widget_guide")->x());
    QTest::mouseClick(child<QToolButton>("tB_home"), Qt::LeftButton);

    // The dialogs: a white card with the teal edge on a transparent ground.
    Prompt *prompt = Utils::instance().getPrompt();
    prompt->setPromptText(QStringLiteral("File is adding , please wait for a  moment !"));
    prompt->show();
    FormMessage *message = Utils::instance().getFormMessage();
    message->setMessage({QStringLiteral("already add the video"),
                         QStringLiteral("A very long holiday video name that needs more than one line.mp4")});
    message->show();
    myExit *exitDialog = pages()->exitDialog();
    exitDialog->show();
    QWidget *confirm = pages()->confirmDelete();
    confirm->show();
    const struct { QWidget *w; const char *name; } dialogs[] = {
        {prompt, "dialog-prompt"}, {message, "dialog-message"}, {exitDialog, "dialog-exit"}, {confirm, "dialog-confirm"}};
    for (const auto &d : dialogs) {
        QVERIFY(QTest::qWaitForWindowExposed(d.w));
        const QImage image = grabbed(d.w, QLatin1String(d.name));
        const qreal r = image.devicePixelRatio();
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QVERIFY2(near(image.pixel(int(d.w->width() / 2 * r), int(d.w->height() / 2 * r)), Qt::white, 40), d.name);
        d.w->hide();
    }
}

void TestMainWindow::secondStartOfProgramBringsWindowBack()
{
    // The real program, under a name of its own so that no other copy on
    // this machine (and no other test) shares its single-instance name.
    window.reset();
    QTemporaryDir appDir;
    QVERIFY(appDir.isValid());
    const QString exeName = QStringLiteral("CorvShell%1").arg(QCoreApplication::applicationPid() % 100000);
    const QString exe = appDir.filePath(exeName);
    QVERIFY(QFile::copy(QStringLiteral(CORVANE_BIN), exe));
    QVERIFY(QFile::setPermissions(exe, QFile::permissions(exe) | QFileDevice::ExeOwner));
    QVERIFY(QFile::copy(QStringLiteral(CORVANE_APP_DIR "/Corvane.ini"), appDir.filePath(QStringLiteral("Corvane.ini"))));
    QVERIFY(QDir().mkpath(appDir.filePath(QStringLiteral("qss"))));
    QVERIFY(QFile::copy(QStringLiteral(CORVANE_APP_DIR "/qss/public.qss"), appDir.filePath(QStringLiteral("qss/public.qss"))));

    QTemporaryDir home;
    QVERIFY(home.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QString alogDir = home.path() + QStringLiteral("/NuvoVR/Brindlecast/aLog");
    auto alog = [&] {
        QByteArray all;
        for (const QFileInfo &info : QDir(alogDir).entryInfoList(QDir::Files))
            all += TestSupport::fileBytes(info.absoluteFilePath());
        return QString::fromUtf8(all);
    };

    QProcess first;
    first.setProcessEnvironment(env);
    first.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    first.start(exe, QStringList());
    QVERIFY(first.waitForStarted(10000));
    auto stopFirst = qScopeGuard([&] {
        if (first.state() != QProcess::NotRunning) {
            first.terminate();
            if (!first.waitForFinished(5000)) {
                first.kill();
                first.waitForFinished(5000);
            }
        }
    });
    QTRY_VERIFY_WITH_TIMEOUT(alog().contains(QLatin1String("main window shown")), 30000);
    QVERIFY(!alog().contains(QLatin1String("showing the window again")));

    QProcess second;
    second.setProcessEnvironment(env);
    second.start(exe, QStringList{QStringLiteral("a"), QStringLiteral("b")});
    QVERIFY(second.waitForFinished(30000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(QString::fromLocal8Bit(second.readAllStandardError()).contains(exeName + QStringLiteral(" already running.")));

    // The first copy received the hand-over and brought its window back.
    QTRY_VERIFY_WITH_TIMEOUT(alog().contains(QLatin1String("showing the window again; parameters: \"a b\"")), 30000);
    QCOMPARE(first.state(), QProcess::Running);

    // And it still serves on the port it recorded.
    QSettings settings(home.path() + QStringLiteral("/NuvoVR/Brindlecast/Corvane.ini"), QSettings::IniFormat);
    const int port = settings.value(QStringLiteral("serverPort")).toInt();
    QVERIFY(port >= 9000);
    QCOMPARE(curl(quint16(port), QStringLiteral("/list")).status(), 200);
}

// Counts the threads running server code (it names them) at exit.
static int endProgramChild(int argc, char **argv)
{
    QApplication app(argc, argv);
    Corvane window;
    std::printf("served %d\n", curl(window.serverPort(), QStringLiteral("/list")).status());
    std::atexit([] {
        int left = 0;
        for (const QString &task : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            left += QByteArrayList{"corvane-server", "corvane-handler"}.contains(
                TestSupport::fileBytes(QStringLiteral("/proc/self/task/%1/comm").arg(task)).trimmed());
        std::printf("server threads at exit %d\n", left);
    });
    ProgramEnd::exitNow();
}

int main(int argc, char **argv)
{
    // Already in the namespaces of the test that started it.
    if (argc >= 2 && std::strcmp(argv[1], "--end-program") == 0)
        return endProgramChild(1, argv);
    // First, while the process has a single thread.
    NetLab::isolate();
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestMainWindow tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}
#include "tst_mainwindow.moc"
