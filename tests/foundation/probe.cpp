// Test helper over the core: reports what the OS layer sees from inside a
// process of its own (its name, the network of its namespace), or logs a
// fatal message through the program's handler.
//
//   foundation_probe name        -> executable name, then the count of processes with it
//   foundation_probe alive       -> 1 or 0
//   foundation_probe fatal TEXT  -> initialises telemetry, then qFatal(TEXT)

#include "platform/platform.h"
#include "telemetry/alogmessagehandler.h"
#include "telemetry/telemetryinit.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream out(stdout);
    const QString mode = args.value(1);
    if (mode == QLatin1String("name")) {
        const QString name = Platform::executableName();
        out << name << '\n' << Platform::countProcessesNamed(name) << '\n';
        return 0;
    }
    if (mode == QLatin1String("alive")) {
        out << (Platform::isNetworkAlive() ? 1 : 0) << '\n';
        return 0;
    }
    if (mode == QLatin1String("fatal") && args.size() > 2) {
        qInstallMessageHandler(alogMessageHandler);
        initTavrelFromSettings();
        const QByteArray text = args.at(2).toUtf8();
        qFatal("%s", text.constData());
    }
    QTextStream(stderr) << "usage: foundation_probe name|alive|fatal TEXT\n";
    return 2;
}
