#include "mainmenu.h"
#include "ui_mainmenu.h"

#include "discovery/networkstate.h"
#include "discovery/udpannouncer.h"
#include "settings/appsettings.h"
#include "shell/utils.h"

#include <QDebug>
#include <QHostAddress>
#include <QImageReader>
#include <QTimer>

namespace {
const char kConnectedStyle[] = "QLabel{background-image: url(:/Corvane/Skin/new/wifi.png);}";
const char kDisconnectedStyle[] = "QLabel{background-image: url(:/Corvane/Skin/new/wifi_not-connected.png);}";
const char kWifiImage[] = ":/Corvane/Skin/new/wifi.png";
const char kQRCodeImage[] = ":/Corvane/Skin/new/QR-Code-background.png";
const quint16 kDefaultUdpPort = 9090;
}

mainMenu::mainMenu(QWidget *parent, int presenceIntervalMs, int netStateIntervalMs, quint16 serverPort)
    : QFrame(parent), ui(new Ui::mainMenu), listeningPort(serverPort)
{
    ui->setupUi(this);
    // Background images do not scale: give their widgets the images' size.
    fitToImage(ui->label_netP, QLatin1String(kWifiImage));
    fitToImage(ui->widget_2, QLatin1String(kQRCodeImage));

    const int configuredPort = AppSettings::instance()->UDPPort();
    if (configuredPort > 0 && configuredPort <= 65535) {
        udpPort = quint16(configuredPort);
    } else {
        qWarning() << "UDPPort" << configuredPort << "is not a port; announcing on" << kDefaultUdpPort;
        udpPort = kDefaultUdpPort;
    }

    initUDP();
    slotUpdateNetState();
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
}

mainMenu::~mainMenu()
{
    delete ui;
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
    const int port = listeningPort != 0 ? listeningPort : AppSettings::instance()->serverPort();
    return QStringLiteral("%1%2").arg(UdpAnnouncer::presencePrefix(), QString::number(port));
}

void mainMenu::setServerPort(quint16 port)
{
    listeningPort = port;
}

void mainMenu::fitToImage(QWidget *widget, const QString &resource)
{
    const QSize size = QImageReader(resource).size();
    if (size.isValid())
        widget->setFixedSize(size);
    else
        qDebug() << "side panel: image" << resource << "is missing; keeping the form's size";
}

void mainMenu::slotUpdateNetState()
{
    const QString ip = Utils::getLocalIp();
    if (!NetworkState::isNetworkAlive() || (!ip.isEmpty() && NetworkState::isLoopbackAddress(QHostAddress(ip)))) {
        // The label is cleared with shownIp, so a later connected look without
        // an address never shows a stale one.
        shownIp.clear();
        ui->label_IP->clear();
        ui->label_netP->setStyleSheet(QLatin1String(kDisconnectedStyle));
        ui->widget_IP->hide();
        ui->widget_2->hide();
        return;
    }
    ui->label_netP->setStyleSheet(QLatin1String(kConnectedStyle));
    const int port = listeningPort != 0 ? listeningPort : AppSettings::instance()->serverPort();
    if (ip != shownIp || port != shownPort) {
        shownIp = ip;
        shownPort = port;
        ui->label_IP->setText(ip);
    }
    ui->widget_IP->show();
    ui->widget_2->show();
}

void mainMenu::slotSendMessage()
{
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
