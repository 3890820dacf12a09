// The headset's whole road against the built program: it runs on the
// offscreen platform with a data folder of its own holding a library of
// generated videos. From a second network namespace the test hears the
// presence datagram, takes the port from it, fetches the list, a poster, the
// subtitle list and a subtitle, and plays a video with a seeking ffmpeg.
// After a change of the library (made while the program is stopped, since
// nothing clicks in here) the next start announces "update" and three
// "refresh" datagrams with one number.

#include "httpclients.h"
#include "netlab.h"
#include "peernamespace.h"
#include "processes.h"
#include "testvideos.h"

#include "library/corvanevideoinfo.h"
#include "library/runner.h"
#include "library/videolibraryfile.h"
#include "settings/session.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <optional>

namespace {
const quint16 kUdpPort = 9090;
const QString kLan = QStringLiteral("10.77.0.255");
const QString kProgramAddress = QStringLiteral("10.77.0.1");
} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { m_children.killAll(); }
    void headsetRoad();
    void unwritableDataFolder();

private:
    // Probes the file as the program does and appends its record to the library file.
    CorvaneVideoInfo addToLibrary(const QString &path, bool first);
    QProcess *startProgram(const QString &dataHome = QString(), const QString &program = QStringLiteral(CORVANE_BIN));
    // Waits for the next presence datagram after `after` and returns its port (0: none).
    quint16 heardPort(PeerNamespace &peer, int after);
    CurlResult ask(PeerNamespace &peer, quint16 port, const QString &target, const QStringList &extra = {});

    QTemporaryDir m_dir;
    QString m_media;
    ChildProcesses m_children;
};

void TestEndToEnd::initTestCase()
{
    QVERIFY(m_dir.isValid());
    qputenv("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("data")).toUtf8());
    m_media = m_dir.filePath(QStringLiteral("media"));
    QVERIFY(QDir().mkpath(m_media));
    QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("tmp"))));
}

CorvaneVideoInfo TestEndToEnd::addToLibrary(const QString &path, bool first)
{
    Runner runner;
    std::optional<CorvaneVideoInfo> info = runner.createVideoInfo(path);
    if (!info)
        return {};
    VideoLibraryFile().appendRecord(&*info, first);
    return *info;
}

QProcess *TestEndToEnd::startProgram(const QString &dataHome, const QString &program)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome.isEmpty() ? m_dir.filePath(QStringLiteral("data")) : dataHome);
    env.insert(QStringLiteral("TMPDIR"), m_dir.filePath(QStringLiteral("tmp")));
    return m_children.start(program, {}, env);
}

quint16 TestEndToEnd::heardPort(PeerNamespace &peer, int after)
{
    return peer.presencePort(kLan, after);
}

CurlResult TestEndToEnd::ask(PeerNamespace &peer, quint16 port, const QString &target, const QStringList &extra)
{
    return curlUrl(QStringLiteral("http://%1:%2%3").arg(kProgramAddress).arg(port).arg(target), extra, peer.exec());
}

void TestEndToEnd::headsetRoad()
{
    REQUIRE_NETLAB();
    PeerNamespace peer;
    REQUIRE_PEER(peer);
    CHECK_LAB(peer.addLan(0), peer);
    CHECK_LAB(peer.startListener(kUdpPort), peer);

    // The library: three generated videos, a subtitle beside the first.
    const QStringList names{QStringLiteral("Beach walk.mp4"), QStringLiteral("City night.mp4"),
                            QStringLiteral("Forest.mp4")};
    QList<CorvaneVideoInfo> records;
    for (int i = 0; i < names.size(); ++i) {
        const QString path = m_media + QLatin1Char('/') + names.at(i);
        QVERIFY(TestVideos::clip(path, 4 + i, QStringLiteral("320x180"), 25, 15));
        records << addToLibrary(path, i == 0);
        QVERIFY(!records.last().videoPath.isEmpty());
    }
    const QByteArray subtitle = "1\n00:00:00,000 --> 00:00:02,000\nWaves\n";
    QVERIFY(TestSupport::writeFile(m_media + QStringLiteral("/Beach walk.en.srt"), subtitle));

    QProcess *program = startProgram();
    QVERIFY(program);
    const quint16 port = heardPort(peer, 0);
    QVERIFY2(port >= 9000, "no presence datagram with a port");

    const CurlResult list = ask(peer, port, QStringLiteral("/list"));
    QCOMPARE(list.status(), 200);
    const QJsonObject library = QJsonDocument::fromJson(list.body).object();
    QCOMPARE(library.value(QStringLiteral("number")).toString(), QStringLiteral("3"));
    const QJsonArray items = library.value(QStringLiteral("items")).toArray();
    QCOMPARE(items.size(), 3);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(items.at(i).toObject().value(QStringLiteral("video")).toString(), names.at(i));
    const QJsonObject first = items.at(0).toObject();

    const CurlResult poster = ask(peer, port, QLatin1Char('/') + first.value(QStringLiteral("posterpath")).toString());
    QCOMPARE(poster.status(), 200);
    QVERIFY(poster.body.startsWith("\x89PNG"));
    QCOMPARE(poster.body, TestSupport::fileBytes(records.at(0).posterPathReal));

    const QString id = records.at(0).videoPath;
    const CurlResult subtitles = ask(peer, port, QStringLiteral("/subtitle_list/") + id);
    QCOMPARE(subtitles.status(), 200);
    QCOMPARE(QJsonDocument::fromJson(subtitles.body).array(), QJsonArray{QStringLiteral("Beach walk.en.srt")});
    const CurlResult srt = ask(peer, port, QStringLiteral("/subtitle/%1/%2").arg(id, QString::fromLatin1(QUrl::toPercentEncoding(QStringLiteral("Beach walk.en.srt")))));
    QCOMPARE(srt.status(), 206); // served as a file, like videos
    QCOMPARE(srt.body, subtitle);

    // Played from the middle, as a player seeks: the same frames as from the file.
    auto frames = [&](const QStringList &wrapper, const QString &input) {
        int code = -1;
        QStringList args = wrapper;
        args << QStringLiteral("ffmpeg") << QStringLiteral("-v") << QStringLiteral("error") << QStringLiteral("-ss")
             << QStringLiteral("2.2") << QStringLiteral("-i") << input << QStringLiteral("-frames:v")
             << QStringLiteral("20") << QStringLiteral("-f") << QStringLiteral("framemd5") << QStringLiteral("-");
        const QString tool = args.takeFirst();
        const QByteArray out = TestSupport::run(tool, args, &code, 120000);
        return code == 0 ? out : QByteArray();
    };
    const QByteArray local = frames({}, m_media + QLatin1Char('/') + names.at(0));
    QVERIFY(local.count("\n0,") >= 20);
    const QByteArray remote = frames(peer.exec(),
                                     QStringLiteral("http://%1:%2/video/%3").arg(kProgramAddress).arg(port).arg(id));
    QCOMPARE(remote, local);

    // A fourth video joins the library; the next start tells the headset.
    program->kill();
    QVERIFY(TestSupport::ended(program));
    const QString added = m_media + QStringLiteral("/Added.mp4");
    QVERIFY(TestVideos::clip(added, 3, QStringLiteral("320x180"), 25, 15));
    QVERIFY(!addToLibrary(added, false).videoPath.isEmpty());
    CHECK_LAB(peer.sync(QStringLiteral("10.77.0.2")), peer);
    const int before = peer.payloadsTo(kLan).size();
    QVERIFY(startProgram());
    const quint16 again = heardPort(peer, before);
    QVERIFY(again >= 9000);
    QStringList announced;
    QTRY_VERIFY_WITH_TIMEOUT((announced = peer.payloadsTo(kLan).mid(before)).filter(QStringLiteral("refresh")).size() >= 3,
                             30000);
    QCOMPARE(announced.filter(QStringLiteral("$update")).size(), 1);
    const QStringList refresh = announced.filter(QStringLiteral("refresh"));
    QVERIFY(QRegularExpression(QStringLiteral("^1\\$corvane\\$refresh\\$\\d+$")).match(refresh.at(0)).hasMatch());
    QCOMPARE(refresh, (QStringList{refresh.at(0), refresh.at(0), refresh.at(0)}));
    const CurlResult changed = ask(peer, again, QStringLiteral("/list"));
    QCOMPARE(QJsonDocument::fromJson(changed.body).object().value(QStringLiteral("number")).toString(),
             QStringLiteral("4"));
}

void TestEndToEnd::unwritableDataFolder()
{
    // The data folder cannot be made (a file stands where a folder should,
    // which stops root too): the program says so and runs, serving an empty
    // library on the port it announces.
    REQUIRE_NETLAB();
    PeerNamespace peer;
    REQUIRE_PEER(peer);
    CHECK_LAB(peer.addLan(0), peer);
    CHECK_LAB(peer.startListener(kUdpPort), peer);
    const QString blocker = m_dir.filePath(QStringLiteral("not-a-folder"));
    QVERIFY(TestSupport::writeFile(blocker, "a file"));
    // Without a data folder there is no lock file, and the program counts
    // the processes of its name: a name of its own keeps other copies on
    // this machine out of the count.
    const QString alias = m_dir.filePath(QStringLiteral("Corvane-%1").arg(QCoreApplication::applicationPid()));
    QVERIFY(QFile::link(QStringLiteral(CORVANE_BIN), alias));
    QProcess *program = startProgram(blocker + QStringLiteral("/data"), alias);
    QVERIFY(program);
    const quint16 port = heardPort(peer, 0);
    const QByteArray errors = program->readAllStandardError();
    QVERIFY2(port >= 9000, errors.constData());
    const CurlResult list = ask(peer, port, QStringLiteral("/list"));
    QCOMPARE(list.status(), 200);
    QVERIFY(QJsonDocument::fromJson(list.body).isObject());
    QCOMPARE(program->state(), QProcess::Running);
    QVERIFY2(errors.contains("cannot create folder"), errors.constData());
}

NETLAB_TEST_MAIN(TestEndToEnd, QCoreApplication)
#include "tst_e2e.moc"
