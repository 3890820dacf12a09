// Measures how long the real Corvane program takes from its process start
// to a shown main window (its "main window shown" log line in the alog),
// and its memory (VmRSS, VmHWM) at that moment, for an empty library and
// for a library of many videos written with the core's library codec; for
// the library, also the time and memory once the tiles of the first screen
// are built ("tiles built" in the alog).
//
//   bench_startup [videos=1000] [runs=5]
//   bench_startup --prepare <folder> [videos=1000]   (leaves a staged
//       program and a data folder there, for profiling by hand)
//
// Prints one line per run and the medians. Runs under the offscreen
// platform unless QT_QPA_PLATFORM or DISPLAY says otherwise.

#include "library/corvanevideoinfo.h"
#include "library/videoid.h"
#include "library/videolibraryfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>

#include <sched.h>

namespace {

struct Sample {
    double seconds = -1;
    double rssMiB = 0;
    double hwmMiB = 0;
    // Once the first screen of tiles is built (the library only).
    double tilesSeconds = -1;
    double tilesRssMiB = 0;
};

double statusMiB(qint64 pid, const char *key)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key)) {
            const QList<QByteArray> parts = line.simplified().split(' ');
            return parts.size() >= 2 ? parts.at(1).toDouble() / 1024.0 : 0;
        }
    }
    return 0;
}

bool run(const QStringList &program, const QString &workDir)
{
    QProcess process;
    process.setWorkingDirectory(workDir);
    process.start(program.first(), program.mid(1));
    return process.waitForFinished(300000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// A copy of the program under a name of its own, with the files it reads
// beside itself, so that no other running copy takes the single-instance role.
QString stageProgram(const QString &dir)
{
    const QString exe = dir + QStringLiteral("/CorvBench%1").arg(QCoreApplication::applicationPid() % 100000);
    if (!QFile::copy(QStringLiteral(CORVANE_BIN), exe))
        return QString();
    QFile::setPermissions(exe, QFile::permissions(exe) | QFileDevice::ExeOwner);
    QFile::copy(QStringLiteral(CORVANE_APP_DIR "/Corvane.ini"), dir + QStringLiteral("/Corvane.ini"));
    for (const char *sub : {"qss/public.qss", "DefaultPoster/DefaultPoster.png"}) {
        const QString target = dir + QLatin1Char('/') + QLatin1String(sub);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(QStringLiteral(CORVANE_APP_DIR "/") + QLatin1String(sub), target);
    }
    return exe;
}

// Writes `count` records (all naming the same real video, each with its own
// poster file of the size the probe makes, 212 x 119) into the data folder
// below xdgHome.
bool writeLibrary(const QString &xdgHome, int count, const QString &video, const QString &posterSource)
{
    const QString data = xdgHome + QStringLiteral("/NuvoVR/Brindlecast");
    const QString pictures = data + QStringLiteral("/videoPictures");
    if (!QDir().mkpath(pictures))
        return false;
    QList<CorvaneVideoInfo *> records;
    QSet<QString> ids;
    const qint64 kib = QFileInfo(video).size() / 1024;
    for (int i = 0; i < count; ++i) {
        auto *info = new CorvaneVideoInfo;
        const QString id = VideoId::next(ids);
        ids.insert(id);
        info->videoPath = id;
        info->posterPath = id;
        info->poster = id + QStringLiteral(".png");
        info->posterPathReal = pictures + QLatin1Char('/') + info->poster;
        info->videoPathReal = video;
        info->video = QStringLiteral("Holiday clip %1.mp4").arg(i + 1, 4, 10, QLatin1Char('0'));
        info->length = 2 + i % 3600;
        info->size = qint32(kib);
        QFile::copy(posterSource, info->posterPathReal);
        records << info;
    }
    QStringList texts;
    const bool ok = VideoLibraryFile(data).rewrite(records, &texts);
    qDeleteAll(records);
    return ok && int(texts.size()) == count;
}

Sample measure(const QString &exe, const QString &xdgHome, bool withTiles)
{
    Sample sample;
    // Settings and the log of the previous run go; the library stays.
    QFile::remove(xdgHome + QStringLiteral("/NuvoVR/Brindlecast/Corvane.ini"));
    QDir(xdgHome + QStringLiteral("/NuvoVR/Brindlecast/aLog")).removeRecursively();
    const QString alogDir = xdgHome + QStringLiteral("/NuvoVR/Brindlecast/aLog");

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), xdgHome);
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")) && !env.contains(QStringLiteral("DISPLAY")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    program.start(exe, QStringList());
    if (!program.waitForStarted(10000))
        return sample;
    while (clock.elapsed() < 60000 && program.state() == QProcess::Running) {
        QByteArray alog;
        for (const QFileInfo &file : QDir(alogDir).entryInfoList(QDir::Files)) {
            QFile log(file.absoluteFilePath());
            if (log.open(QIODevice::ReadOnly))
                alog += log.readAll();
        }
        const double now = clock.nsecsElapsed() / 1e9;
        if (sample.seconds < 0 && alog.contains("main window shown")) {
            sample.seconds = now;
            sample.rssMiB = statusMiB(program.processId(), "VmRSS:");
            sample.hwmMiB = statusMiB(program.processId(), "VmHWM:");
        }
        if (sample.seconds >= 0 && (!withTiles || alog.contains("tiles built"))) {
            if (withTiles) {
                sample.tilesSeconds = now;
                sample.tilesRssMiB = statusMiB(program.processId(), "VmRSS:");
            }
            break;
        }
        QThread::msleep(2);
    }
    program.terminate();
    if (!program.waitForFinished(10000)) {
        program.kill();
        program.waitForFinished(5000);
    }
    return sample;
}

Sample median(QList<Sample> samples)
{
    auto pick = [&](auto field) {
        QList<double> values;
        for (const Sample &s : samples)
            values << s.*field;
        std::sort(values.begin(), values.end());
        return values.isEmpty() ? 0.0 : values.at(values.size() / 2);
    };
    Sample m;
    m.seconds = pick(&Sample::seconds);
    m.rssMiB = pick(&Sample::rssMiB);
    m.hwmMiB = pick(&Sample::hwmMiB);
    m.tilesSeconds = pick(&Sample::tilesSeconds);
    m.tilesRssMiB = pick(&Sample::tilesRssMiB);
    return m;
}

} // namespace

int main(int argc, char **argv)
{
    // The program announces itself by broadcast on every network it sees:
    // measure it in a network namespace of its own, with no way out.
    if (unshare(CLONE_NEWNET) != 0 && unshare(CLONE_NEWUSER | CLONE_NEWNET) != 0) {
        std::fprintf(stderr, "bench_startup: cannot make a private network namespace; not starting the program\n");
        return 2;
    }
    QCoreApplication app(argc, argv);
    const bool prepareOnly = argc > 2 && qstrcmp(argv[1], "--prepare") == 0;
    const int first = prepareOnly ? 3 : 1;
    const int videos = argc > first ? QString::fromLocal8Bit(argv[first]).toInt() : 1000;
    const int runs = argc > first + 1 ? QString::fromLocal8Bit(argv[first + 1]).toInt() : 5;

    QTemporaryDir work(prepareOnly ? QString::fromLocal8Bit(argv[2]) + QStringLiteral("/bench-XXXXXX") : QString());
    if (!work.isValid())
        return 1;
    work.setAutoRemove(!prepareOnly);
    const QString appDir = work.filePath(QStringLiteral("app"));
    QDir().mkpath(appDir);
    const QString exe = stageProgram(appDir);
    const QString video = work.filePath(QStringLiteral("clip.mp4"));
    const QString poster = work.filePath(QStringLiteral("poster.png"));
    if (exe.isEmpty()
        || !run({QStringLiteral("ffmpeg"), QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error"),
                 QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                 QStringLiteral("testsrc=size=1280x720:rate=25:duration=2"), QStringLiteral("-pix_fmt"),
                 QStringLiteral("yuv420p"), video},
                work.path())
        || !run({QStringLiteral("ffmpeg"), QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error"),
                 QStringLiteral("-i"), video, QStringLiteral("-frames:v"), QStringLiteral("1"), QStringLiteral("-vf"),
                 QStringLiteral("scale=212:119"), poster},
                work.path())) {
        std::fprintf(stderr, "cannot stage the program or make the test video\n");
        return 1;
    }

    const QString emptyHome = work.filePath(QStringLiteral("empty"));
    const QString fullHome = work.filePath(QStringLiteral("full"));
    QDir().mkpath(emptyHome);
    if (!writeLibrary(fullHome, videos, video, poster)) {
        std::fprintf(stderr, "cannot write the library file\n");
        return 1;
    }

    if (prepareOnly) {
        std::printf("program %s\nXDG_DATA_HOME=%s\n", qPrintable(exe), qPrintable(fullHome));
        return 0;
    }
    std::printf("start-up to a shown window, %d runs each (poster %s)\n", runs, qPrintable(QFileInfo(poster).fileName()));
    QList<Sample> empty, full;
    for (int i = 0; i < runs; ++i) {
        empty << measure(exe, emptyHome, false);
        full << measure(exe, fullHome, true);
        std::printf("run %d: empty %.3f s %.1f MiB | %d videos %.3f s %.1f MiB (peak %.1f MiB), "
                    "first tiles %.3f s %.1f MiB\n",
                    i + 1, empty.last().seconds, empty.last().rssMiB, videos, full.last().seconds, full.last().rssMiB,
                    full.last().hwmMiB, full.last().tilesSeconds, full.last().tilesRssMiB);
        std::fflush(stdout);
        if (empty.last().seconds < 0 || full.last().seconds < 0 || full.last().tilesSeconds < 0) {
            std::fprintf(stderr, "the program did not show its window or its first tiles\n");
            return 1;
        }
    }
    const Sample e = median(empty), f = median(full);
    std::printf("median: empty library %.3f s, RSS %.1f MiB\n", e.seconds, e.rssMiB);
    std::printf("median: %d videos      %.3f s, RSS %.1f MiB, peak %.1f MiB; first tiles %.3f s, RSS %.1f MiB\n",
                videos, f.seconds, f.rssMiB, f.hwmMiB, f.tilesSeconds, f.tilesRssMiB);
    // Goals: the window within 3x the empty start, memory within +40 MiB of it.
    const bool met = f.seconds <= 3 * e.seconds && f.tilesRssMiB <= e.rssMiB + 40 && f.hwmMiB <= e.rssMiB + 40;
    std::printf("ratio %d videos / empty: time %.2f, RSS %.2f (+%.1f MiB), with the first tiles RSS +%.1f MiB "
                "(goal <= 3x, <= +40 MiB): %s\n",
                videos, f.seconds / e.seconds, f.rssMiB / e.rssMiB, f.rssMiB - e.rssMiB, f.tilesRssMiB - e.rssMiB,
                met ? "met" : "MISSED");
    return 0;
}
