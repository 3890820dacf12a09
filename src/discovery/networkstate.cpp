#include "networkstate.h"

#include "platform/platform.h"

bool NetworkState::isNetworkAlive() { return Platform::isNetworkAlive(); }

QString NetworkState::localIp()
{
    return QString(); // filled in by the discovery work
}
