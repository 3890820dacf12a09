#include "udpannouncer.h"

#include "library/libraryglobals.h"
#include "networkstate.h"

#include <QDebug>
#include <QNetworkDatagram>
#include <QNetworkAddressEntry>
#include <QNetworkInterface>
#include <QUdpSocket>

UdpAnnouncer::UdpAnnouncer(quint16 port, QObject *parent)
    : QObject(parent), m_port(port), m_socket(new QUdpSocket(this))
{
    // Nothing is expected back on the sending socket; whatever arrives is
    // drained so it never piles up in the socket's queue.
    connect(m_socket, &QUdpSocket::readyRead, this, &UdpAnnouncer::discardIncoming);
}

UdpAnnouncer::~UdpAnnouncer() = default;

bool UdpAnnouncer::open()
{
    // Qt enables SO_BROADCAST on every UDP socket it creates, so binding an
    // IPv4 socket is all the set-up broadcasting needs.
    if (m_socket->state() == QAbstractSocket::BoundState)
        return true;
    if (!m_socket->bind(QHostAddress(QHostAddress::AnyIPv4), 0)) {
        qWarning() << "UDP announcer: cannot bind an IPv4 datagram socket:" << m_socket->errorString();
        return false;
    }
    return true;
}

int UdpAnnouncer::sendMessage(const QString &text)
{
    const QByteArray payload = text.toUtf8();
    int sent = 0;
    m_lastTargets = targets();
    for (const Target &target : qAsConst(m_lastTargets)) {
        const QHostAddress &broadcast = target.broadcast;
        const qint64 result = m_socket->writeDatagram(payload, broadcast, m_port);
        if (result < 0) {
            qWarning().noquote() << "broadcastAddress" << broadcast.toString() << "   writeDatagram" << result;
            qDebug() << "UDP announcer: send failed:" << m_socket->errorString();
            continue;
        }
        ++sent;
    }
    return sent;
}

QString UdpAnnouncer::presencePrefix()
{
    return QStringLiteral("1$corvane$");
}

QString UdpAnnouncer::presenceText(int httpPort)
{
    return presencePrefix() + QString::number(httpPort);
}

QString UdpAnnouncer::updateText()
{
    return QStringLiteral("1$corvane$update");
}

QString UdpAnnouncer::refreshText(int counter)
{
    return QStringLiteral("1$corvane$refresh$%1").arg(counter);
}

int UdpAnnouncer::takeRefreshNumber()
{
    int value = udpRefreshCounter.load();
    if (value > 65535) {
        value = 0;
        udpRefreshCounter.store(0);
    }
    return value;
}

bool UdpAnnouncer::qualifies(const QNetworkAddressEntry &entry)
{
    const QHostAddress ip = entry.ip();
    return !entry.broadcast().isNull() && ip.protocol() == QAbstractSocket::IPv4Protocol
        && !NetworkState::isLoopbackAddress(ip);
}

QList<QHostAddress> UdpAnnouncer::broadcastTargets()
{
    QList<QHostAddress> addresses;
    const QList<Target> all = targets();
    for (const Target &target : all)
        addresses.append(target.broadcast);
    return addresses;
}

QList<UdpAnnouncer::Target> UdpAnnouncer::targets()
{
    // No filter on the interface flags: an interface that is down still
    // lists its address, and its send fails and is logged like any other.
    QList<Target> found;
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &iface : interfaces) {
        const QList<QNetworkAddressEntry> entries = iface.addressEntries();
        for (const QNetworkAddressEntry &entry : entries) {
            if (qualifies(entry))
                found.append({iface.humanReadableName(), entry.broadcast()});
        }
    }
    return found;
}

void UdpAnnouncer::discardIncoming()
{
    while (m_socket->hasPendingDatagrams()) {
        if (!m_socket->receiveDatagram().isValid())
            break;
    }
}
