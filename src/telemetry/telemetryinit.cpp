#include "telemetryinit.h"

void initTavrelFromSettings()
{
    // filled in by the telemetry work
}
