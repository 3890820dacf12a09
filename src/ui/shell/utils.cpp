#include "utils.h"

Utils &Utils::instance()
{
    static Utils utils;
    return utils;
}

void Utils::InitTavrel()
{
    // filled in by the telemetry work
}
