// Adding a whole folder of videos: how long the walk takes against find(1)
// listing the same names, how long the walk plus the acceptance rules take
// (no probe), and the window's real add of every file (the probe thread,
// the progress dialog, the summary), with the longest time the window's
// event loop went without a turn meanwhile: the measure of "stays
// responsive". The videos are copies of one short generated clip, spread
// over sub-folders, with some text files and a hidden folder beside them.
//
//   bench_folders [files=1000]
//
// Runs under the offscreen platform unless QT_QPA_PLATFORM or DISPLAY says
// otherwise; every file lives under a temporary folder.

#include "dialogs/prompt.h"
#include "library/folderscan.h"
#include "library/libraryservice.h"
#include "settings/session.h"
#include "ui/library/homepage.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

bool makeFolder(const QString &root, int files)
{
    const QString clip = root + QStringLiteral("/clip.mp4");
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"), QStringLiteral("error"),
                  QStringLiteral("-y"), QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                  QStringLiteral("testsrc=size=64x36:rate=10:duration=1"), QStringLiteral("-c:v"),
                  QStringLiteral("libx264"), QStringLiteral("-g"), QStringLiteral("5"), clip});
    if (!ffmpeg.waitForFinished(120000) || ffmpeg.exitCode() != 0)
        return false;
    const QString tree = root + QStringLiteral("/library");
    for (int i = 0; i < files; ++i) {
        const QString folder = tree + QStringLiteral("/shelf%1/box%2").arg(i % 10).arg(i % 7);
        if (!QDir().mkpath(folder) || !QFile::copy(clip, folder + QStringLiteral("/video%1.mp4").arg(i)))
            return false;
        if (i % 10 == 0 && !QFile::copy(clip, folder + QStringLiteral("/notes%1.txt").arg(i)))
            return false;
    }
    QDir().mkpath(tree + QStringLiteral("/.thumbnails"));
    return QFile::copy(clip, tree + QStringLiteral("/.thumbnails/hidden.mp4"));
}

double millis(qint64 nanos)
{
    return double(nanos) / 1e6;
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
    // The program's own log lines would only measure the terminal.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    Session::instance()->loadTranslator(QStringLiteral("us"));

    if (files <= 0 || !makeFolder(work.path(), files)) {
        std::fprintf(stderr, "cannot make the folder of %d videos\n", files);
        return 2;
    }
    const QString tree = work.filePath(QStringLiteral("library"));

    // The walk, warm, against find(1) listing the same names (its start-up
    // included, as a user's shell would pay it).
    FolderScan::scan(tree);
    QElapsedTimer clock;
    clock.start();
    const FolderScanResult found = FolderScan::scan(tree);
    const qint64 walk = clock.nsecsElapsed();
    clock.restart();
    QProcess find;
    find.start(QStringLiteral("find"), {tree, QStringLiteral("-name"), QStringLiteral(".*"), QStringLiteral("-prune"),
                                        QStringLiteral("-o"), QStringLiteral("-type"), QStringLiteral("f"),
                                        QStringLiteral("-print")});
    find.waitForFinished(-1);
    const qint64 peer = clock.nsecsElapsed();
    const int listed = find.readAllStandardOutput().count('\n');

    // The walk plus the window's acceptance rule against the paths taken so far.
    clock.restart();
    const FolderScanResult again = FolderScan::scan(tree);
    QStringList taken;
    for (const QString &path : again.videos) {
        if (LibraryService::accepts(path, QFileInfo(path).fileName(), taken) == LibraryService::Outcome::Added)
            taken.append(path);
    }
    const qint64 accept = clock.nsecsElapsed();

    // The page's add: the event loop's turns are timed while it runs; the
    // summary prompt at the end is answered like a user would.
    HomePage page;
    page.show();
    page.loadVideoList();
    QElapsedTimer sinceTurn;
    sinceTurn.start();
    std::vector<qint64> gaps;
    QTimer turns;
    QObject::connect(&turns, &QTimer::timeout, [&] {
        gaps.push_back(sinceTurn.nsecsElapsed());
        sinceTurn.restart();
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *prompt = qobject_cast<Prompt *>(w); prompt && prompt->isVisible()) {
                std::printf("summary: %s\n", prompt->promptText().toLocal8Bit().constData());
                prompt->accept();
            }
        }
    });
    turns.start(5);
    clock.restart();
    page.addFolders({tree});
    const qint64 add = clock.nsecsElapsed();
    turns.stop();

    std::printf("videos found: %d, other files: %d, find listed %d files\n", int(found.videos.size()),
                found.notVideo, listed);
    std::printf("walk: %.1f ms, find: %.1f ms, ratio walk/find %.2f\n", millis(walk), millis(peer),
                double(walk) / double(peer));
    std::printf("walk + acceptance: %.1f ms (%.1f us per file)\n", millis(accept), millis(accept) * 1000 / files);
    std::printf("page add with probe: %.1f s (%.1f ms per file), %d tiles\n", millis(add) / 1000,
                millis(add) / files, int(page.videos().size()));
    std::sort(gaps.begin(), gaps.end());
    if (!gaps.empty())
        std::printf("event-loop turns during the add: %d, gap median %.1f ms, 99th percentile %.1f ms, longest %.1f ms\n",
                    int(gaps.size()), millis(gaps[gaps.size() / 2]), millis(gaps[gaps.size() * 99 / 100]),
                    millis(gaps.back()));
    return page.videos().size() == found.videos.size() ? 0 : 1;
}
