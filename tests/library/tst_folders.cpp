#include "tst_folders.h"

#include "library/addsummary.h"
#include "library/folderscan.h"
#include "library/libraryservice.h"
#include "settings/session.h"
#include "testvideos.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Builds a tree from lines "name" (an empty file), "name/" (a folder) and
// "name -> target" (a symbolic link); false when one cannot be made.
bool makeTree(const QString &root, const QStringList &entries)
{
    for (const QString &entry : entries) {
        const QStringList link = entry.split(QStringLiteral(" -> "));
        const QString path = root + QLatin1Char('/') + link.first();
        if (link.size() == 2) {
            if (!QFile::link(link.last(), path))
                return false;
        } else if (entry.endsWith(QLatin1Char('/'))) {
            if (!QDir().mkpath(path))
                return false;
        } else {
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly))
                return false;
        }
    }
    return true;
}

// added, duplicate, not video, unreadable, not stored
QList<int> countsOf(const AddSummary &summary)
{
    return {summary.added, summary.duplicate, summary.notVideo, summary.unreadable, summary.notStored};
}

} // namespace

void TestFolders::scanTree_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("videos");
    QTest::addColumn<int>("notVideo");
    QTest::newRow("nested, any case of suffix")
        << QStringList{QStringLiteral("b.mp4"), QStringLiteral("sub/"), QStringLiteral("sub/a.MKV"),
                       QStringLiteral("sub/deeper/"), QStringLiteral("sub/deeper/c.webm"), QStringLiteral("notes.txt"),
                       QStringLiteral("README")}
        << QStringList{QStringLiteral("b.mp4"), QStringLiteral("sub/a.MKV"), QStringLiteral("sub/deeper/c.webm")} << 2;
    QTest::newRow("hidden folder and file left out")
        << QStringList{QStringLiteral(".cache/"), QStringLiteral(".cache/x.mp4"), QStringLiteral(".y.mp4"),
                       QStringLiteral("z.mp4")}
        << QStringList{QStringLiteral("z.mp4")} << 0;
    QTest::newRow("link loop walked once")
        << QStringList{QStringLiteral("sub/"), QStringLiteral("sub/v.mp4"), QStringLiteral("sub/up -> .."),
                       QStringLiteral("sub/self -> ."), QStringLiteral("sub/t.txt")}
        << QStringList{QStringLiteral("sub/v.mp4")} << 1;
    QTest::newRow("links to one file count once, dangling skipped")
        << QStringList{QStringLiteral("v.mp4"), QStringLiteral("w.mp4 -> v.mp4"), QStringLiteral("gone.mp4 -> nowhere.mp4")}
        << QStringList{QStringLiteral("v.mp4")} << 0;
    QTest::newRow("empty folder") << QStringList{} << QStringList{} << 0;
}

void TestFolders::scanTree()
{
    QFETCH(QStringList, entries);
    QFETCH(QStringList, videos);
    QFETCH(int, notVideo);
    QTemporaryDir dir;
    QVERIFY(makeTree(dir.path(), entries));
    const FolderScanResult found = FolderScan::scan(dir.path());
    QStringList expected;
    for (const QString &video : videos)
        expected.append(dir.filePath(video));
    QCOMPARE(found.videos, expected);
    QCOMPARE(found.notVideo, notVideo);
}

void TestFolders::addFolderProbesEachVideoOnce()
{
    QTemporaryDir dir;
    const QString root = dir.filePath(QStringLiteral("Holidays"));
    QVERIFY(makeTree(root, {QStringLiteral("2024/"), QStringLiteral(".trash/"), QStringLiteral("2024/list.txt"),
                            QStringLiteral("2024/again -> ..")}));
    QVERIFY(TestVideos::clip(root + QStringLiteral("/beach.mp4")));
    QVERIFY(QFile::copy(root + QStringLiteral("/beach.mp4"), root + QStringLiteral("/2024/hills.mkv")));
    QVERIFY(QFile::copy(root + QStringLiteral("/beach.mp4"), root + QStringLiteral("/.trash/old.mp4")));

    LibraryService library;
    library.load();
    // One of them is in the library already.
    QCOMPARE(library.add(root + QStringLiteral("/beach.mp4")), LibraryService::Outcome::Added);
    QCOMPARE(countsOf(library.addFolder(root)), QList<int>({1, 1, 1, 0, 0}));
    // Stored: a second service reads both back and finds them known.
    LibraryService again;
    QVERIFY(again.load());
    QCOMPARE(again.size(), 2);
    QCOMPARE(countsOf(again.addFolder(root)), QList<int>({0, 2, 1, 0, 0}));
    QCOMPARE(FolderScan::scan(root + QStringLiteral("/missing")).videos, QStringList());
}

void TestFolders::summaryText_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<QString>("text");
    QTest::newRow("all parts") << QStringLiteral("us") << QList<int>{12, 3, 2, 0, 0}
                               << QStringLiteral("12 added, 3 already in the library, 2 not video files");
    QTest::newRow("singular") << QStringLiteral("us") << QList<int>{1, 0, 1, 1, 1}
                              << QStringLiteral("1 added, 1 not video file, 1 could not be read, "
                                                "1 could not be stored in the library");
    QTest::newRow("only known") << QStringLiteral("us") << QList<int>{0, 4, 0, 0, 0}
                                << QStringLiteral("4 already in the library");
    QTest::newRow("nothing") << QStringLiteral("us") << QList<int>{0, 0, 0, 0, 0}
                             << QStringLiteral("No video files found");
    QTest::newRow("german") << QStringLiteral("de") << QList<int>{2, 1, 0, 0, 0}
                            << QStringLiteral("2 hinzugefügt, 1 bereits in der Bibliothek");
}

void TestFolders::summaryText()
{
    QFETCH(QString, language);
    QFETCH(QList<int>, counts);
    QFETCH(QString, text);
    Session::instance()->loadTranslator(language);
    AddSummary summary{counts.at(0), counts.at(1), counts.at(2), counts.at(3), counts.at(4)};
    QCOMPARE(summary.text(), text);
}
