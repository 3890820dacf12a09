#include "corvane.h"
#include "dlna/mediaserver.h"
#include "ui_corvane.h"

#include "mainwidget.h"
#include "online/nuvohomeupdatedesc.h"
#include "shell/textfit.h"
#include "trayicon.h"
#include "utils.h"

#include "library/libraryglobals.h"
#include "library/projectionstore.h"
#include "online/cnuvohomedataproc.h"
#include "online/versioninfo.h"
#include "platform/programend.h"
#include "server/mediaroutes.h"
#include "server/playerroutes.h"
#include "server/webpage.h"
#include "server/serverport.h"
#include "server/tcpservermanage.h"
#include "settings/appsettings.h"
#include "settings/provision.h"
#include "settings/session.h"
#include "library/homepage.h"
#include "sidepanel/mainmenu.h"

#include <QCloseEvent>
#include <QDebug>
#include <QFile>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QShortcut>
#include <QSslSocket>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const int kIndicatorY = 81;
const int kIndicatorWidth = 140;
const int kIndicatorHeight = 2;

QString navStyle(const QString &name, bool selected)
{
    const QString image = QStringLiteral(":/Corvane/Skin/new/%1_%2_1.png");
    // The text keeps clear of the glyph drawn at the left of the button image.
    const QString font = QStringLiteral("font:14px \"Microsoft YaHei\";padding-left:38px;padding-right:4px;");
    if (selected) {
        return QStringLiteral("QToolButton{border-image:url(%1);color:#ffffff;%2}")
            .arg(image.arg(name, QStringLiteral("press")), font);
    }
    return QStringLiteral("QToolButton{border-image:url(%1);color:#6d6d6d;%4}"
                          "QToolButton:hover{border-image:url(%2);color:#959595;}"
                          "QToolButton:pressed{border-image:url(%3);color:#ffffff;}")
        .arg(image.arg(name, QStringLiteral("normal")), image.arg(name, QStringLiteral("hover")),
             image.arg(name, QStringLiteral("press")), font);
}

bool defaultTrayAvailability()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

std::function<bool()> &trayAvailability()
{
    static std::function<bool()> available = defaultTrayAvailability;
    return available;
}

} // namespace

Corvane::Corvane(QWidget *parent) : QMainWindow(parent), ui(new Ui::CorvaneClass)
{
    InitSettings();
    const QString language = AppSettings::instance()->language();
    Utils::installFontSubstitutes(language);
    Session::instance()->loadTranslator(language);
    ui->setupUi(this);
    startupUpdateCheck();
    CheckPort();
    server = new HttpServer::TcpServerManage(AppSettings::instance()->HandleMax());
    InitServer();
    InitUI();
    InitConnect();
    // Listening starts once the library is published, so a headset that
    // answers the first announcement at once gets the whole list.
    startListening();
    // An end outside the event loop (the update installer started) closes
    // the server and joins its threads first.
    ProgramEnd::setShutdownHook([this] { shutDownWork(); });
    showTrayIconWhenAvailable();
}

void Corvane::setTrayAvailability(std::function<bool()> available)
{
    trayAvailability() = available ? std::move(available) : defaultTrayAvailability;
}

void Corvane::showTrayIconWhenAvailable()
{
    if (trayAvailability()()) {
        createTrayIcon()->show();
        return;
    }
    qDebug() << "no system tray on this desktop yet: the icon appears when one does";
    trayPoll = new QTimer(this);
    trayPoll->setObjectName(QStringLiteral("trayPollTimer"));
    trayPoll->setInterval(kTrayPollMs);
    connect(trayPoll, &QTimer::timeout, this, [this] {
        if (!trayAvailability()())
            return;
        qDebug() << "a system tray appeared: showing the tray icon";
        trayPoll->stop();
        createTrayIcon()->show();
    });
    trayPoll->start();
}

TrayIcon *Corvane::createTrayIcon()
{
    if (tray)
        return tray;
    tray = new TrayIcon(this);
    connect(tray, &TrayIcon::sglShowWindow, this, &Corvane::slotBringBack);
    connect(tray, &TrayIcon::sglQuit, this, &Corvane::slotQuitFromTray);
    if (menu) {
        connect(menu, &mainMenu::sglAddressChanged, tray, &TrayIcon::slotSetAddress);
        connect(menu, &mainMenu::sglNotServing, tray, &TrayIcon::slotSetNotServing);
        const QString address = menu->pageAddress();
        if (!menu->isServing())
            tray->slotSetNotServing();
        else if (!address.isEmpty())
            tray->slotSetAddress(QUrl(address).host(), QUrl(address).port());
    }
    return tray;
}

Corvane::~Corvane()
{
    // A probe run still going reads the settings objects from its thread:
    // it ends first, then everything it could reach goes.
    ProgramEnd::setShutdownHook({});
    shutDownWork();
    // Destroyed here, not later: no event loop runs after this window goes.
    delete server;
    server = nullptr;
    routes = nullptr;
    AppSettings::deleteInstance();
    Session::deleteInstance();
    delete ui;
}

void Corvane::shutDownWork()
{
    if (auto *pages = findChild<MainWidget *>())
        pages->homePage()->stopProbeRuns();
    if (server && server->isRunning())
        server->close();
}

void Corvane::InitSettings()
{
    qDebug() << "support ssl? : " << QSslSocket::supportsSsl() << QSslSocket::sslLibraryBuildVersionString()
             << QSslSocket::sslLibraryVersionString();
    provisionSettings();
}

void Corvane::startupUpdateCheck()
{
    // Blocks up to outTime seconds when the web API does not answer; without
    // an answer or an offer the start goes on silently.
    CNuvoHomeDataProc *proc = Utils::instance().getNuvoHomeDataProc();
    const VersionInfo *record = proc ? proc->GetNuvoHomeVersionData() : nullptr;
    if (!record || !record->hasNewVersion)
        return;
    auto *dialog = new NuvoHomeUpdateDesc;
    const QString closeText = record->forced == 0 ? tr("cancel") : record->forced == 1 ? tr("quit") : QString();
    dialog->fillOffer(tr("Latest version: %1").arg(record->version), closeText, record->notes);
    dialog->move(Utils::instance().dialogPosition(dialog->size()));
    dialog->exec();
    delete dialog;
}

void Corvane::CheckPort()
{
    // Logs "Available Port" and writes serverPort; stops at 65535.
    port = ServerPort::choose(ServerPort::kFirstPort);
    if (port == 0)
        qWarning() << "Corvane::CheckPort: no free TCP port from" << ServerPort::kFirstPort << "up";
}

void Corvane::InitUI()
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setWindowIcon(QIcon(QStringLiteral(":/Corvane/Skin/ico/logo_64X64.png")));
    setMinimumHeight(768);
    setMinimumWidth(1024);
    resize(1024, 768);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_MouseTracking);
    ui->widget->setAttribute(Qt::WA_TranslucentBackground);

    ui->label_logo_text->setStyleSheet(QStringLiteral("QLabel{font:20px \"Microsoft YaHei\";color:#00ecf6;};"));
    QFont logoFont = ui->label_logo_text->font();
    logoFont.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    ui->label_logo_text->setFont(logoFont);
    ui->label_logo_text->hide();

    indicator = new QLabel(ui->midWidget);
    indicator->setObjectName(QStringLiteral("label_indicator"));
    indicator->setGeometry(200, kIndicatorY, kIndicatorWidth, kIndicatorHeight);
    indicator->setStyleSheet(QStringLiteral("QLabel{background-color:#00ecf6;};"));

    auto *split = new QHBoxLayout(ui->widget_2);
    split->setContentsMargins(0, 0, 0, 0);
    split->setSpacing(0);
    leftArea = new QWidget(ui->widget_2);
    leftArea->setObjectName(QStringLiteral("leftWidget"));
    leftArea->setFixedWidth(246);
    rightArea = new QWidget(ui->widget_2);
    rightArea->setObjectName(QStringLiteral("rightAreaWidget"));
    split->addWidget(leftArea);
    split->addWidget(rightArea);

    // The panel announces once the server listens (startListening).
    menu = new mainMenu(this, mainMenu::kPresenceIntervalMs, mainMenu::kNetStateIntervalMs, port, true);
    if (routes)
        menu->setClientRecord(routes->recentClients());
    auto *leftLayout = new QVBoxLayout(leftArea);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->setSpacing(0);
    leftLayout->addWidget(menu);

    auto *pages = new MainWidget(menu, this);
    auto *rightLayout = new QVBoxLayout(rightArea);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->setSpacing(0);
    rightLayout->addWidget(pages);

    connect(this, &Corvane::sglErrorcode, pages, &MainWidget::slotToErrorcode);
    connect(this, &Corvane::sglSelectHomePage, pages, &MainWidget::slotToHomePage);
    connect(this, &Corvane::selectAboutUs, pages, &MainWidget::slotToAboutUs);
    connect(this, &Corvane::selectUserGuide, pages, &MainWidget::slotToUserGuide);
    connect(pages, &MainWidget::sglRunBackground, this, &Corvane::slotRunBackground);
    connect(pages, &MainWidget::sglSendJson, this, &Corvane::slotSendJson);

    Session::instance()->loadStyleSheet(QStringLiteral("public.qss"));

    setNavigationNormal();
    ui->tB_home->setStyleSheet(navStyle(QStringLiteral("home"), true));
    TextFit::keep({ui->tB_home, ui->tB_guide, ui->tB_about});

    pages->homePage()->loadVideoList();
    pages->startWatchedFolders();
}

void Corvane::InitConnect()
{
    auto *pages = findChild<MainWidget *>();
    auto *minimise = new QShortcut(QKeySequence(QStringLiteral("A")), this);
    minimise->setContext(Qt::WindowShortcut);
    connect(minimise, &QShortcut::activated, ui->minbutton, &QToolButton::click);
    connect(ui->minbutton, &QToolButton::clicked, this, [this] {
        qDebug() << QStringLiteral("[%1][%2] clicked.").arg(ui->minbutton->objectName(), ui->minbutton->text());
        SlotShowSmall();
    });
    auto *exitKey = new QShortcut(QKeySequence(QStringLiteral("B")), this);
    exitKey->setContext(Qt::WindowShortcut);
    connect(exitKey, &QShortcut::activated, ui->closebutton, &QToolButton::click);
    if (pages)
        connect(ui->closebutton, &QToolButton::clicked, pages, &MainWidget::slotShowExitWindow);
    connect(ui->tB_home, &QToolButton::clicked, this, &Corvane::slotToHomePage);
    connect(ui->tB_guide, &QToolButton::clicked, this, &Corvane::slotToGuide);
    connect(ui->tB_about, &QToolButton::clicked, this, &Corvane::slotToAboutUs);
}

void Corvane::InitServer()
{
    routes = new MediaRoutes(server);
    PlayerRoutes::install(*routes);
    routes->setLibraryJson(libraryJson);
    routes->setErrorcodeReceiver(this, &Corvane::slotToErrorcode);
    server->setHttpAcceptedCallback(routes->handler());
    // Browsers on the LAN get the library page, in the program's language.
    routes->setWebPage(WebPage::render(AppSettings::instance()->language()));
    dlna = new MediaServer(this);
    dlna->setLibraryJson(libraryJson);
}

void Corvane::startListening()
{
    if (port == 0) {
        qDebug() << "listen:" << false;
        if (menu)
            menu->setServerPort(0);
        return;
    }
    // Moves on to the next free port (and rewrites serverPort) a bounded
    // number of times when the chosen one was taken meanwhile; the side
    // panel announces the port listened on, whatever the settings file says.
    const quint16 bound = ServerPort::listen(server, port, QHostAddress::Any);
    if (bound != 0)
        port = bound;
    if (menu)
        menu->setServerPort(bound);
    if (bound != 0 && dlna && AppSettings::instance()->dlnaEnabled()) {
        const bool dlnaStarted = dlna->start(bound);
        if (menu)
            menu->setDlnaServing(dlnaStarted);
    }
}

void Corvane::setNavigationNormal()
{
    ui->tB_home->setStyleSheet(navStyle(QStringLiteral("home"), false));
    ui->tB_guide->setStyleSheet(navStyle(QStringLiteral("guide"), false));
    ui->tB_about->setStyleSheet(navStyle(QStringLiteral("about"), false));
}

void Corvane::selectEntry(QWidget *container, QToolButton *button)
{
    indicator->setGeometry(container->x(), kIndicatorY, kIndicatorWidth, kIndicatorHeight);
    setNavigationNormal();
    const QString name = button->objectName().mid(3); // "tB_home" -> "home"
    button->setStyleSheet(navStyle(name, true));
}

void Corvane::SlotShowSmall()
{
    showMinimized();
}

void Corvane::slotRunBackground()
{
    showMinimized();
}

void Corvane::slotToHomePage()
{
    selectEntry(ui->widget_home, ui->tB_home);
    emit sglSelectHomePage();
}

void Corvane::slotToGuide()
{
    selectEntry(ui->widget_guide, ui->tB_guide);
    emit selectUserGuide();
}

void Corvane::slotToAboutUs()
{
    selectEntry(ui->widget_about, ui->tB_about);
    emit selectAboutUs();
}

void Corvane::slotSendJson(const QJsonObject o)
{
    libraryJson = o;
    // Projections of videos not seen before are read off the GUI thread.
    ProjectionStore::shared()->detectLibrary(o);
    // The handler threads read their own copy, replaced under a lock.
    if (routes)
        routes->setLibraryJson(o);
    if (dlna)
        dlna->setLibraryJson(o);
}

void Corvane::slotToErrorcode(qint64 code)
{
    Q_UNUSED(code)
    emit sglErrorcode(404);
}

void Corvane::sltProcApplicationPara(const QString &parameters)
{
    qDebug() << "Corvane::sltProcApplicationPara: showing the window again; parameters:" << parameters;
    slotBringBack();
}

void Corvane::slotQuitFromTray()
{
    if (isAddingFiles) {
        slotBringBack();
        if (auto *pages = findChild<MainWidget *>())
            pages->slotShowExitWindow();
        return;
    }
    qDebug() << "tray: quit chosen";
    QCoreApplication::quit();
}

void Corvane::slotBringBack()
{
    show();
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    raise();
    activateWindow();
}

void Corvane::mousePressEvent(QMouseEvent *event)
{
    pressPosition = event->globalPos();
    dragOffset = event->pos();
    // A double click reaches here through the default double-click handler;
    // only a real press of the left button starts a drag.
    if (event->button() == Qt::LeftButton && event->type() == QEvent::MouseButtonPress)
        dragging = true;
}

void Corvane::mouseMoveEvent(QMouseEvent *event)
{
    if (dragging)
        move(event->globalPos() - dragOffset);
}

void Corvane::mouseReleaseEvent(QMouseEvent *)
{
    dragging = false;
}

void Corvane::closeEvent(QCloseEvent *event)
{
    // Closing only hides: the server keeps serving; the exit dialog ends the program.
    event->ignore();
    hide();
}
