// The server without a window: videos added from the command line, the
// library served and announced on a LAN of the test's own, one serving copy
// per data folder, and a clean end on SIGTERM.

#include "httpclients.h"
#include "netlab.h"
#include "peernamespace.h"
#include "processes.h"
#include "testvideos.h"

#include "discovery/udpannouncer.h"
#include "library/watchedfolders.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <csignal>

namespace {
const quint16 kUdpPort = 9090;
const QString kLan = QStringLiteral("10.77.0.255");
const QString kServerAddress = QStringLiteral("10.77.0.1");
} // namespace

class TestHeadless : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { m_children.killAll(); }
    void linksNoWidgets();
    void addRefuses_data();
    void addRefuses();
    void servesAndEnds();
    void addsWhatAppearsInWatchedFolders();
    void addFolder();

private:
    struct Result
    {
        int code = -1;
        QByteArray out;
        QByteArray err;
    };
    Result runServer(const QStringList &arguments, const QString &program = QStringLiteral(CORVANE_SERVER_BIN));
    QStringList dataArgs() const { return {QStringLiteral("--data-dir"), m_data}; }
    CurlResult ask(PeerNamespace &peer, quint16 port, const QString &target);

    QTemporaryDir m_dir;
    QString m_data;
    QString m_clip;
    ChildProcesses m_children;
};

void TestHeadless::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // The window's data folder under a home of the test's own, given to the
    // server by --data-dir: both programs then share one folder.
    qputenv("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("home")).toUtf8());
    m_data = m_dir.filePath(QStringLiteral("home/NuvoVR/Brindlecast"));
    // The window's hand-over socket lives here, apart from other copies'.
    QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("tmp"))));
    qputenv("TMPDIR", m_dir.filePath(QStringLiteral("tmp")).toUtf8());
    m_clip = m_dir.filePath(QStringLiteral("Harbour at dawn.mp4"));
    QVERIFY(TestVideos::clip(m_clip, 3, QStringLiteral("160x90")));
    const Result added = runServer(QStringList{QStringLiteral("--add"), m_clip} + dataArgs());
    QVERIFY2(added.code == 0, added.err.constData());
}

TestHeadless::Result TestHeadless::runServer(const QStringList &arguments, const QString &program)
{
    QProcess process;
    process.start(program, arguments);
    Result result;
    if (!process.waitForStarted() || !TestSupport::ended(&process, 120000))
        return result;
    result.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

CurlResult TestHeadless::ask(PeerNamespace &peer, quint16 port, const QString &target)
{
    return curlUrl(QStringLiteral("http://%1:%2%3").arg(kServerAddress).arg(port).arg(target), {}, peer.exec(), 20);
}

void TestHeadless::linksNoWidgets()
{
    int code = -1;
    const QByteArray libraries = TestSupport::run(QStringLiteral("ldd"), {QStringLiteral(CORVANE_SERVER_BIN)}, &code);
    QCOMPARE(code, 0);
    QVERIFY(libraries.contains("libQt5Core"));
    QVERIFY2(!libraries.contains("libQt5Widgets"), libraries.constData());
}

void TestHeadless::addRefuses_data()
{
    // The reason as the user reads it, in the shipped settings' language (us).
    QTranslator catalogue;
    QVERIFY(catalogue.load(QStringLiteral(CORVANE_APP_DIR "/translation/corvane_en.qm")));
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reason");
    QTest::newRow("duplicate") << QString() << catalogue.translate("Runner", "already add the video");
    QTest::newRow("not a video") << QStringLiteral("notes.txt") << catalogue.translate("Runner", "not video file");
    QTest::newRow("unreadable") << QStringLiteral("missing.mp4")
                                << catalogue.translate("HeadlessServer", "cannot read the file");
}

void TestHeadless::addRefuses()
{
    QFETCH(QString, file);
    QFETCH(QString, reason);
    QVERIFY(!reason.isEmpty());
    const QString path = file.isEmpty() ? m_clip : m_dir.filePath(file);
    if (file.endsWith(QLatin1String(".txt")))
        QVERIFY(TestSupport::writeFile(path, "not a video\n"));
    const QByteArray before = TestSupport::fileBytes(m_data + QStringLiteral("/corvanevideo.dat"));
    QVERIFY(!before.isEmpty());

    const Result result = runServer(QStringList{QStringLiteral("--add"), path} + dataArgs());
    QVERIFY(result.code > 0);
    QVERIFY2(result.err.contains(path.toLocal8Bit() + ": " + reason.toUtf8()), result.err.constData());
    QCOMPARE(TestSupport::fileBytes(m_data + QStringLiteral("/corvanevideo.dat")), before);
}

void TestHeadless::servesAndEnds()
{
    REQUIRE_NETLAB();
    PeerNamespace peer;
    REQUIRE_PEER(peer);
    CHECK_LAB(peer.addLan(0), peer);
    CHECK_LAB(peer.startListener(kUdpPort), peer);

    QProcess *server = m_children.start(QStringLiteral(CORVANE_SERVER_BIN), dataArgs());
    QVERIFY(server);
    const quint16 port = peer.presencePort(kLan);
    QVERIFY2(port >= 9000, "no presence datagram heard on the LAN");

    const CurlResult list = ask(peer, port, QStringLiteral("/list"));
    QCOMPARE(list.status(), 200);
    const QJsonArray items = QJsonDocument::fromJson(list.body).object().value(QStringLiteral("items")).toArray();
    QCOMPARE(items.size(), 1);
    const QJsonObject item = items.at(0).toObject();
    QCOMPARE(item.value(QStringLiteral("videopathreal")).toString(), m_clip);
    // The poster is the one the add wrote into the data folder, as the window writes it.
    const QString poster = item.value(QStringLiteral("posterpathreal")).toString();
    QCOMPARE(QFileInfo(poster).absolutePath(), m_data + QStringLiteral("/videoPictures"));
    const CurlResult picture = ask(peer, port, QLatin1Char('/') + item.value(QStringLiteral("posterpath")).toString());
    QCOMPARE(picture.status(), 200);
    QVERIFY(picture.body.startsWith("\x89PNG"));
    QCOMPARE(picture.body, TestSupport::fileBytes(poster));

    // While it serves, neither a second server, an add nor the window may use the folder.
    const QByteArray holder = QByteArray::number(server->processId());
    const QList<QPair<QString, QStringList>> seconds{
        {QStringLiteral(CORVANE_SERVER_BIN), dataArgs()},
        {QStringLiteral(CORVANE_SERVER_BIN), QStringList{QStringLiteral("--add"), m_clip} + dataArgs()},
        {QStringLiteral(CORVANE_BIN), {}}};
    for (const auto &second : seconds) {
        const Result refused = runServer(second.second, second.first);
        QVERIFY2(refused.code > 0, qPrintable(second.first));
        QVERIFY2(refused.err.contains("serves this data folder") && refused.err.contains(holder), refused.err.constData());
    }

    ::kill(pid_t(server->processId()), SIGTERM);
    QVERIFY(TestSupport::ended(server));
    QCOMPARE(server->exitStatus(), QProcess::NormalExit);
    QCOMPARE(server->exitCode(), 0);
    QCOMPARE(ask(peer, port, QStringLiteral("/list")).exitCode, 7); // connection refused: closed
    bool closedLogged = false;
    for (const QByteArray &line : TestSupport::alogLines(m_data))
        closedLogged = closedLogged || line.contains("server closed");
    QVERIFY(closedLogged);
}

void TestHeadless::addsWhatAppearsInWatchedFolders()
{
    REQUIRE_NETLAB();
    PeerNamespace peer;
    REQUIRE_PEER(peer);
    CHECK_LAB(peer.addLan(0), peer);
    CHECK_LAB(peer.startListener(kUdpPort), peer);
    // Kept watched in the list the window keeps; a file is no folder to watch.
    const QString folder = m_dir.filePath(QStringLiteral("Watched"));
    QVERIFY(QDir().mkpath(folder));
    QCOMPARE(runServer(QStringList{QStringLiteral("--watch"), m_clip} + dataArgs()).code, 1);
    QCOMPARE(runServer(QStringList{QStringLiteral("--watch"), folder} + dataArgs()).code, 0);
    QCOMPARE(WatchedFolders(m_data).folders(), QStringList{folder});
    QProcess *server = m_children.start(QStringLiteral(CORVANE_SERVER_BIN), dataArgs());
    QVERIFY(server);
    const quint16 port = peer.presencePort(kLan);
    QVERIFY2(port >= 9000, "no presence datagram heard on the LAN");

    const QString made = m_dir.filePath(QStringLiteral("Evening tide.mp4"));
    const QString path = folder + QStringLiteral("/Evening tide.mp4");
    QVERIFY(TestVideos::clip(made, 2) && QFile::rename(made, path));
    QTRY_VERIFY_WITH_TIMEOUT(peer.payloadsTo(kLan).contains(UdpAnnouncer::updateText()), 60000);
    QStringList served;
    const QByteArray list = ask(peer, port, QStringLiteral("/list")).body;
    for (const QJsonValue &item : QJsonDocument::fromJson(list).object().value(QStringLiteral("items")).toArray())
        served.append(item.toObject().value(QStringLiteral("videopathreal")).toString());
    QCOMPARE(served.count(path), 1);
    QCOMPARE(served.constLast(), path);
    ::kill(pid_t(server->processId()), SIGTERM);
    QVERIFY(TestSupport::ended(server));
}

void TestHeadless::addFolder()
{
    // Sub-folders walked, a hidden one and a link loop skipped, a link to a
    // file outside followed, the text file counted; the second add finds
    // every one known.
    const QString root = m_dir.filePath(QStringLiteral("shelf"));
    QVERIFY(QDir().mkpath(root + QStringLiteral("/a/b")));
    QVERIFY(QDir().mkpath(root + QStringLiteral("/.private")));
    QVERIFY(QFile::copy(m_clip, root + QStringLiteral("/a/one.mp4")));
    QVERIFY(QFile::copy(m_clip, root + QStringLiteral("/a/b/two.mkv")));
    QVERIFY(QFile::copy(m_clip, root + QStringLiteral("/.private/three.mp4")));
    QVERIFY(QFile::link(m_clip, root + QStringLiteral("/known.mp4")));
    QVERIFY(QFile::link(QStringLiteral(".."), root + QStringLiteral("/a/b/up")));
    QVERIFY(TestSupport::writeFile(root + QStringLiteral("/a/list.txt"), "not a video\n"));

    const QList<QByteArray> expected{"3 added, 1 not video file", "3 already in the library, 1 not video file"};
    for (const QByteArray &summary : expected) {
        const Result result = runServer(QStringList{QStringLiteral("--add"), root} + dataArgs());
        QCOMPARE(result.code, 0);
        QCOMPARE(result.out.trimmed(), root.toLocal8Bit() + ": " + summary);
    }
}

NETLAB_TEST_MAIN(TestHeadless, QCoreApplication)

#include "tst_headless.moc"
