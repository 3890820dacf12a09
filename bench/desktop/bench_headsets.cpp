// /video throughput of the real server with 50 clients at once, with and
// without the side panel open (the panel reads the server's record of
// recent clients every second and shows it). wrk plays the clients on
// 127.0.0.1; the record also holds 50 other headsets, so the panel has a
// full list to read and draw. Rounds alternate between the two cases.
//
//   bench_headsets [seconds=5] [rounds=3]
//
// The panel broadcasts like the program does: run it in a network
// namespace of its own (run_bench_headsets.sh does).

#include "server/mediaroutes.h"
#include "server/recentclients.h"
#include "server/tcpservermanage.h"
#include "sidepanel/mainmenu.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QJsonArray>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {
void quietHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg)
        fprintf(stderr, "%s\n", qPrintable(message));
}

// wrk's "Transfer/sec" in MiB/s; -1 when it did not run.
double runWrk(quint16 port, int seconds)
{
    QProcess wrk;
    wrk.start(QStringLiteral("wrk"), {"-t", "2", "-c", "50", "-d", QStringLiteral("%1s").arg(seconds), "-H",
                                      "Range: bytes=0-1048575",
                                      QStringLiteral("http://127.0.0.1:%1/video/bench").arg(port)});
    // The server lives on this thread's event loop too: keep it turning.
    QEventLoop loop;
    QObject::connect(&wrk, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), &loop, &QEventLoop::quit);
    loop.exec();
    const QString out = QString::fromUtf8(wrk.readAllStandardOutput());
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Transfer/sec:\\s+([0-9.]+)([KMG]B)")).match(out);
    if (!m.hasMatch()) {
        fprintf(stderr, "wrk said: %s\n", qPrintable(out + QString::fromUtf8(wrk.readAllStandardError())));
        return -1;
    }
    const double scale = m.captured(2) == "GB" ? 1024 : m.captured(2) == "KB" ? 1.0 / 1024 : 1;
    return m.captured(1).toDouble() * scale;
}

double median(QVector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? -1 : v.at(v.size() / 2);
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qInstallMessageHandler(quietHandler);
    const int seconds = argc > 1 ? QByteArray(argv[1]).toInt() : 5;
    const int rounds = argc > 2 ? QByteArray(argv[2]).toInt() : 3;
    QTemporaryDir dir;
    qputenv("XDG_DATA_HOME", dir.path().toUtf8());

    const QString video = dir.filePath(QStringLiteral("bench.bin"));
    QFile file(video);
    if (!file.open(QIODevice::WriteOnly) || !file.resize(64 << 20))
        return 1;
    file.close();
    QJsonObject item{{"videopath", "video/bench"}, {"videopathreal", video}, {"video", "bench.bin"}};
    MediaRoutes routes;
    routes.setLibraryJson({{"number", "1"}, {"items", QJsonArray{item}}});
    for (int i = 1; i <= 50; ++i)
        routes.recentClients()->notePlaying(QStringLiteral("10.0.0.%1").arg(i), video, qint64(i) * (64 << 20) / 50);
    HttpServer::TcpServerManage server(5);
    server.setHttpAcceptedCallback(routes.handler());
    if (!server.listen(QHostAddress::LocalHost, 0))
        return 1;

    QVector<double> closed, open;
    for (int r = 0; r < rounds; ++r) {
        closed << runWrk(server.serverPort(), seconds);
        mainMenu panel; // the shipped intervals: the record is read once a second
        panel.setClientRecord(routes.recentClients());
        panel.resize(246, 768);
        panel.show();
        open << runWrk(server.serverPort(), seconds);
        printf("round %d: without the panel %.1f MiB/s, with the panel %.1f MiB/s\n", r + 1, closed.last(),
               open.last());
        fflush(stdout);
    }
    const double a = median(closed), b = median(open);
    printf("median /video throughput, 50 clients: without the panel %.1f MiB/s, with it %.1f MiB/s; "
           "ratio with/without %.3f\n", a, b, a > 0 ? b / a : 0);
    server.close();
    return 0;
}
