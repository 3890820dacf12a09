#include "networkstate.h"

#include "platform/platform.h"

#include <QDebug>
#include <QFile>
#include <QHostAddress>
#include <QList>
#include <QNetworkInterface>

#include <limits>

namespace {
// Route flag of /proc/net/route: the route is in use.
constexpr uint kRouteUp = 0x0001;
}

bool NetworkState::isNetworkAlive() { return Platform::isNetworkAlive(); }

bool NetworkState::isLoopbackAddress(const QHostAddress &address)
{
    bool isV4 = false;
    const quint32 v4 = address.toIPv4Address(&isV4);
    if (isV4)
        return (v4 >> 24) == 127;
    return address == QHostAddress(QHostAddress::LocalHostIPv6);
}

QString NetworkState::defaultRouteInterface(const QByteArray &routeTable)
{
    // Columns: Iface Destination Gateway Flags RefCnt Use Metric Mask ...
    // with Destination, Flags and Mask in hexadecimal, Metric in decimal.
    QString best;
    uint bestMetric = std::numeric_limits<uint>::max();
    const QList<QByteArray> lines = routeTable.split('\n');
    for (int i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> fields = lines.at(i).simplified().split(' ');
        if (fields.size() < 8)
            continue;
        bool okDest = false, okFlags = false, okMetric = false, okMask = false;
        const uint destination = fields.at(1).toUInt(&okDest, 16);
        const uint flags = fields.at(3).toUInt(&okFlags, 16);
        const uint metric = fields.at(6).toUInt(&okMetric, 10);
        const uint mask = fields.at(7).toUInt(&okMask, 16);
        if (!okDest || !okFlags || !okMetric || !okMask)
            continue;
        if (destination != 0 || mask != 0 || !(flags & kRouteUp))
            continue;
        if (best.isEmpty() || metric < bestMetric) {
            best = QString::fromLocal8Bit(fields.at(0));
            bestMetric = metric;
        }
    }
    return best;
}

QString NetworkState::firstLanAddress(const QNetworkInterface &iface)
{
    const QList<QNetworkAddressEntry> entries = iface.addressEntries();
    for (const QNetworkAddressEntry &entry : entries) {
        const QHostAddress ip = entry.ip();
        if (ip.protocol() == QAbstractSocket::IPv4Protocol && !isLoopbackAddress(ip))
            return ip.toString();
    }
    return QString();
}

QString NetworkState::localIp()
{
    // The host name is no guide: Debian maps it to 127.0.1.1. The interface
    // that carries the default route is the one the LAN reaches us on.
    QFile routes(QStringLiteral("/proc/net/route"));
    QString routeIface;
    if (routes.open(QIODevice::ReadOnly))
        routeIface = defaultRouteInterface(routes.readAll());
    else
        qDebug() << "local address: cannot read" << routes.fileName() << routes.errorString();

    if (!routeIface.isEmpty()) {
        const QString ip = firstLanAddress(QNetworkInterface::interfaceFromName(routeIface));
        if (!ip.isEmpty())
            return ip;
        qDebug() << "local address: the default route's interface" << routeIface << "has no IPv4 address";
    }

    // A LAN without a gateway (a headset on the PC's own network) has no
    // default route: take the first running interface with an IPv4 address.
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &iface : interfaces) {
        const auto flags = iface.flags();
        if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning)
            || (flags & QNetworkInterface::IsLoopBack))
            continue;
        const QString ip = firstLanAddress(iface);
        if (!ip.isEmpty())
            return ip;
    }
    return QString();
}
