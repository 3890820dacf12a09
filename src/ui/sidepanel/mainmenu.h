#pragma once

#include <QFrame>
#include <QString>

class QTimer;
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
    // The intervals are the presence announcement's and the network-state
    // poll's; only tests pass other values than the defaults.
    explicit mainMenu(QWidget *parent = nullptr, int presenceIntervalMs = 1000,
                      int netStateIntervalMs = 3000);
    ~mainMenu() override;

    // Broadcasts one text; returns the number of datagrams sent.
    int sendMessage(const QString &text);
    // The presence announcement: prefix and the server's port.
    QString presenceText() const;

public slots:
    void slotUpdateNetState();
    void slotSendMessage();
    void slotSendUpdateUDP();
    void slotSendRefreshUDP();

private:
    void initUDP();
    void fitToImage(QWidget *widget, const QString &resource);

    Ui::mainMenu *ui;
    quint16 udpPort = 9090;
    UdpAnnouncer *announcer = nullptr;
    QTimer *presenceTimer = nullptr;
    QTimer *netStateTimer = nullptr;
    QString shownIp;
    int shownPort = 0;
};
