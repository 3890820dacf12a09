#pragma once

#include <QObject>

// Process-wide helper: owns the shared dialogs and the online-data facade,
// and carries the start-up routines of telemetry and the local address.
class Utils : public QObject
{
    Q_OBJECT
public:
    static Utils &instance();

    // Gathers this installation's identity and initialises telemetry.
    static void InitTavrel();
    // The PC's LAN IPv4 address as shown to the user.
    static QString getLocalIp();

private:
    Utils() = default;
};
