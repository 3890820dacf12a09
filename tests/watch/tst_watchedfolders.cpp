// Watched folders on real folders: a video copied in slowly, files that came
// while the program was closed or while it runs, a folder that goes and comes
// back, and the stored list across a restart.

#include "logcapture.h"
#include "processes.h"
#include "testvideos.h"

#include "library/watchedfolders.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestWatchedFolders : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void copiedInParts_data();
    void copiedInParts();
    void offersNewVideos_data();
    void offersNewVideos();
    void folderGoesAndComesBack_data();
    void folderGoesAndComesBack();
    void listSurvivesRestart();

private:
    QString put(const QString &relative) const;

    QTemporaryDir m_home;
    QByteArray m_clip;
    std::unique_ptr<QTemporaryDir> m_tree;
    std::unique_ptr<WatchedFolders> m_watched;
    QString m_folder;
};

void TestWatchedFolders::initTestCase()
{
    qputenv("XDG_DATA_HOME", m_home.path().toUtf8());
    const QString clip = m_home.filePath(QStringLiteral("clip.mp4"));
    QVERIFY(TestVideos::clip(clip, 1));
    m_clip = TestSupport::fileBytes(clip);
    QVERIFY(m_clip.size() > 1000);
}

void TestWatchedFolders::init()
{
    m_watched.reset();
    m_tree = std::make_unique<QTemporaryDir>();
    m_folder = m_tree->filePath(QStringLiteral("Videos"));
    QVERIFY(QDir().mkpath(m_folder + QStringLiteral("/Trips")));
    m_watched = std::make_unique<WatchedFolders>(m_tree->filePath(QStringLiteral("data")));
    QVERIFY(QDir().mkpath(m_tree->filePath(QStringLiteral("data"))));
    QVERIFY(m_watched->add(m_folder));
}

QString TestWatchedFolders::put(const QString &relative) const
{
    const QString path = m_folder + QLatin1Char('/') + relative;
    QDir().mkpath(QFileInfo(path).absolutePath());
    return TestSupport::writeFile(path, m_clip) ? path : QString();
}

void TestWatchedFolders::copiedInParts_data()
{
    QTest::addColumn<int>("parts");
    QTest::newRow("at once") << 1;
    QTest::newRow("in four parts") << 4;
}

void TestWatchedFolders::copiedInParts()
{
    QFETCH(int, parts);
    // Only the test's looks count: the settle timer never fires here.
    m_watched->setSettleInterval(3600 * 1000);
    m_watched->start();
    QSignalSpy ready(m_watched.get(), &WatchedFolders::filesReady);
    const QString path = m_folder + QStringLiteral("/Trips/arrival.mp4");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    const int piece = m_clip.size() / parts + 1;
    for (int i = 0; i < parts; ++i) {
        QVERIFY(file.write(m_clip.mid(i * piece, piece)) > 0 && file.flush());
        m_watched->checkNow();
        QCOMPARE(ready.count(), 0);
        QVERIFY(m_watched->pendingFiles().contains(path));
    }
    file.close();
    for (int look = 0; look < 3; ++look)
        m_watched->checkNow();
    QCOMPARE(ready.count(), 1);
    QCOMPARE(ready.at(0).at(0).toStringList(), QStringList{path});
}

void TestWatchedFolders::offersNewVideos_data()
{
    QTest::addColumn<bool>("whileClosed");
    QTest::addColumn<QString>("where");
    QTest::newRow("closed, in the folder") << true << QStringLiteral("a.mkv");
    QTest::newRow("closed, in a sub-folder") << true << QStringLiteral("Trips/b.mp4");
    QTest::newRow("running, in a sub-folder") << false << QStringLiteral("Trips/c.mp4");
    QTest::newRow("running, in a new sub-folder") << false << QStringLiteral("New/Deeper/d.mp4");
}

void TestWatchedFolders::offersNewVideos()
{
    QFETCH(bool, whileClosed);
    QFETCH(QString, where);
    const QString known = put(QStringLiteral("known.mp4"));
    QVERIFY(TestSupport::writeFile(m_folder + QStringLiteral("/notes.txt"), "not a video"));
    QString inLibrary = known;
    m_watched->setKnownPaths([&inLibrary](const QString &path) { return path == inLibrary; });
    m_watched->setSettleInterval(10);
    QSignalSpy ready(m_watched.get(), &WatchedFolders::filesReady);
    const QString path = whileClosed ? put(where) : QString();
    m_watched->start();
    // Running: only the folder's own events can bring the file to notice.
    const QString added = whileClosed ? path : put(where);
    QTRY_COMPARE_WITH_TIMEOUT(ready.count(), 1, 60000);
    QCOMPARE(ready.at(0).at(0).toStringList(), QStringList{added});
    // The user deleted the known video: it stays out.
    inLibrary.clear();
    m_watched->checkNow();
    m_watched->checkNow();
    QCOMPARE(ready.count(), 1);
}

void TestWatchedFolders::folderGoesAndComesBack_data()
{
    QTest::addColumn<bool>("deleted");
    QTest::newRow("unmounted (moved away)") << false;
    QTest::newRow("deleted and restored") << true;
}

void TestWatchedFolders::folderGoesAndComesBack()
{
    QFETCH(bool, deleted);
    const QString kept = put(QStringLiteral("Trips/kept.mp4"));
    m_watched->setKnownPaths([kept](const QString &path) { return path == kept; });
    m_watched->setPollInterval(10);
    m_watched->setSettleInterval(10);
    m_watched->start();
    QSignalSpy availability(m_watched.get(), &WatchedFolders::availabilityChanged);
    QSignalSpy ready(m_watched.get(), &WatchedFolders::filesReady);

    const QString away = m_tree->filePath(QStringLiteral("away"));
    QVERIFY(deleted ? QDir(m_folder).removeRecursively() : QDir().rename(m_folder, away));
    QTRY_COMPARE_WITH_TIMEOUT(availability.count(), 1, 60000);
    QCOMPARE(availability.at(0), (QVariantList{m_folder, false}));
    QVERIFY(!m_watched->isAvailable(m_folder));
    QCOMPARE(m_watched->folders(), QStringList{m_folder});

    // Back with what it held (known) and one video that came meanwhile.
    QVERIFY(deleted ? put(QStringLiteral("Trips/kept.mp4")) == kept : QDir().rename(away, m_folder));
    const QString fresh = put(QStringLiteral("while away.mp4"));
    QTRY_COMPARE_WITH_TIMEOUT(availability.count(), 2, 60000);
    QCOMPARE(availability.at(1), (QVariantList{m_folder, true}));
    QTRY_COMPARE_WITH_TIMEOUT(ready.count(), 1, 60000);
    QCOMPARE(ready.at(0).at(0).toStringList(), QStringList{fresh});
}

void TestWatchedFolders::listSurvivesRestart()
{
    const QString data = m_tree->filePath(QStringLiteral("data"));
    const QString missing = m_tree->filePath(QStringLiteral("Not mounted"));
    QVERIFY(m_watched->add(missing));
    QVERIFY(!m_watched->add(m_folder + QStringLiteral("/")));
    // Deleted by the user: not brought back, also after a restart.
    const QString deleted = put(QStringLiteral("deleted.mp4"));
    m_watched->leaveOut({deleted, m_tree->filePath(QStringLiteral("elsewhere.mp4"))});
    m_watched.reset();

    WatchedFolders again(data);
    QCOMPARE(again.folders(), (QStringList{m_folder, missing}));
    QCOMPARE(again.leftOut(), QStringList{deleted});
    QSignalSpy ready(&again, &WatchedFolders::filesReady);
    again.start();
    again.checkNow();
    again.checkNow();
    QCOMPARE(ready.count(), 0);
    QVERIFY(again.isAvailable(m_folder));
    QVERIFY(!again.isAvailable(missing));

    // A list that cannot be stored changes nothing, and says so.
    LogCapture log;
    WatchedFolders unwritable(m_tree->filePath(QStringLiteral("data/watchedFolders.json")));
    QVERIFY(!unwritable.add(m_tree->path()));
    QVERIFY(unwritable.folders().isEmpty());
    QVERIFY(log.count(QtWarningMsg, QStringLiteral("cannot write")) > 0);
    QCOMPARE(WatchedFolders(data).folders(), (QStringList{m_folder, missing}));
}

QTEST_GUILESS_MAIN(TestWatchedFolders)

#include "tst_watchedfolders.moc"
