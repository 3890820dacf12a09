#include "shell/corvane.h"
#include "shell/singleapplication.h"
#include "shell/utils.h"
#include "settings/servinglock.h"
#include "platform/platform.h"
#include "platform/quitsignals.h"
#include "telemetry/alogmessagehandler.h"

#include <QCoreApplication>
#include <QDebug>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    Platform::preferQtEventDispatcherOnThreads();
    // Without a display the program still serves the headset: it runs on the
    // offscreen platform instead of aborting.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fputs(QCoreApplication::translate("main", "No display found: running without a visible window.\n")
                       .toLocal8Bit()
                       .constData(),
                   stderr);
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    qputenv("QT_ENABLE_HIGHDPI_SCALING", "1");
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);

    SingleApplication app(argc, argv);
    qInstallMessageHandler(alogMessageHandler);
    Utils::InitTavrel();
    if (app.isRunning())
        return 0;
    // The headless server may be serving the same data folder.
    ServingLock servingLock;
    if (!servingLock.acquire()) {
        std::fprintf(stderr, "%s\n", servingLock.refusalText().toLocal8Bit().constData());
        return 1;
    }
    // SIGTERM and SIGINT leave through the loop, so the window is torn down.
    QuitSignals::install(&app);

    int exitCode = 0;
    {
        Corvane window;
        QObject::connect(&app, &SingleApplication::sglProcApplicationPara, &window,
                         [](const QString &parameters) {
                             qDebug().noquote() << QStringLiteral("sglProcApplicationPara: \"%1\"").arg(parameters);
                         });
        QObject::connect(&app, &SingleApplication::sglProcApplicationPara, &window,
                         &Corvane::sltProcApplicationPara);
        window.show();
        qDebug() << "main window shown";
        exitCode = app.exec();
    }
    return exitCode;
}
