#pragma once

// Gathers this installation's identity (data folder, version, machine and
// process ids) and initialises the telemetry library through TavrelWrapper.
void initTavrelFromSettings();
