#pragma once

#include <QFrame>
#include <QSharedPointer>
#include <QString>

class HeadsetsView;
class PlayerAddressesView;
class QLabel;
class QTimer;
class RecentClients;
class UdpAnnouncer;

namespace Ui {
class mainMenu;
}

// The side panel: shows the network state and the PC's address, and
// announces the PC to the headset by UDP broadcast, whatever that state.
class mainMenu : public QFrame
{
    Q_OBJECT
public:
    static constexpr int kPresenceIntervalMs = 1000;
    static constexpr int kNetStateIntervalMs = 3000;
    // The intervals are the presence announcement's and the network-state
    // poll's; only tests pass other values than the defaults. serverPort:
    // see setServerPort. waitForServer: announce nothing until setServerPort
    // names a port listened on, so a headset that answers the first datagram
    // at once never finds the port closed.
    explicit mainMenu(QWidget *parent = nullptr, int presenceIntervalMs = kPresenceIntervalMs,
                      int netStateIntervalMs = kNetStateIntervalMs, quint16 serverPort = 0,
                      bool waitForServer = false);
    ~mainMenu() override;

    // Broadcasts one text; returns the number of datagrams sent.
    int sendMessage(const QString &text);
    // The presence announcement: prefix and the server's port.
    QString presenceText() const;
    // The port the server listens on, announced from now on (at once, when
    // the panel was waiting for it); 0 (a panel without a server of its own)
    // announces the settings' serverPort. 0 on a panel waiting for its
    // server means the server could not listen: the panel says so, shows
    // no address and announces nothing.
    void setServerPort(quint16 port);
    // Whether the DLNA media server runs: while it does, the panel tells
    // that DLNA players list this PC by themselves.
    void setDlnaServing(bool serving);
    // False once the server was reported as not listening.
    bool isServing() const { return !serverFailed; }

    // The record of the clients the server heard, shown in the headsets
    // area (read at most once a second).
    void setClientRecord(const QSharedPointer<RecentClients> &record);

    // The address of the web page as shown (http://<address>:<port>/);
    // empty while no address is shown.
    QString pageAddress() const;

signals:
    // The address or port shown to the user changed (address empty: none).
    void sglAddressChanged(const QString &address, int port);
    // The server could not listen: nothing can be reached on this PC.
    void sglNotServing();
    // The user asked for the list of watched folders.

public slots:
    void slotUpdateNetState();
    void slotSendMessage();
    void slotSendUpdateUDP();
    void slotSendRefreshUDP();
    void slotUpdateHeadsets();

private:
    void initUDP();
    int currentServerPort() const;
    void fitToImage(QWidget *widget, const QString &resource);
    void drawQRCode();
    void showNotServing();

    Ui::mainMenu *ui;
    quint16 udpPort = 9090;
    UdpAnnouncer *announcer = nullptr;
    QTimer *presenceTimer = nullptr;
    QTimer *netStateTimer = nullptr;
    QTimer *headsetsTimer = nullptr;
    HeadsetsView *headsets = nullptr;
    QSharedPointer<RecentClients> clientRecord;
    QString shownIp;
    int shownPort = 0;
    quint16 listeningPort = 0;
    bool waitingForServer = false;
    bool serverFailed = false;
    bool dlnaServing = false;
    QLabel *notServingLabel = nullptr;
    PlayerAddressesView *players = nullptr;
};
