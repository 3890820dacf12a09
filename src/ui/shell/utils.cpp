#include "utils.h"

#include "discovery/networkstate.h"
#include "telemetry/telemetryinit.h"

Utils &Utils::instance()
{
    static Utils utils;
    return utils;
}

void Utils::InitTavrel()
{
    initTavrelFromSettings();
}

QString Utils::getLocalIp()
{
    return NetworkState::localIp();
}
