// Videos arriving in a watched folder. Measured: one settle look over the
// whole tree (what each check costs while files settle) against find(1)
// listing the same names; the time from the last file moved in until the
// batch is offered (the settle interval plus the looks); and the window's
// background add of the batch beside the designed modal add of the same
// files into a second library, each with the longest time the event loop
// went without a turn. The videos are copies of one short generated clip
// spread over sub-folders; every file lives under a temporary folder.
//
//   bench_watch [files=1000]     (BENCH_LOG=1: with the log lines)

#include "dialogs/prompt.h"
#include "library/watchedfolders.h"
#include "platform/platform.h"
#include "settings/session.h"
#include "ui/library/homepage.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

double millis(qint64 nanos)
{
    return double(nanos) / 1e6;
}

// Runs the event loop until done() holds; returns the elapsed time and the
// longest gap between two turns of the loop meanwhile, nested loops (the
// modal progress dialog) included; prompts are answered as a user would.
qint64 runUntil(const std::function<bool()> &done, qint64 *longestGap)
{
    QElapsedTimer clock, sinceTurn;
    clock.start();
    sinceTurn.start();
    *longestGap = 0;
    QTimer turns;
    QObject::connect(&turns, &QTimer::timeout, [&] {
        *longestGap = std::max(*longestGap, sinceTurn.nsecsElapsed());
        sinceTurn.restart();
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *prompt = qobject_cast<Prompt *>(w); prompt && prompt->isVisible())
                prompt->accept();
        }
    });
    turns.start(5);
    while (!done())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return clock.nsecsElapsed();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir work;
    if (!work.isValid())
        return 2;
    qputenv("XDG_DATA_HOME", work.filePath(QStringLiteral("data")).toUtf8());
    QApplication app(argc, argv);
    const int files = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 1000;
    // The program's own log lines would only measure the terminal (BENCH_LOG=1 shows them).
    if (qEnvironmentVariableIsEmpty("BENCH_LOG"))
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    Session::instance()->loadTranslator(QStringLiteral("us"));

    const QString clip = work.filePath(QStringLiteral("clip.mp4"));
    const QString staging = work.filePath(QStringLiteral("staging"));
    const QString watchedRoot = work.filePath(QStringLiteral("watched"));
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), {QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-f"),
                                            QStringLiteral("lavfi"), QStringLiteral("-i"),
                                            QStringLiteral("testsrc=size=64x36:rate=10:duration=1"),
                                            QStringLiteral("-c:v"), QStringLiteral("libx264"), clip});
    if (files <= 0 || !ffmpeg.waitForFinished(120000) || ffmpeg.exitCode() != 0 || !QDir().mkpath(watchedRoot))
        return 2;
    QStringList names;
    for (int i = 0; i < files; ++i) {
        const QString name = QStringLiteral("shelf%1/box%2/video%3.mp4").arg(i % 10).arg(i % 7).arg(i);
        QDir().mkpath(QFileInfo(staging + QLatin1Char('/') + name).absolutePath());
        if (!QFile::copy(clip, staging + QLatin1Char('/') + name))
            return 2;
        names.append(name);
    }

    WatchedFolders watched(Session::instance()->getDataPath());
    if (!watched.add(watchedRoot))
        return 2;
    watched.start();
    QStringList batch;
    int batches = 0;
    QObject::connect(&watched, &WatchedFolders::filesReady, [&](const QStringList &ready) {
        batch += ready;
        ++batches;
    });
    // Moved in whole, as a download manager finishes its files.
    for (const QString &name : qAsConst(names)) {
        QDir().mkpath(QFileInfo(watchedRoot + QLatin1Char('/') + name).absolutePath());
        QFile::rename(staging + QLatin1Char('/') + name, watchedRoot + QLatin1Char('/') + name);
    }
    qint64 gap = 0;
    const qint64 untilOffered = runUntil([&] { return batch.size() >= files; }, &gap);

    // A start over the whole tree (watches set, every file looked at once),
    // as after the program was closed, against find(1) over the same tree.
    const QString freshData = work.filePath(QStringLiteral("fresh"));
    QDir().mkpath(freshData);
    WatchedFolders fresh(freshData);
    fresh.add(watchedRoot);
    QElapsedTimer clock;
    clock.start();
    fresh.start();
    const qint64 look = clock.nsecsElapsed();
    const int pending = fresh.pendingFiles().size();
    int folders = 1;
    for (QDirIterator it(watchedRoot, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories); it.hasNext();
         it.next())
        ++folders;
    clock.restart();
    QProcess find;
    find.start(QStringLiteral("find"), {watchedRoot, QStringLiteral("-type"), QStringLiteral("f")});
    find.waitForFinished(-1);
    const qint64 peer = clock.nsecsElapsed();

    HomePage page;
    page.show();
    page.loadVideoList();
    page.addFilesInBackground(batch);
    qint64 backgroundGap = 0;
    const qint64 background = runUntil([&] { return page.videos().size() >= files; }, &backgroundGap);

    // The designed add of the same files into an empty library of its own.
    Platform::setDataRoot(work.filePath(QStringLiteral("modal")));
    HomePage modal;
    modal.show();
    modal.loadVideoList();
    qint64 modalGap = 0;
    QTimer::singleShot(0, &modal, [&] { modal.addFolders({watchedRoot}); });
    const qint64 designed = runUntil([&] { return modal.videos().size() >= files; }, &modalGap);

    std::printf("%d videos moved into a watched folder; offered in %d batches after %.2f s (settle interval %d ms), "
                "longest loop gap %.1f ms\n",
                files, batches, millis(untilOffered) / 1000, WatchedFolders::kSettleIntervalMs, millis(gap));
    std::printf("start over the tree (%d folders watched, %d files looked at): %.1f ms, find: %.1f ms, ratio "
                "start/find %.2f\n",
                folders, pending, millis(look), millis(peer), double(look) / double(peer));
    std::printf("background add: %.1f s, longest loop gap %.1f ms; designed modal add: %.1f s, longest loop gap "
                "%.1f ms; time ratio background/modal %.2f\n",
                millis(background) / 1000, millis(backgroundGap), millis(designed) / 1000, millis(modalGap),
                double(background) / double(designed));
    return page.videos().size() == files ? 0 : 1;
}
