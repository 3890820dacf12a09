#pragma once

#include <QString>

// What the side panel shows: whether the PC is on a network, and its address.
class NetworkState
{
public:
    // True when some interface is up, running, not loopback, with an address.
    static bool isNetworkAlive();
    // The IPv4 address of the interface that carries the default route,
    // never a 127.x address; empty when there is none.
    static QString localIp();
};
