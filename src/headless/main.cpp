// corvane-server: the library served to the headsets without a window, for
// a home server or a PC without a desktop session. Built from the core only.

#include "library/libraryservice.h"
#include "library/watchedfolders.h"
#include "platform/platform.h"
#include "platform/quitsignals.h"
#include "server/serverhost.h"
#include "server/serverport.h"
#include "settings/appsettings.h"
#include "settings/provision.h"
#include "settings/servinglock.h"
#include "settings/session.h"
#include "telemetry/alogmessagehandler.h"
#include "telemetry/telemetryinit.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>

namespace {

struct HeadlessServer
{
    Q_DECLARE_TR_FUNCTIONS(HeadlessServer)
};

void say(FILE *stream, const QString &text)
{
    std::fprintf(stream, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stream);
}

QString refusal(LibraryService::Outcome outcome)
{
    switch (outcome) {
    case LibraryService::Outcome::NotVideo:
        return QCoreApplication::translate("Runner", "not video file");
    case LibraryService::Outcome::Duplicate:
        return QCoreApplication::translate("Runner", "already add the video");
    case LibraryService::Outcome::Unreadable:
        return HeadlessServer::tr("cannot read the file");
    case LibraryService::Outcome::NotStored:
        return HeadlessServer::tr("the library file cannot be written");
    case LibraryService::Outcome::Added:
        break;
    }
    return QString();
}

// Every file probed and stored as the window adds it, a folder with every
// video under it; 1 when a file is refused or a folder's video not stored.
int addFiles(const QStringList &files)
{
    LibraryService library;
    library.load();
    int code = 0;
    for (const QString &file : files) {
        if (QFileInfo(file).isDir()) {
            const AddSummary summary = library.addFolder(file);
            say(stdout, QStringLiteral("%1: %2").arg(file, summary.text()));
            // Other files beside the videos are normal in a folder; a video
            // that could not be taken in, or an unreadable folder, is not.
            if (summary.unreadable > 0 || summary.notStored > 0 || !QFileInfo(file).isReadable())
                code = 1;
            continue;
        }
        const LibraryService::Outcome outcome = library.add(file);
        if (outcome == LibraryService::Outcome::Added) {
            say(stdout, HeadlessServer::tr("Added: %1").arg(file));
            continue;
        }
        qWarning() << "corvane-server --add: refused" << file << refusal(outcome);
        say(stderr, QStringLiteral("%1: %2").arg(file, refusal(outcome)));
        code = 1;
    }
    return code;
}

// Each folder kept watched, in the list the window keeps; 1 when one is
// refused. Its videos are added when the server next serves.
int watchFolders(const QStringList &folders)
{
    WatchedFolders watched(Session::instance()->getDataPath());
    int code = 0;
    for (const QString &folder : folders) {
        const QString path = QFileInfo(folder).absoluteFilePath();
        if (!QFileInfo(path).isDir()) {
            say(stderr, HeadlessServer::tr("%1 is not a folder.").arg(path));
            code = 1;
        } else if (watched.add(path)) {
            say(stdout, HeadlessServer::tr("Watching %1.").arg(path));
        } else if (watched.folders().contains(QDir::cleanPath(path))) {
            say(stdout, HeadlessServer::tr("%1 is watched already.").arg(path));
        } else {
            say(stderr, HeadlessServer::tr("The list of watched folders cannot be written."));
            code = 1;
        }
    }
    return code;
}

int serve(QCoreApplication &app, quint16 preferredPort)
{
    LibraryService library;
    library.load();
    QuitSignals::install(&app);
    ServerHost host;
    host.publish(library.libraryJson());
    const quint16 port = host.start(preferredPort);
    if (port == 0) {
        say(stderr, HeadlessServer::tr("No free TCP port from %1 up: nothing is served.").arg(preferredPort));
        return 1;
    }
    say(stdout, HeadlessServer::tr("Serving the library on port %1.").arg(port));

    // The window's watched folders: what appears there joins the library.
    // One file per turn of the event loop, so presence and DLNA go on
    // between probes; one republication and announcement per batch.
    WatchedFolders watched(Session::instance()->getDataPath());
    watched.setKnownPaths([&library](const QString &path) { return library.contains(path); });
    QStringList queue;
    int added = 0;
    QTimer feed;
    QObject::connect(&watched, &WatchedFolders::filesReady, &feed, [&queue, &feed](const QStringList &files) {
        queue += files;
        feed.start(0);
    });
    QObject::connect(&feed, &QTimer::timeout, &host, [&] {
        if (!queue.isEmpty()) {
            const QString file = queue.takeFirst();
            const LibraryService::Outcome outcome = library.add(file);
            if (outcome == LibraryService::Outcome::Added)
                ++added;
            else
                qWarning() << "corvane-server: a watched file was not added:" << file << refusal(outcome);
            return;
        }
        feed.stop();
        qInfo() << "corvane-server: added" << added << "files from watched folders";
        if (added > 0) {
            host.publish(library.libraryJson());
            host.announceChange();
        }
        added = 0;
    });
    watched.start();

    const int code = app.exec();
    host.stop();
    qDebug() << "corvane-server: ends with code" << code;
    return code;
}

} // namespace

int main(int argc, char *argv[])
{
    Platform::preferQtEventDispatcherOnThreads();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("corvane-server"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CORVANE_VERSION));

    // The catalogue is chosen by the settings, which --data-dir may move:
    // the options are read twice, once to find the folder, once with texts.
    const QStringList arguments = app.arguments();
    const QCommandLineOption dataDir(QStringLiteral("data-dir"), QString(), QStringLiteral("folder"));
    {
        QCommandLineParser early;
        early.addOption(dataDir);
        early.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
        early.parse(arguments);
        if (early.isSet(dataDir))
            Platform::setDataRoot(early.value(dataDir));
    }
    qInstallMessageHandler(alogMessageHandler);
    provisionSettings();
    initTavrelFromSettings();
    Session::instance()->loadTranslator(AppSettings::instance()->language());

    QCommandLineParser parser;
    parser.setApplicationDescription(
        HeadlessServer::tr("Serves the Corvane video library to VR headsets on the LAN, without a window."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({QStringLiteral("data-dir"),
                      HeadlessServer::tr("Keep the library and settings in <folder> instead of the usual data folder."),
                      HeadlessServer::tr("folder")});
    const QCommandLineOption portOption(
        QStringLiteral("port"), HeadlessServer::tr("Listen on <port> when it is free, else on the next free port above it."),
        HeadlessServer::tr("port"), QString::number(ServerPort::kFirstPort));
    parser.addOption(portOption);
    const QCommandLineOption addOption(QStringLiteral("add"),
                                       HeadlessServer::tr("Add the files to the library and end, instead of serving."));
    parser.addOption(addOption);
    const QCommandLineOption watchOption(
        QStringLiteral("watch"),
        HeadlessServer::tr("Keep <folder> watched, as the window does, and end: videos that appear in it join the library "
                           "while the server runs."),
        HeadlessServer::tr("folder"));
    parser.addOption(watchOption);
    parser.addPositionalArgument(HeadlessServer::tr("files"), HeadlessServer::tr("Video files or folders to add (with --add)."));
    parser.process(arguments);

    bool portOk = false;
    const uint port = parser.value(portOption).toUInt(&portOk);
    if (!portOk || port == 0 || port > 65535) {
        say(stderr, HeadlessServer::tr("%1 is not a port.").arg(parser.value(portOption)));
        return 2;
    }
    const QStringList files = parser.positionalArguments();
    if (parser.isSet(addOption) == files.isEmpty() || (parser.isSet(addOption) && parser.isSet(watchOption))) {
        say(stderr, HeadlessServer::tr("Files are added with --add FILE..., and only then."));
        return 2;
    }

    ServingLock lock;
    if (!lock.acquire()) {
        say(stderr, lock.refusalText());
        return 1;
    }
    int code = parser.isSet(addOption)     ? addFiles(files)
        : parser.isSet(watchOption) ? watchFolders(parser.values(watchOption))
                                    : serve(app, quint16(port));
    AppSettings::deleteInstance();
    Session::deleteInstance();
    return code;
}
