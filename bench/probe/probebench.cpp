// Probes each file given on the command line (duration + 212 x 119 poster)
// the way the probing thread does, writing the posters into the folder given
// first, and prints one line per file and the total time.
//
//   probe_bench <poster folder> <video>...

#include "library/mediaprobe.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QTextStream out(stdout);
    if (args.size() < 2) {
        out << "usage: probe_bench <poster folder> <video>...\n";
        return 2;
    }
    // The probe's own log lines would only measure the terminal.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    MediaProbe::installLogHandler();

    const QDir posters(args.first());
    QElapsedTimer total;
    total.start();
    for (const QString &video : args.mid(1)) {
        QElapsedTimer one;
        one.start();
        const QString poster = posters.filePath(QFileInfo(video).completeBaseName() + QStringLiteral(".png"));
        const int seconds = MediaProbe::vid2picretdur(video.toUtf8(), poster);
        out << video << " duration " << seconds << " s, poster " << (QFileInfo::exists(poster) ? "yes" : "no")
            << ", " << one.nsecsElapsed() / 1000 << " us\n";
    }
    out << "total_us " << total.nsecsElapsed() / 1000 << "\n";
    return 0;
}
