#pragma once

#include <QByteArray>
#include <QString>

class QHostAddress;
class QNetworkInterface;

// What the side panel shows: whether the PC is on a network, and its address.
class NetworkState
{
public:
    // True when some interface is up, running, not loopback, with an address.
    static bool isNetworkAlive();
    // The IPv4 address of the interface that carries the default route,
    // never a 127.x address; empty when there is none.
    static QString localIp();

    // Any address of 127.0.0.0/8 (and ::1): never reachable from the headset.
    static bool isLoopbackAddress(const QHostAddress &address);

    // The interface of the active IPv4 default route with the lowest metric,
    // read from a table in the format of /proc/net/route; empty when the
    // table has no such route or cannot be read.
    static QString defaultRouteInterface(const QByteArray &routeTable);

    // The first IPv4 address of the interface outside 127.0.0.0/8, or empty.
    static QString firstLanAddress(const QNetworkInterface &iface);
};
