#pragma once

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>

class QNetworkAddressEntry;
class QUdpSocket;

// Sends the headset's discovery datagrams: one UTF-8 text per datagram, to the
// broadcast address of every IPv4 network the PC is on, at a fixed UDP port.
class UdpAnnouncer : public QObject
{
    Q_OBJECT
public:
    explicit UdpAnnouncer(quint16 port, QObject *parent = nullptr);
    ~UdpAnnouncer() override;

    quint16 port() const { return m_port; }

    // Creates and binds the IPv4 datagram socket. False (and nothing bound)
    // when the system refuses; later sends then try to bind on their own.
    bool open();

    // Broadcasts text once to each current target. Returns the number of
    // datagrams the system accepted; a failed send is logged and the
    // remaining targets are still tried.
    int sendMessage(const QString &text);

    // The three payloads the headset understands.
    static QString presencePrefix();
    static QString presenceText(int httpPort);
    static QString updateText();
    static QString refreshText(int counter);

    // The refresh number to announce now: udpRefreshCounter, first set back
    // to 0 when it has passed 65535.
    static int takeRefreshNumber();

    // An address entry is a target when it is IPv4, outside 127.0.0.0/8, and
    // has a broadcast address.
    static bool qualifies(const QNetworkAddressEntry &entry);
    // The broadcast address of every qualifying entry of every interface, in
    // the order the system lists them, queried afresh on each call.
    static QList<QHostAddress> broadcastTargets();

    // The same targets with the interface each belongs to.
    struct Target
    {
        QString interfaceName;
        QHostAddress broadcast;
    };
    static QList<Target> targets();
    // The targets the last sendMessage went out to (whether or not every
    // send succeeded), for the user to check against the headset's network.
    QList<Target> lastTargets() const { return m_lastTargets; }

private slots:
    void discardIncoming();

private:
    quint16 m_port;
    QUdpSocket *m_socket;
    QList<Target> m_lastTargets;
};
