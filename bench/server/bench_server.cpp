// Benchmark driver: serves the files given on the command line as a library
// of N items through HttpServer::TcpServerManage and MediaRoutes on
// 127.0.0.1, until stdin closes.
//
//   corvane_bench_server --port P --items N [--threads T] [--log] FILE...
//
// Item i serves FILE[i % count] under the id "bench<i>"; the poster of every
// item is the first file. It prints "ready <port>" once it listens.

#include "platform/platform.h"
#include "server/mediaroutes.h"
#include "server/tcpservermanage.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSocketNotifier>
#include <QTextStream>

#include <cstdio>
#include <unistd.h>

namespace {

void quietHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    // The program forwards debug lines to its telemetry log; here they would
    // only measure the terminal.
    if (type != QtDebugMsg)
        fprintf(stderr, "%s\n", qPrintable(message));
}

QString itemText(int index, const QString &id, const QString &path, const QString &poster)
{
    const QFileInfo info(path);
    return QStringLiteral("{\"index\":\"%1\",\"poster\":\"%2.png\",\"video\":\"%3\",\"size\":\"%4\","
                          "\"length\":\"%5\",\"videopathreal\":\"%6\",\"posterpathreal\":\"%7\","
                          "\"videopath\":\"video/%2\",\"posterpath\":\"post/%2\"}")
        .arg(index)
        .arg(id)
        .arg(info.fileName())
        .arg(info.size() / 1024)
        .arg(60)
        .arg(info.absoluteFilePath())
        .arg(poster);
}

} // namespace

int main(int argc, char **argv)
{
    // As the programs run their server thread.
    Platform::preferQtEventDispatcherOnThreads();
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption portOption("port", "Port on 127.0.0.1 (0: any).", "port", "0");
    QCommandLineOption itemsOption("items", "Number of library items.", "count", "1");
    QCommandLineOption threadsOption("threads", "Handler threads.", "count", "5");
    QCommandLineOption logOption("log", "Keep the debug log lines (to stderr).");
    parser.addOptions({portOption, itemsOption, threadsOption, logOption});
    parser.addPositionalArgument("files", "Files to serve.");
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty()) {
        fprintf(stderr, "no files given\n");
        return 2;
    }
    if (!parser.isSet(logOption))
        qInstallMessageHandler(quietHandler);

    const int items = qMax(1, parser.value(itemsOption).toInt());
    QStringList texts;
    texts.reserve(items);
    const QString poster = QFileInfo(files.first()).absoluteFilePath();
    for (int i = 0; i < items; ++i)
        texts << itemText(i, QStringLiteral("bench%1").arg(i), files.at(i % files.size()), poster);
    const QString listText = QStringLiteral("{\"number\":\"%1\",\"items\": [").arg(items)
                             + texts.join(QLatin1Char(',')) + QStringLiteral("]}");
    const QJsonObject library = QJsonDocument::fromJson(listText.toUtf8()).object();
    if (library.isEmpty()) {
        fprintf(stderr, "library text does not parse\n");
        return 2;
    }

    MediaRoutes routes;
    routes.setLibraryJson(library);
    HttpServer::TcpServerManage server(parser.value(threadsOption).toInt());
    server.setHttpAcceptedCallback(routes.handler());
    if (!server.listen(QHostAddress::LocalHost, quint16(parser.value(portOption).toUInt()))) {
        fprintf(stderr, "listen failed\n");
        return 1;
    }
    printf("ready %u\n", server.serverPort());
    fflush(stdout);

    // Ends when stdin closes (the script that started us went away).
    QSocketNotifier stdinNotifier(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&stdinNotifier, &QSocketNotifier::activated, &app, [&] {
        char buffer[256];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0)
            app.quit();
    });
    const int rc = app.exec();
    server.close();
    return rc;
}
