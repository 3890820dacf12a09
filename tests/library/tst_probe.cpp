#include "tst_probe.h"

#include "library/corvanevideoinfo.h"
#include "library/libraryglobals.h"
#include "library/mediaprobe.h"
#include "library/runner.h"
#include "settings/session.h"
#include "logcapture.h"
#include "testvideos.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMutex>
#include <QSet>
#include <QTemporaryFile>
#include <QtTest>

#include <memory>
#include <unistd.h>
extern "C" {
#include <libavutil/mem.h>
}

namespace {

// Standard error redirected into a file while alive.
class StderrCapture
{
public:
    StderrCapture()
    {
        m_file.open();
        fflush(stderr);
        m_saved = dup(STDERR_FILENO);
        dup2(m_file.handle(), STDERR_FILENO);
    }
    ~StderrCapture() { restore(); }
    void restore()
    {
        if (m_saved < 0)
            return;
        fflush(stderr);
        dup2(m_saved, STDERR_FILENO);
        close(m_saved);
        m_saved = -1;
    }
    QByteArray text()
    {
        restore();
        QFile reader(m_file.fileName());
        reader.open(QIODevice::ReadOnly);
        return reader.readAll();
    }

private:
    QTemporaryFile m_file;
    int m_saved = -1;
};

double meanGrey(const QImage &image, double *spread)
{
    double sum = 0;
    double maxChannelGap = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            sum += (qRed(p) + qGreen(p) + qBlue(p)) / 3.0;
            maxChannelGap = qMax(maxChannelGap, double(qMax(qAbs(qRed(p) - qGreen(p)), qAbs(qGreen(p) - qBlue(p)))));
        }
    }
    *spread = maxChannelGap;
    return sum / (image.width() * image.height());
}

struct RunResult {
    QList<CorvaneVideoInfo *> records;
    QList<QStringList> abnormal;
    int updateFinish = 0;
    bool finished = false;
    QSet<QThread *> emittingThreads;
    QStringList order; // "parse", "abnormal", "update" in arrival order
    ~RunResult() { qDeleteAll(records); }
};

// Runs the thread the way the page does: queued connections made before the
// start, results collected on this (the GUI) thread.
void runToEnd(Runner &runner, RunResult &result)
{
    QObject context;
    QMutex mutex;
    QObject::connect(&runner, &Runner::sglParse, &context, [&](const CorvaneVideoInfo &info) {
        result.records.append(new CorvaneVideoInfo(info));
        result.order.append(QStringLiteral("parse"));
    }, Qt::QueuedConnection);
    QObject::connect(&runner, &Runner::sglAbnormal, &context, [&](const QStringList &pair) {
        result.abnormal.append(pair);
        result.order.append(QStringLiteral("abnormal"));
    }, Qt::QueuedConnection);
    QObject::connect(&runner, &Runner::sglUpdateFinish, &context, [&] {
        ++result.updateFinish;
        result.order.append(QStringLiteral("update"));
    }, Qt::QueuedConnection);
    QObject::connect(&runner, &QThread::finished, &context, [&] { result.finished = true; }, Qt::QueuedConnection);
    auto noteThread = [&] {
        QMutexLocker lock(&mutex);
        result.emittingThreads.insert(QThread::currentThread());
    };
    QObject::connect(&runner, &Runner::sglParse, &context, noteThread, Qt::DirectConnection);
    QObject::connect(&runner, &Runner::sglAbnormal, &context, noteThread, Qt::DirectConnection);
    runner.start();
    QTRY_VERIFY_WITH_TIMEOUT(result.finished, 240000);
    runner.wait();
}

QString dataFolder()
{
    return Session::instance()->getDataPath();
}

} // namespace

QString TestProbe::posterPath(const QString &name) const
{
    return m_posters.path() + QLatin1Char('/') + name + QStringLiteral(".png");
}

void TestProbe::initTestCase()
{
    QVERIFY(m_videos.isValid());
    QVERIFY(m_posters.isValid());
    const QStringList x264{QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"),
                           QStringLiteral("ultrafast")};
    // A key frame every second (-g = frame rate) unless said otherwise.
    QVERIFY(TestVideos::ramp(video(QStringLiteral("h264.mp4")), 160, 90, 15, 10,
                             x264 + QStringList{QStringLiteral("-g"), QStringLiteral("15")}));
    QVERIFY(TestVideos::ramp(video(QStringLiteral("hevc.mkv")), 128, 72, 15, 6,
                             {QStringLiteral("-c:v"), QStringLiteral("libx265"), QStringLiteral("-preset"),
                              QStringLiteral("ultrafast"), QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"),
                              QStringLiteral("-x265-params"),
                              QStringLiteral("log-level=error:keyint=15:min-keyint=15:scenecut=0")}));
    QVERIFY(TestVideos::ramp(video(QStringLiteral("vp9.webm")), 96, 54, 15, 4,
                             {QStringLiteral("-c:v"), QStringLiteral("libvpx-vp9"), QStringLiteral("-g"),
                              QStringLiteral("15"), QStringLiteral("-deadline"), QStringLiteral("realtime"),
                              QStringLiteral("-cpu-used"), QStringLiteral("8"), QStringLiteral("-pix_fmt"),
                              QStringLiteral("yuv420p")}));
    // Portrait, to show the poster ignores the aspect ratio.
    QVERIFY(TestVideos::ramp(video(QStringLiteral("mpeg4.avi")), 36, 64, 15, 8,
                             {QStringLiteral("-c:v"), QStringLiteral("mpeg4"), QStringLiteral("-g"),
                              QStringLiteral("15"), QStringLiteral("-q:v"), QStringLiteral("2")}));
    // Three seconds, key frames every third of a second.
    QVERIFY(TestVideos::ramp(video(QStringLiteral("short.mp4")), 64, 36, 15, 3,
                             x264 + QStringList{QStringLiteral("-g"), QStringLiteral("5")}));
    // Ten minutes.
    QVERIFY(TestVideos::ramp(video(QStringLiteral("long.mp4")), 64, 36, 5, 600,
                             x264 + QStringList{QStringLiteral("-g"), QStringLiteral("5")}));
    // Matroska written to a pipe carries no duration.
    QVERIFY(TestVideos::ramp(QStringLiteral("pipe:") + video(QStringLiteral("noduration.mkv")), 64, 36, 15, 6,
                             x264 + QStringList{QStringLiteral("-g"), QStringLiteral("15"), QStringLiteral("-f"),
                                                QStringLiteral("matroska")}));
    // No video stream at all.
    QVERIFY(TestVideos::ffmpeg({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                                QStringLiteral("sine=d=1"), QStringLiteral("-c:a"), QStringLiteral("aac"),
                                video(QStringLiteral("audio.mp4"))}));
    // Eighty seconds of packets that hold no picture (slices removed).
    QVERIFY(TestVideos::ffmpeg({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                                QStringLiteral("color=c=gray:s=64x36:r=30:d=80"), QStringLiteral("-c:v"),
                                QStringLiteral("libx264"), QStringLiteral("-preset"), QStringLiteral("ultrafast"),
                                QStringLiteral("-g"), QStringLiteral("30"), QStringLiteral("-x264-params"),
                                QStringLiteral("aud=1"), QStringLiteral("-bsf:v"),
                                QStringLiteral("filter_units=remove_types=1|5"), video(QStringLiteral("noslice.mkv"))}));

    auto write = [this](const QString &name, const QByteArray &bytes) {
        QFile file(video(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    QVERIFY(write(QStringLiteral("text.mp4"), "This is a text file, not a video.\n"));
    QVERIFY(write(QStringLiteral("notes.txt"), "notes\n"));
    QFile h264(video(QStringLiteral("h264.mp4")));
    QVERIFY(h264.open(QIODevice::ReadOnly));
    QVERIFY(write(QStringLiteral("truncated.mp4"), h264.read(h264.size() / 2)));
    QVERIFY(QFile::copy(video(QStringLiteral("short.mp4")), video(QStringLiteral("clip.MP4"))));
    QVERIFY(QFile::copy(video(QStringLiteral("short.mp4")), video(QStringLiteral("clipwithoutdot"))));
    QVERIFY(QFile::copy(video(QStringLiteral("short.mp4")), video(QStringLiteral("my clip #1 100%.mp4"))));
}

void TestProbe::durationAndPosterPosition_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("madeSeconds"); // 0: the container gives no duration
    QTest::addColumn<double>("keyInterval");

    QTest::newRow("H.264 in MP4") << QStringLiteral("h264.mp4") << 10 << 1.0;
    QTest::newRow("HEVC in MKV") << QStringLiteral("hevc.mkv") << 6 << 1.0;
    QTest::newRow("VP9 in WebM") << QStringLiteral("vp9.webm") << 4 << 1.0;
    QTest::newRow("MPEG-4 in AVI, portrait") << QStringLiteral("mpeg4.avi") << 8 << 1.0;
    QTest::newRow("3 seconds") << QStringLiteral("short.mp4") << 3 << 1.0 / 3;
    QTest::newRow("10 minutes") << QStringLiteral("long.mp4") << 600 << 1.0;
    QTest::newRow("no duration") << QStringLiteral("noduration.mkv") << 0 << 1.0;
}

void TestProbe::durationAndPosterPosition()
{
    QFETCH(QString, file);
    QFETCH(int, madeSeconds);
    QFETCH(double, keyInterval);

    const double probed = TestVideos::ffprobeDuration(video(file));
    int expectedDuration = 0;
    if (madeSeconds > 0) {
        QVERIFY(probed > 0);
        expectedDuration = int(probed);
        QCOMPARE(expectedDuration, madeSeconds);
    } else {
        QCOMPARE(probed, -1.0); // the fixture really lacks a duration
    }

    const QString poster = posterPath(file);
    LogCapture log(LogCapture::Echo::None);
    const int duration = MediaProbe::vid2picretdur(video(file).toUtf8(), poster);
    QCOMPARE(duration, expectedDuration);
    // A sound file probes without a warning of its own in the log.
    QVERIFY2(log.count(QtWarningMsg, QString()) == 0, qPrintable(log.lines().join('\n')));

    QImage image;
    QVERIFY(image.load(poster, "PNG"));
    QCOMPARE(image.size(), QSize(212, 119));
    double spread = 0;
    const double grey = meanGrey(image, &spread);
    QVERIFY2(spread <= 12, qPrintable(QStringLiteral("not grey: channel gap %1").arg(spread)));

    // The first key frame at or before the middle (in whole seconds), or
    // the start when there is no duration.
    const double length = madeSeconds > 0 ? madeSeconds : 6;
    const double target = madeSeconds > 0 ? double(expectedDuration / 2) : 0.0;
    const double low = TestVideos::rampLevel(qMax(0.0, target - keyInterval), length) - 6;
    const double high = TestVideos::rampLevel(target, length) + 6;
    QVERIFY2(grey >= low && grey <= high,
             qPrintable(QStringLiteral("poster grey %1 outside [%2, %3]").arg(grey).arg(low).arg(high)));
}

void TestProbe::failuresGiveNoDurationAndNoPoster_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("message");
    QTest::newRow("no video stream") << QStringLiteral("audio.mp4") << QStringLiteral("find video stream failed!");
    QTest::newRow("text named .mp4") << QStringLiteral("text.mp4") << QStringLiteral("av open input file failed!");
    QTest::newRow("truncated mp4") << QStringLiteral("truncated.mp4") << QStringLiteral("av open input file failed!");
    QTest::newRow("missing file") << QStringLiteral("absent.mp4") << QStringLiteral("av open input file failed!");
}

void TestProbe::failuresGiveNoDurationAndNoPoster()
{
    QFETCH(QString, file);
    QFETCH(QString, message);
    const QString poster = posterPath(QStringLiteral("failed-") + file);
    int duration = -1;
    {
        LogCapture log(LogCapture::Echo::None);
        duration = MediaProbe::vid2picretdur(video(file).toUtf8(), poster);
        QVERIFY2(log.hasLineStartingWith(message + QLatin1Char(' ')), qPrintable(log.lines().join('\n')));
        QVERIFY(log.contains(video(file)));
    }
    QCOMPARE(duration, 0);
    QVERIFY(!QFile::exists(poster));
}

void TestProbe::packetLimitEndsPosterSearch()
{
    const QString poster = posterPath(QStringLiteral("noslice"));
    int duration = -1;
    {
        LogCapture log(LogCapture::Echo::None);
        duration = MediaProbe::vid2picretdur(video(QStringLiteral("noslice.mkv")).toUtf8(), poster);
        QVERIFY2(log.hasLineStartingWith(QStringLiteral("index == 1000! ")), qPrintable(log.lines().join('\n')));
    }
    // The duration is still returned; there is no poster.
    QCOMPARE(duration, 80);
    QVERIFY(!QFile::exists(poster));
}

void TestProbe::ffmpegLogGoesToMessageLogger()
{
    LogCapture log(LogCapture::Echo::None);
    StderrCapture err;
    MediaProbe::vid2picretdur(video(QStringLiteral("truncated.mp4")).toUtf8(), posterPath(QStringLiteral("t1")));
    MediaProbe::vid2picretdur(video(QStringLiteral("noslice.mkv")).toUtf8(), posterPath(QStringLiteral("t2")));
    const QByteArray printed = err.text();
    QCOMPARE(printed, QByteArray());
    // FFmpeg's own complaints arrived, as whole lines.
    QVERIFY2(log.hasLineStartingWith(QStringLiteral("ffmpeg: ")), qPrintable(log.lines().join('\n')));
    for (const QString &line : log.lines())
        QVERIFY(!line.endsWith(QLatin1Char('\n')));
}

void TestProbe::posterMatchesFullSizeConversion_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("codec");
    // Odd width, narrower than the poster, 4:4:4, 10 bits; B-frames hold the key frame back.
    const QString x264 = QStringLiteral("libx264 -g 10 -sc_threshold 0 -pix_fmt ");
    QTest::newRow("H.264 4:2:0") << QSize(854, 480) << x264 + QStringLiteral("yuv420p");
    QTest::newRow("H.264 4:4:4 portrait") << QSize(100, 180) << x264 + QStringLiteral("yuv444p");
    QTest::newRow("HEVC 10-bit 2:1, open GOP") << QSize(1152, 576)
        << QStringLiteral("libx265 -pix_fmt yuv420p10le -x265-params log-level=error:keyint=10");
}

void TestProbe::posterMatchesFullSizeConversion()
{
    QFETCH(QSize, size);
    QFETCH(QString, codec);
    const QString name = QStringLiteral("match-%1").arg(size.width());
    const QString file = video(name + QStringLiteral(".mkv")), poster = posterPath(name);
    const QString full = poster + QStringLiteral(".full.png");
    const auto args = [](const QString &text) { return text.split(QLatin1Char(' ')); };
    // Moving detail, so any other picture than the key frame would show.
    QVERIFY(TestVideos::ffmpeg(args(QStringLiteral("-f lavfi -i testsrc2=s=%1x%2:r=10:d=4 -c:v ").arg(size.width())
                                        .arg(size.height()) + codec) + QStringList{file}));
    // FFmpeg hands out no block as large as an RGB copy of the picture.
    av_max_alloc(qMax<size_t>(size_t(size.width()) * size.height() * 5 / 2, 1 << 20));
    const int duration = MediaProbe::vid2picretdur(file.toUtf8(), poster);
    av_max_alloc(INT_MAX);
    QCOMPARE(duration, 4);
    // The reference converts the whole key frame (at 2 s, the middle) to RGB
    // with point sampling, then takes QImage's nearest pixels.
    QVERIFY(TestVideos::ffmpeg(args(QStringLiteral("-ss 2 -i")) + QStringList{file} + args(QStringLiteral(
        "-frames:v 1 -vf scale=flags=neighbor+accurate_rnd,format=rgb24")) + QStringList{full}));
    const QImage reference = QImage(full).scaled(212, 119, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QImage ours(poster, "PNG");
    // Where a poster pixel's centre falls exactly between two source pixels
    // the two may round apart: a stray column or row shows its neighbour.
    double sum = 0;
    int stray = 0;
    for (int i = 0; i < 212 * 119; ++i) {
        const QRgb a = ours.pixel(i % 212, i / 212), b = reference.pixel(i % 212, i / 212);
        const int gap = qMax(qAbs(qRed(a) - qRed(b)), qMax(qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b))));
        sum += gap;
        stray += gap > 16;
    }
    QVERIFY2(sum / 25228 <= 2.0 && stray <= 252,
             qPrintable(QStringLiteral("mean %1, %2 apart").arg(sum / 25228).arg(stray)));
}

void TestProbe::runnerMakesRecordsFromFiles()
{
    // Two videos already in the library; one of them is offered again.
    CorvaneVideoInfo knownA;
    knownA.videoPath = QStringLiteral("1500000000000");
    knownA.videoPathReal = video(QStringLiteral("mpeg4.avi"));
    knownA.video = QStringLiteral("Known title.avi");
    CorvaneVideoInfo knownB;
    knownB.videoPath = QStringLiteral("1500000000001");
    knownB.videoPathReal = QStringLiteral("/elsewhere/other.mp4");
    knownB.video = QStringLiteral("other.mp4");

    isAddingFiles = false;
    Runner runner;
    runner.setKnownVideos({&knownA, &knownB});
    // The page may change or free its records while the run goes on: the
    // run works from the library as it was when it was set up.
    const CorvaneVideoInfo originalA = knownA;
    knownA.videoPathReal = QStringLiteral("/changed/after/setup.avi");
    knownA.video = QStringLiteral("changed.avi");
    runner.setFiles({video(QStringLiteral("h264.mp4")), video(QStringLiteral("notes.txt")),
                     video(QStringLiteral("clip.MP4")), video(QStringLiteral("mpeg4.avi")),
                     video(QStringLiteral("clipwithoutdot")), video(QStringLiteral("text.mp4"))});
    RunResult result;
    runToEnd(runner, result);
    knownA = originalA;

    QVERIFY(isAddingFiles); // set by the thread; the page clears it
    QCOMPARE(result.updateFinish, 1);
    QCOMPARE(result.order.last(), QStringLiteral("update"));
    QCOMPARE(result.abnormal.size(), 3);
    QCOMPARE(result.abnormal.at(0), (QStringList{QStringLiteral("not video file"), QStringLiteral("notes.txt")}));
    QCOMPARE(result.abnormal.at(1),
             (QStringList{QStringLiteral("already add the video"), QStringLiteral("Known title.avi")}));
    QCOMPARE(result.abnormal.at(2),
             (QStringList{QStringLiteral("not video file"), QStringLiteral("clipwithoutdot")}));

    // The probing ran on the worker thread, never on this one.
    QCOMPARE(result.emittingThreads.size(), 1);
    QVERIFY(result.emittingThreads.contains(&runner));
    QVERIFY(!result.emittingThreads.contains(QThread::currentThread()));

    QCOMPARE(result.records.size(), 3);
    const QStringList names{QStringLiteral("h264.mp4"), QStringLiteral("clip.MP4"), QStringLiteral("text.mp4")};
    const int lengths[] = {10, 3, 0};
    QSet<QString> ids;
    for (int i = 0; i < 3; ++i) {
        const CorvaneVideoInfo *info = result.records.at(i);
        QCOMPARE(info->video, names.at(i));
        QCOMPARE(info->videoPathReal, video(names.at(i)));
        QCOMPARE(info->index, 2); // the library size when the run started
        QCOMPARE(info->length, lengths[i]);
        QCOMPARE(info->size, int(QFileInfo(video(names.at(i))).size() / 1024));
        QCOMPARE(info->videoPath.size(), 13);
        QCOMPARE(info->posterPath, info->videoPath);
        QCOMPARE(info->poster, info->videoPath + QStringLiteral(".png"));
        QCOMPARE(info->posterPathReal, dataFolder() + QStringLiteral("/videoPictures/") + info->poster);
        ids.insert(info->videoPath);
    }
    QCOMPARE(ids.size(), 3);
    QCOMPARE(QImage(result.records.at(0)->posterPathReal).size(), QSize(212, 119));
    QCOMPARE(QImage(result.records.at(1)->posterPathReal).size(), QSize(212, 119));
    QVERIFY(!QFile::exists(result.records.at(2)->posterPathReal));
    QVERIFY(result.records.at(0)->size > 0);
}

void TestProbe::runnerMakesRecordsFromUrls()
{
    Runner runner;
    runner.setUrls({QUrl::fromLocalFile(video(QStringLiteral("my clip #1 100%.mp4"))),
                    QUrl::fromLocalFile(video(QStringLiteral("clipwithoutdot"))),
                    QUrl::fromLocalFile(video(QStringLiteral("notes.txt"))),
                    QUrl::fromLocalFile(video(QStringLiteral("vp9.webm")))});
    RunResult result;
    runToEnd(runner, result);

    QCOMPARE(result.abnormal.size(), 2);
    QCOMPARE(result.abnormal.at(0), (QStringList{QStringLiteral("not video file"), QStringLiteral("clipwithoutdot")}));
    QCOMPARE(result.abnormal.at(1), (QStringList{QStringLiteral("not video file"), QStringLiteral("notes.txt")}));
    QCOMPARE(result.records.size(), 2);
    QCOMPARE(result.records.at(0)->video, QStringLiteral("my clip #1 100%.mp4"));
    QCOMPARE(result.records.at(0)->videoPathReal, video(QStringLiteral("my clip #1 100%.mp4")));
    QCOMPARE(result.records.at(0)->length, 3);
    QCOMPARE(result.records.at(1)->length, 4);
    QCOMPARE(result.records.at(0)->index, 0);
    QCOMPARE(result.records.at(1)->index, 0);
    QCOMPARE(result.updateFinish, 1);
}

void TestProbe::runnerWithEveryFileRejected()
{
    CorvaneVideoInfo known;
    known.videoPathReal = video(QStringLiteral("h264.mp4"));
    known.video = QStringLiteral("h264.mp4");
    Runner runner;
    runner.setKnownVideos({&known});
    runner.setFiles({video(QStringLiteral("notes.txt")), video(QStringLiteral("h264.mp4")),
                     video(QStringLiteral("clipwithoutdot"))});
    RunResult result;
    runToEnd(runner, result);
    QVERIFY(result.records.isEmpty());
    QCOMPARE(result.abnormal.size(), 3);
    QCOMPARE(result.abnormal.at(1).at(0), QStringLiteral("already add the video"));
    QCOMPARE(result.updateFinish, 0);
}

void TestProbe::runnerIdsUniqueWithinOneRun()
{
    // Files that fail at once are probed well within one millisecond of
    // each other; their ids (and poster names) must still differ.
    QStringList files;
    for (int i = 0; i < 40; ++i)
        files << video(QStringLiteral("absent-%1.mp4").arg(i));
    Runner runner;
    runner.setFiles(files);
    RunResult result;
    runToEnd(runner, result);
    QCOMPARE(result.records.size(), 40);
    QSet<QString> ids;
    QSet<QString> posters;
    for (const CorvaneVideoInfo *info : qAsConst(result.records)) {
        ids.insert(info->videoPath);
        posters.insert(info->posterPathReal);
        QCOMPARE(info->length, 0);
        QCOMPARE(info->size, 0);
    }
    QCOMPARE(ids.size(), 40);
    QCOMPARE(posters.size(), 40);
}
