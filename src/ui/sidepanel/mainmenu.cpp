#include "mainmenu.h"
#include "ui_mainmenu.h"

#include "headsetsview.h"
#include "playeraddresses.h"

#include "discovery/networkstate.h"
#include "discovery/qrcodeimage.h"
#include "discovery/udpannouncer.h"
#include "server/recentclients.h"
#include "settings/appsettings.h"
#include "shell/utils.h"

#include <QCoreApplication>
#include <QDebug>
#include <QHostAddress>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const char kConnectedStyle[] = "QLabel{background-image: url(:/Corvane/Skin/new/wifi.png);}";
const char kDisconnectedStyle[] = "QLabel{background-image: url(:/Corvane/Skin/new/wifi_not-connected.png);}";
const char kWifiImage[] = ":/Corvane/Skin/new/wifi.png";
const char kQRCodeImage[] = ":/Corvane/Skin/new/QR-Code-background.png";
const int kHeadsetsIntervalMs = 1000;
const int kHeadsetsGap = 24;
}

mainMenu::mainMenu(QWidget *parent, int presenceIntervalMs, int netStateIntervalMs, quint16 serverPort,
                   bool waitForServer)
    : QFrame(parent), ui(new Ui::mainMenu), listeningPort(serverPort), waitingForServer(waitForServer)
{
    ui->setupUi(this);
    // Background images do not scale: give their widgets the images' size.
    fitToImage(ui->label_netP, QLatin1String(kWifiImage));
    fitToImage(ui->widget_2, QLatin1String(kQRCodeImage));

    // The headsets area sits under the QR card, above the bottom spacer.
    headsets = new HeadsetsView(this);
    const int bottom = ui->verticalLayout->count() - 1;
    ui->verticalLayout->insertSpacing(bottom, kHeadsetsGap);
    ui->verticalLayout->insertWidget(bottom + 1, headsets);

    // Shown in place of the address when the server could not listen.
    notServingLabel = new QLabel(this);
    notServingLabel->setObjectName(QStringLiteral("label_notServing"));
    notServingLabel->setWordWrap(true);
    notServingLabel->setContentsMargins(16, 0, 16, 0);
    notServingLabel->setAlignment(Qt::AlignCenter);
    notServingLabel->setStyleSheet(QStringLiteral("QLabel{font:14px \"Microsoft YaHei\";color:#e0605e;}"));
    notServingLabel->setText(tr("The video server could not start, so the headset cannot reach this PC. "
                                "Please restart Corvane."));
    notServingLabel->hide();
    ui->verticalLayout->insertWidget(ui->verticalLayout->indexOf(ui->widget_2), notServingLabel);

    // Under the QR card, shown and hidden with the address.
    players = new PlayerAddressesView(this);
    ui->verticalLayout->insertWidget(ui->verticalLayout->indexOf(ui->widget_2) + 1, players);

    udpPort = AppSettings::instance()->announcePort();

    initUDP();
    slotUpdateNetState();
    if (!waitingForServer)
        sendMessage(presenceText());

    netStateTimer = new QTimer(this);
    netStateTimer->setObjectName(QStringLiteral("netStateTimer"));
    netStateTimer->setInterval(netStateIntervalMs);
    connect(netStateTimer, &QTimer::timeout, this, &mainMenu::slotUpdateNetState);
    netStateTimer->start();

    presenceTimer = new QTimer(this);
    presenceTimer->setObjectName(QStringLiteral("presenceTimer"));
    presenceTimer->setInterval(presenceIntervalMs);
    connect(presenceTimer, &QTimer::timeout, this, &mainMenu::slotSendMessage);
    presenceTimer->start();

    // The server's record is read once a second at most: a copy of a small
    // table, so the panel never waits on requests being served.
    headsetsTimer = new QTimer(this);
    headsetsTimer->setObjectName(QStringLiteral("headsetsTimer"));
    headsetsTimer->setInterval(kHeadsetsIntervalMs);
    connect(headsetsTimer, &QTimer::timeout, this, &mainMenu::slotUpdateHeadsets);
    headsetsTimer->start();
    slotUpdateHeadsets();
}

mainMenu::~mainMenu()
{
    delete ui;
}

void mainMenu::setClientRecord(const QSharedPointer<RecentClients> &record)
{
    clientRecord = record;
    slotUpdateHeadsets();
}

void mainMenu::slotUpdateHeadsets()
{
    const QVector<RecentClients::Client> clients = clientRecord ? clientRecord->clients() : QVector<RecentClients::Client>();
    headsets->showState(clients, announcer->lastTargets(), currentServerPort(), udpPort);
}

QString mainMenu::pageAddress() const
{
    if (shownIp.isEmpty())
        return QString();
    return QStringLiteral("http://%1:%2/").arg(shownIp).arg(shownPort);
}

void mainMenu::setDlnaServing(bool serving)
{
    dlnaServing = serving;
    players->showFor(pageAddress(), dlnaServing);
}

void mainMenu::drawQRCode()
{
    const QString address = pageAddress();
    players->showFor(address, dlnaServing);
    const QImage code = address.isEmpty() ? QImage() : QrCodeImage::render(address, ui->label_QRCode->maximumWidth());
    if (code.isNull())
        ui->label_QRCode->clear();
    else
        ui->label_QRCode->setPixmap(QPixmap::fromImage(code));
}

void mainMenu::initUDP()
{
    announcer = new UdpAnnouncer(udpPort, this);
    if (!announcer->open())
        qWarning() << "Can't initiates windows socket!Program stop.";
}

int mainMenu::sendMessage(const QString &text)
{
    return announcer->sendMessage(text);
}

QString mainMenu::presenceText() const
{
    // The payload the headset parses: byte-exact, so never looked up in a catalogue.
    const int port = currentServerPort();
    return QStringLiteral("%1%2").arg(UdpAnnouncer::presencePrefix(), QString::number(port));
}

void mainMenu::setServerPort(quint16 port)
{
    listeningPort = port;
    if (waitingForServer && port == 0) {
        qWarning() << "side panel: the server listens on no port; no address shown, nothing announced";
        serverFailed = true;
        showNotServing();
        emit sglNotServing();
        return;
    }
    if (waitingForServer && port != 0) {
        waitingForServer = false;
        sendMessage(presenceText());
    }
}

int mainMenu::currentServerPort() const
{
    return listeningPort != 0 ? listeningPort : AppSettings::instance()->serverPort();
}

void mainMenu::fitToImage(QWidget *widget, const QString &resource)
{
    const QSize size = QImageReader(resource).size();
    if (size.isValid())
        widget->setFixedSize(size);
    else
        qDebug() << "side panel: image" << resource << "is missing; keeping the form's size";
}

void mainMenu::showNotServing()
{
    shownIp.clear();
    shownPort = 0;
    ui->label_IP->clear();
    drawQRCode();
    ui->widget_IP->hide();
    ui->widget_2->hide();
    headsets->hide(); // its hints name ports nothing listens on
    notServingLabel->show();
}

void mainMenu::slotUpdateNetState()
{
    if (serverFailed) {
        // The network look stays current; no address: nothing listens there.
        const bool alive = NetworkState::isNetworkAlive();
        ui->label_netP->setStyleSheet(QLatin1String(alive ? kConnectedStyle : kDisconnectedStyle));
        showNotServing();
        return;
    }
    const QString ip = Utils::getLocalIp();
    if (!NetworkState::isNetworkAlive() || (!ip.isEmpty() && NetworkState::isLoopbackAddress(QHostAddress(ip)))) {
        // The label is cleared with shownIp, so a later connected look without
        // an address never shows a stale one.
        const bool wasShown = !shownIp.isEmpty();
        shownIp.clear();
        ui->label_IP->clear();
        drawQRCode();
        if (wasShown)
            emit sglAddressChanged(QString(), 0);
        ui->label_netP->setStyleSheet(QLatin1String(kDisconnectedStyle));
        ui->widget_IP->hide();
        ui->widget_2->hide();
        return;
    }
    ui->label_netP->setStyleSheet(QLatin1String(kConnectedStyle));
    const int port = currentServerPort();
    if (ip != shownIp || port != shownPort) {
        shownIp = ip;
        shownPort = port;
        ui->label_IP->setText(ip);
        drawQRCode();
        emit sglAddressChanged(ip, port);
    }
    ui->widget_IP->show();
    ui->widget_2->show();
}

void mainMenu::slotSendMessage()
{
    if (waitingForServer)
        return;
    sendMessage(presenceText());
}

void mainMenu::slotSendUpdateUDP()
{
    sendMessage(UdpAnnouncer::updateText());
}

void mainMenu::slotSendRefreshUDP()
{
    sendMessage(UdpAnnouncer::refreshText(UdpAnnouncer::takeRefreshNumber()));
}
