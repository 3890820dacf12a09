// The media routes behind the real server, asked by real clients: curl for
// every route, ffprobe and a seeking ffmpeg reading videos through /video.

#include "logcapture.h"
#include "httpclients.h"
#include "processes.h"
#include "testvideos.h"

#include "library/projectionstore.h"
#include "server/libraryindex.h"
#include "server/mediaroutes.h"
#include "server/playerroutes.h"
#include "server/subtitletext.h"
#include "server/tcpservermanage.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <atomic>

class ErrorReceiver : public QObject
{
    Q_OBJECT
public:
    QList<qint64> codes;
    QList<QThread *> threads;
public slots:
    void slotToErrorcode(qint64 code)
    {
        codes.append(code);
        threads.append(QThread::currentThread());
    }
};

struct Video
{
    QString id;
    QString path;
    QString poster;
};

class TestMediaRoutes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void listServesLibrary_data();
    void listServesLibrary();
    void listBeforeAnythingPublished();
    void poster();
    void videoRanges_data();
    void videoRanges();
    void videoUnsatisfiable();
    void lowerCaseRangeIsNotRange();
    void videoLookup_data();
    void videoLookup();
    void subtitleList_data();
    void subtitleList();
    void subtitleFile_data();
    void subtitleFile();
    void faviconUnanswered();
    void longRequestsLoggedShort_data();
    void longRequestsLoggedShort();
    void missingIdsCostLittleMemory();
    void routeTable_data();
    void routeTable();
    void ffprobeThroughServer_data();
    void ffprobeThroughServer();
    void seekingFfmpegThroughServer_data();
    void seekingFfmpegThroughServer();
    void libraryReplacedWhileServing();
    void readRange_data();
    void readRange();
    void playerRoutes_data();
    void playerRoutes();
    void headIsGetsHead();

private:
    CurlResult curl(const QString &target, const QStringList &extra = {}) const { return ::curl(port, target, extra); }
    QString url(const QString &target) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(target);
    }
    static QString itemText(int index, const Video &v);
    QJsonObject libraryOf(const QList<Video> &videos) const;

    QTemporaryDir dir;
    QString media;
    QList<Video> videos;
    QJsonObject library;
    MediaRoutes routes;
    HttpServer::TcpServerManage *server = nullptr;
    quint16 port = 0;
    ErrorReceiver receiver;
    LogCapture *log = nullptr;
    ProjectionStore *store = nullptr;
};

QString TestMediaRoutes::itemText(int index, const Video &v)
{
    // The item text of the library record, key by key as the library writes it.
    const qint64 size = QFileInfo(v.path).size();
    QString text;
    text += QStringLiteral("{\"%1\":\"%2\",").arg("index").arg(index);
    text += QStringLiteral("\"%1\":\"%2\",").arg("poster").arg(v.id + ".png");
    text += QStringLiteral("\"%1\":\"%2\",").arg("video").arg(QFileInfo(v.path).fileName());
    text += QStringLiteral("\"%1\":\"%2\",").arg("size").arg(size / 1024);
    text += QStringLiteral("\"%1\":\"%2\",").arg("length").arg(4);
    text += QStringLiteral("\"%1\":\"%2\",").arg("videopathreal").arg(v.path);
    text += QStringLiteral("\"%1\":\"%2\",").arg("posterpathreal").arg(v.poster);
    text += QStringLiteral("\"%1\":\"video/%2\",").arg("videopath").arg(v.id);
    text += QStringLiteral("\"%1\":\"post/%2\"}").arg("posterpath").arg(v.id);
    return text;
}

QJsonObject TestMediaRoutes::libraryOf(const QList<Video> &list) const
{
    QStringList items;
    for (int i = 0; i < list.size(); ++i)
        items << itemText(i, list.at(i));
    const QString text = QStringLiteral("{\"number\":\"%1\",\"items\": [").arg(items.size())
                         + items.join(',') + QStringLiteral("]}");
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError)
        qWarning() << "library text does not parse:" << error.errorString();
    return doc.object();
}

void TestMediaRoutes::initTestCase()
{
    QVERIFY(dir.isValid());
    qputenv("XDG_DATA_HOME", dir.path().toUtf8());
    log = new LogCapture;
    media = dir.filePath("media");
    QVERIFY(QDir().mkpath(media));
    QVERIFY(QDir().mkpath(dir.filePath("videoPictures")));

    struct Clip { QString id, name; QStringList codec; };
    const QList<Clip> clips = {
        {"1607300000042", "Trip.2019.mp4", {"-c:v", "libx264", "-g", "15", "-pix_fmt", "yuv420p"}},
        {"1607300000043", "My Movie.mkv", {"-c:v", "mpeg4", "-q:v", "5"}},
        {"1607300000044", "Ünïcödé clip.mp4", {"-c:v", "libx264", "-g", "25", "-pix_fmt", "yuv420p"}},
    };
    for (const Clip &s : clips) {
        Video v;
        v.id = s.id;
        v.path = media + "/" + s.name;
        v.poster = dir.filePath("videoPictures/" + s.id + ".png");
        QStringList args{"-v", "error", "-y", "-f", "lavfi", "-i",
                         "testsrc=duration=4:size=320x240:rate=25", "-f", "lavfi", "-i",
                         "sine=frequency=440:duration=4"};
        args += s.codec;
        args << "-c:a" << (s.name.endsWith(".mkv") ? "libvorbis" : "aac") << "-shortest" << v.path;
        QVERIFY2(TestVideos::ffmpeg(args), qPrintable(s.name));
        QImage poster(160, 90, QImage::Format_RGB32);
        poster.fill(QColor(0x00, 0xec, 0xf6));
        QVERIFY(poster.save(v.poster, "PNG"));
        videos << v;
    }
    // Subtitles beside the videos, and files that must never be served.
    const QMap<QString, QByteArray> sidecars = {
        {"Trip.2019.srt", "1\n00:00:00,000 --> 00:00:01,000\nHello\n"},
        {"Trip.2019.en.ass", "[Script Info]\nTitle: Trip\n"},
        {"Other.srt", "1\n00:00:00,000 --> 00:00:01,000\nOther\n"},
        {"My Movie.srt", "1\n00:00:00,000 --> 00:00:02,000\nMy movie \xe2\x9c\x93\n"},
        {"My Movie.notes.txt", "not a subtitle"},
        {"My Movie.a..b.srt", "1\n00:00:00,000 --> 00:00:01,000\nDots inside\n"},
        {"My Movie...srt", "1\n00:00:00,000 --> 00:00:01,000\nDots before the suffix\n"},
    };
    for (auto it = sidecars.cbegin(); it != sidecars.cend(); ++it) {
        QFile f(media + "/" + it.key());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(it.value());
    }
    QFile secret(dir.filePath("secret.srt"));
    QVERIFY(secret.open(QIODevice::WriteOnly));
    secret.write("outside the media folder\n");
    secret.close();

    library = libraryOf(videos);
    QCOMPARE(library.value("items").toArray().size(), videos.size());

    server = new HttpServer::TcpServerManage(5);
    server->setIdleTimeout(800);
    routes.setLibraryJson(library);
    routes.setErrorcodeReceiver(&receiver, &ErrorReceiver::slotToErrorcode);
    store = new ProjectionStore(dir.filePath("data"));
    PlayerRoutes::install(routes, store);
    server->setHttpAcceptedCallback(routes.handler());
    QVERIFY(server->listen(QHostAddress::LocalHost, 0));
    port = server->serverPort();
}

void TestMediaRoutes::init()
{
    // Error codes of the previous test may still be queued to us.
    QCoreApplication::processEvents();
    log->clear();
    receiver.codes.clear();
    receiver.threads.clear();
    routes.setLibraryJson(library);
}

void TestMediaRoutes::cleanupTestCase()
{
    delete server;
    delete store;
    delete log;
}

void TestMediaRoutes::listServesLibrary_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("answered");
    QTest::newRow("/list") << "/list" << true;
    QTest::newRow("trailing slash") << "/list/" << true;
    QTest::newRow("more segments") << "/list/anything/else" << true;
    // The first segment is matched whole, query included: not a route.
    QTest::newRow("query string") << "/list?since=3" << false;
}

void TestMediaRoutes::listServesLibrary()
{
    QFETCH(QString, target);
    QFETCH(bool, answered);
    const CurlResult r = curl(target);
    if (!answered) {
        QCOMPARE(r.exitCode, 52); // curl: empty reply from server
        QCOMPARE(r.head, QByteArray());
        return;
    }
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.statusLine(), QByteArray("HTTP/1.1 200 OK"));
    QCOMPARE(r.header("Content-Type"), QByteArray("application/json;charset=UTF-8"));
    QCOMPARE(r.header("Content-Length").toLongLong(), qint64(r.body.size()));
    QCOMPARE(r.body, QJsonDocument(library).toJson(QJsonDocument::Compact));
    QVERIFY(r.body.startsWith("{\"items\":[{\"index\":\"0\",\"length\":\"4\",\"poster\":"));
    QVERIFY(r.body.endsWith("],\"number\":\"3\"}"));
    QVERIFY(r.body.contains("\"videopath\":\"video/1607300000044\""));
    QVERIFY(r.body.contains(QStringLiteral("Ünïcödé clip.mp4").toUtf8()));
    QTRY_VERIFY(log->contains("******* end *******"));
    QVERIFY(log->contains("******* start *******"));
    QVERIFY(log->contains("clientip: 127.0.0.1"));
    QVERIFY(log->lines().contains(target));
    // Name, three blanks, value; the client's name is logged twice.
    QCOMPARE(log->count(QStringLiteral("User-Agent     curl/")), 2);
    QCOMPARE(log->count(QStringLiteral("Host     127.0.0.1:")), 1);
    QVERIFY(log->lines().contains(QStringLiteral("list     ") + target.mid(6)));
}

void TestMediaRoutes::listBeforeAnythingPublished()
{
    routes.setLibraryJson(QJsonObject());
    CurlResult r = curl("/list");
    QCOMPARE(r.body, QByteArray("{}"));
    routes.setLibraryJson(libraryOf({}));
    r = curl("/list");
    QCOMPARE(r.body, QByteArray("{\"items\":[],\"number\":\"0\"}"));
    r = curl("/video/" + videos.at(0).id);
    QCOMPARE(r.head, QByteArray("HTTP/1.1 404 Partial Content\r\n\r\n"));
}

void TestMediaRoutes::poster()
{
    const Video &v = videos.at(1);
    CurlResult r = curl("/post/" + v.id);
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.statusLine(), QByteArray("HTTP/1.1 200 OK"));
    QCOMPARE(r.header("Content-Type"), QByteArray("image/jpeg"));
    QCOMPARE(r.body, TestSupport::fileBytes(v.poster));
    QVERIFY(QImage::fromData(r.body).size() == QSize(160, 90));

    // A poster that has vanished since it was listed.
    Video gone = v;
    gone.id = "1607300000099";
    gone.poster = dir.filePath("videoPictures/1607300000099.png");
    routes.setLibraryJson(libraryOf({v, gone}));
    r = curl("/post/" + gone.id);
    QCOMPARE(r.head, QByteArray("HTTP/1.1 404 Partial Content\r\n\r\n"));
    QCOMPARE(r.body, QByteArray());
    QTRY_COMPARE(receiver.codes, QList<qint64>{404});
    QCOMPARE(receiver.threads.value(0), QThread::currentThread());
    r = curl("/post/nope");
    QCOMPARE(r.head, QByteArray("HTTP/1.1 404 Partial Content\r\n\r\n"));
}

void TestMediaRoutes::videoRanges_data()
{
    QTest::addColumn<QString>("range"); // the Range value sent, empty for none
    QTest::addColumn<qint64>("first");  // -1: from the end of the file
    QTest::addColumn<qint64>("last");   // -1: the last byte
    QTest::newRow("no Range") << QString() << qint64(0) << qint64(-1);
    QTest::newRow("bytes=0-") << "bytes=0-" << qint64(0) << qint64(-1);
    QTest::newRow("bytes=100-199") << "bytes=100-199" << qint64(100) << qint64(199);
    QTest::newRow("bytes=100-") << "bytes=100-" << qint64(100) << qint64(-1);
    QTest::newRow("suffix bytes=-500") << "bytes=-500" << qint64(-500) << qint64(-1);
    QTest::newRow("end past file") << "bytes=1000-99999999999" << qint64(1000) << qint64(-1);
    QTest::newRow("unreadable: text") << "bytes=abc" << qint64(0) << qint64(-1);
    QTest::newRow("unreadable: no dash") << "bytes=100" << qint64(0) << qint64(-1);
    QTest::newRow("unreadable: other unit") << "items=100-199" << qint64(0) << qint64(-1);
    QTest::newRow("unreadable: several ranges") << "bytes=0-1,5-9" << qint64(0) << qint64(-1);
    QTest::newRow("unreadable: overflowing") << "bytes=99999999999999999999-" << qint64(0) << qint64(-1);
    QTest::newRow("unreadable: bare dash") << "bytes=-" << qint64(0) << qint64(-1);
}

void TestMediaRoutes::videoRanges()
{
    QFETCH(QString, range);
    QFETCH(qint64, first);
    QFETCH(qint64, last);
    const Video &v = videos.at(0);
    const qint64 size = QFileInfo(v.path).size();
    if (first < 0)
        first = size + first;
    if (last < 0)
        last = size - 1;
    QStringList extra;
    if (!range.isEmpty())
        extra << "-H" << "Range: " + range;
    const CurlResult r = curl("/video/" + v.id, extra);
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.statusLine(), QByteArray("HTTP/1.1 206 Partial Content"));
    QCOMPARE(r.header("Content-Range"),
             QStringLiteral("bytes %1-%2/%3").arg(first).arg(last).arg(size).toLatin1());
    QCOMPARE(r.header("Content-Length").toLongLong(), last - first + 1);
    QCOMPARE(qint64(r.body.size()), last - first + 1);
    QVERIFY(r.body == TestSupport::fileBytes(v.path, first, last - first + 1));
    QTRY_VERIFY(log->contains("******* end *******"));
    // Id, path and the range read, spaced as the designed line spaces them.
    QVERIFY(log->contains(v.id + "   " + v.path + "  s= "));
}

void TestMediaRoutes::videoUnsatisfiable()
{
    const Video &v = videos.at(0);
    const qint64 size = QFileInfo(v.path).size();
    for (const QString &range : {QStringLiteral("bytes=%1-").arg(size),
                                 QStringLiteral("bytes=%1-%2").arg(size + 10).arg(size + 20)}) {
        const CurlResult r = curl("/video/" + v.id, {"-H", "Range: " + range});
        QCOMPARE(r.head, QStringLiteral("HTTP/1.1 416 Partial Content\r\nContent-Range: bytes */%1\r\n\r\n")
                             .arg(size)
                             .toLatin1());
        QCOMPARE(r.body, QByteArray());
    }
}

void TestMediaRoutes::lowerCaseRangeIsNotRange()
{
    // Header names are compared exactly: "range" is not "Range".
    const Video &v = videos.at(0);
    const qint64 size = QFileInfo(v.path).size();
    const RawClient::Reply reply = RawClient::get(port, "/video/" + v.id.toLatin1(), {"range: bytes=100-199"});
    QVERIFY(reply.closedByServer);
    QCOMPARE(reply.headers.value("Content-Range"), QStringLiteral("bytes 0-%1/%2").arg(size - 1).arg(size).toLatin1());
    QCOMPARE(qint64(reply.body.size()), size);
}

void TestMediaRoutes::videoLookup_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("served"); // index into videos, -1 for 404
    QTest::newRow("exact id") << "/video/1607300000043" << 1;
    QTest::newRow("unknown id") << "/video/999" << -1;
    QTest::newRow("empty id matches all, last wins") << "/video/" << 2;
    QTest::newRow("no id matches all, last wins") << "/video" << 2;
    QTest::newRow("substring of several ids, last wins") << "/video/16073000000" << 2;
    QTest::newRow("route names are case-sensitive") << "/Video/1607300000043" << -2;
}

void TestMediaRoutes::videoLookup()
{
    QFETCH(QString, target);
    QFETCH(int, served);
    if (served == -2) {
        // Not a route: no reply at all, closed by the idle time-out.
        const RawClient::Reply reply = RawClient::get(port, target.toUtf8());
        QVERIFY(reply.closedByServer);
        QCOMPARE(reply.raw, QByteArray());
        return;
    }
    const CurlResult r = curl(target);
    if (served < 0) {
        QCOMPARE(r.head, QByteArray("HTTP/1.1 404 Partial Content\r\n\r\n"));
        QTRY_COMPARE(receiver.codes, QList<qint64>{404});
        return;
    }
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.body == TestSupport::fileBytes(videos.at(served).path));
}

void TestMediaRoutes::subtitleList_data()
{
    QTest::addColumn<int>("video");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("two of three beside Trip.2019") << 0 << QStringList{"Trip.2019.en.ass", "Trip.2019.srt"};
    QTest::newRow("My Movie") << 1 << QStringList{"My Movie...srt", "My Movie.a..b.srt", "My Movie.srt"};
    QTest::newRow("none: 404") << 2 << QStringList{};
    QTest::newRow("unknown id: 404") << -1 << QStringList{};
}

void TestMediaRoutes::subtitleList()
{
    QFETCH(int, video);
    QFETCH(QStringList, names);
    const QString id = video < 0 ? QStringLiteral("nope") : videos.at(video).id;
    const CurlResult r = curl("/subtitle_list/" + id);
    if (names.isEmpty()) {
        QCOMPARE(r.head, QByteArray("HTTP/1.1 404 Partial Content\r\n\r\n"));
        return;
    }
    QCOMPARE(r.header("Content-Type"), QByteArray("application/json;charset=UTF-8"));
    QStringList got;
    for (const QJsonValue &value : QJsonDocument::fromJson(r.body).array())
        got << value.toString();
    got.sort();
    QCOMPARE(got, names);
    QCOMPARE(MediaRoutes::listSubtitles(videos.at(video).path).size(), names.size());
}

void TestMediaRoutes::subtitleFile_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("file"); // served file, empty for 404
    QTest::addColumn<QString>("message");
    const QString trip = "1607300000042";
    const QString mine = "1607300000043";
    QTest::newRow("My%20Movie.srt") << "/subtitle/" + mine + "/My%20Movie.srt" << "My Movie.srt" << QString();
    QTest::newRow("Trip.2019.en.ass") << "/subtitle/" + trip + "/Trip.2019.en.ass" << "Trip.2019.en.ass" << QString();
    QTest::newRow("as WebVTT") << "/subtitle/" + mine + "/My%20Movie.srt?format=vtt" << "My Movie.srt" << QString();
    QTest::newRow("another format asked") << "/subtitle/" + mine + "/My%20Movie.srt?format=ass" << "My Movie.srt" << QString();
    QTest::newRow("dots inside a name") << "/subtitle/" + mine + "/My%20Movie.a..b.srt" << "My Movie.a..b.srt" << QString();
    QTest::newRow("dots before the suffix") << "/subtitle/" + mine + "/My%20Movie...srt" << "My Movie...srt" << QString();
    QTest::newRow("parent folder") << "/subtitle/" + mine + "/%2E%2E" << QString() << "subtitle name refused";
    QTest::newRow("this folder") << "/subtitle/" + mine + "/%2E" << QString() << "subtitle name refused";
    QTest::newRow("encoded traversal") << "/subtitle/" + mine + "/..%2Fsecret.srt" << QString() << "subtitle name refused";
    QTest::newRow("encoded dots") << "/subtitle/" + mine + "/%2E%2E%2Fsecret.srt" << QString() << "subtitle name refused";
    QTest::newRow("backslash") << "/subtitle/" + mine + "/..%5Csecret.srt" << QString() << "subtitle name refused";
    QTest::newRow("NUL") << "/subtitle/" + mine + "/My%20Movie.srt%00.txt" << QString() << "subtitle name refused";
    QTest::newRow("absolute path") << "/subtitle/" + mine + "/%2Fetc%2Fpasswd" << QString() << "subtitle name refused";
    QTest::newRow("not listed for this video") << "/subtitle/" + mine + "/Other.srt" << QString() << "subtitle name refused";
    QTest::newRow("another video's subtitle") << "/subtitle/" + mine + "/Trip.2019.srt" << QString() << "subtitle name refused";
    QTest::newRow("not a subtitle") << "/subtitle/" + mine + "/My%20Movie.notes.txt" << QString() << "subtitle name refused";
    QTest::newRow("the video itself") << "/subtitle/" + mine + "/My%20Movie.mkv" << QString() << "subtitle name refused";
    QTest::newRow("one part") << "/subtitle/" + mine << QString() << "wrong parmaeter when get subtitle file. url = ";
    QTest::newRow("three parts") << "/subtitle/" + mine + "/a/b" << QString() << "wrong parmaeter when get subtitle file. url = ";
    QTest::newRow("plain traversal") << "/subtitle/" + mine + "/../secret.srt" << QString() << "wrong parmaeter when get subtitle file. url = ";
    QTest::newRow("unknown id") << "/subtitle/nope/My%20Movie.srt" << QString() << "file path acquiration error when handle subtitle file. url = ";
}

void TestMediaRoutes::subtitleFile()
{
    QFETCH(QString, target);
    QFETCH(QString, file);
    QFETCH(QString, message);
    const CurlResult r = curl(target);
    if (file.isEmpty()) {
        QCOMPARE(r.head, QByteArray("HTTP/1.1 404 Partial Content\r\n\r\n"));
        QCOMPARE(r.body, QByteArray());
        QTRY_VERIFY(log->contains(message));
        return;
    }
    QByteArray bytes = TestSupport::fileBytes(media + "/" + file);
    if (target.endsWith("format=vtt")) {
        QCOMPARE(r.header("Content-Type"), QByteArray("text/vtt; charset=utf-8"));
        bytes = SubtitleText::srtToVtt(bytes);
        QVERIFY(bytes.startsWith("WEBVTT"));
    }
    QCOMPARE(r.statusLine(), QByteArray("HTTP/1.1 206 Partial Content"));
    QCOMPARE(r.header("Content-Range"), QStringLiteral("bytes 0-%1/%2").arg(bytes.size() - 1).arg(bytes.size()).toLatin1());
    QCOMPARE(r.body, bytes);
}

void TestMediaRoutes::faviconUnanswered()
{
    const CurlResult r = curl("/favicon.ico");
    QCOMPARE(r.exitCode, 52); // curl: empty reply from server
    QCOMPARE(r.head, QByteArray());
    QTRY_VERIFY(log->contains("idle time-out"));
}

void TestMediaRoutes::longRequestsLoggedShort_data()
{
    QTest::addColumn<QByteArray>("request");
    const QByteArray longText(60000, 'x');
    QTest::newRow("unknown video") << "GET /video/" + longText + " HTTP/1.1\r\n\r\n";
    QTest::newRow("subtitle of an unknown id") << "GET /subtitle/" + longText + "/a.srt HTTP/1.1\r\n\r\n";
    QTest::newRow("unreadable range") << "GET /list HTTP/1.1\r\nRange: " + longText + "\r\n\r\n";
    QTest::newRow("no route, idle time-out") << "GET /" + longText + " HTTP/1.1\r\n\r\n";
}

void TestMediaRoutes::longRequestsLoggedShort()
{
    // One long request logs little, and tells the full length.
    QFETCH(QByteArray, request);
    QVERIFY(RawClient::exchange(port, {request}).closedByServer);
    QTRY_VERIFY(log->contains("******* end *******"));
    QVERIFY(log->lines().join(QString()).size() < 8 * 1024);
    QVERIFY(log->contains(QString(256, 'x') + "... ("));
}

void TestMediaRoutes::missingIdsCostLittleMemory()
{
    // Hostile ids cost the memo little, however many are asked for.
    const LibraryIndex index(library);
    QString path;
    for (int i = 0; i < 300; ++i) {
        QVERIFY(!index.findItemPath("video", QString(64 * 1024, QChar('a' + i % 26)) + QString::number(i), path));
        QVERIFY(!index.findItemPath("post", QString::number(9000000000000LL + i), path));
    }
    QVERIFY(index.memoBytes() < 64 * 1024);
    QVERIFY(index.findItemPath("video", videos.at(1).id, path) && path == videos.at(1).path);
}

void TestMediaRoutes::routeTable_data()
{
    QTest::addColumn<QString>("request");
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("id"); // as the added route's handler saw it
    QTest::newRow("page") << "GET /" << "/" << "";
    QTest::newRow("list, more segments") << "POST /list/a/b" << "/list/**" << "";
    QTest::newRow("query inside the segment") << "GET /list?x=1" << "" << "";
    QTest::newRow("added route") << "GET /deovr/42" << "/deovr/{id}" << "42";
    QTest::newRow("added route, other method") << "POST /deovr/42" << "" << "";
    QTest::newRow("added route, more segments") << "GET /deovr/42/x" << "" << "";
}

void TestMediaRoutes::routeTable()
{
    // An added route is taken like the designed ones; no socket needed.
    QFETCH(QString, request);
    QFETCH(QString, route);
    QFETCH(QString, id);
    MediaRoutes table;
    QString seen;
    table.addRoute({"GET"}, "/deovr/{id}", [&seen](const MediaRoutes::Request &r) { seen = r.params.value("id"); });
    QCOMPARE(table.routeFor(request.section(' ', 0, 0), request.section(' ', 1)), route);
    HttpServer::Session session(nullptr, QHostAddress::LocalHost);
    session.setRequestCompleteCallback(table.handler());
    session.feed(request.toUtf8() + " HTTP/1.1\r\nContent-Length: 0\r\n\r\n");
    QCOMPARE(seen, id);
}

void TestMediaRoutes::ffprobeThroughServer_data()
{
    QTest::addColumn<int>("video");
    QTest::newRow("H.264 in MP4 (index at the end)") << 0;
    QTest::newRow("MPEG-4 in Matroska") << 1;
    QTest::newRow("non-ASCII name") << 2;
}

void TestMediaRoutes::ffprobeThroughServer()
{
    QFETCH(int, video);
    const Video &v = videos.at(video);
    const QStringList args{"-v", "error", "-count_frames", "-show_entries",
                           "format=duration,size:stream=codec_name,nb_read_frames", "-of", "json"};
    int localCode = -1, remoteCode = -1;
    const QByteArray local = TestSupport::run("ffprobe", QStringList(args) << v.path, &localCode, 120000);
    const QByteArray remote = TestSupport::run("ffprobe", QStringList(args) << url("/video/" + v.id), &remoteCode, 120000);
    QCOMPARE(localCode, 0);
    QCOMPARE(remoteCode, 0);
    const QJsonObject l = QJsonDocument::fromJson(local).object();
    const QJsonObject r = QJsonDocument::fromJson(remote).object();
    QVERIFY(!l.isEmpty());
    QCOMPARE(r.value("format").toObject().value("duration"), l.value("format").toObject().value("duration"));
    QCOMPARE(r.value("format").toObject().value("size"), l.value("format").toObject().value("size"));
    QCOMPARE(r.value("streams"), l.value("streams"));
    QVERIFY(l.value("format").toObject().value("duration").toString().toDouble() > 3.5);
}

void TestMediaRoutes::seekingFfmpegThroughServer_data()
{
    QTest::addColumn<int>("video");
    QTest::addColumn<QString>("seek");
    QTest::newRow("mp4 at 0") << 0 << "0";
    QTest::newRow("mp4 at 1.5 s") << 0 << "1.5";
    QTest::newRow("mp4 at 3.2 s") << 0 << "3.2";
    QTest::newRow("mkv at 2.4 s") << 1 << "2.4";
}

void TestMediaRoutes::seekingFfmpegThroughServer()
{
    QFETCH(int, video);
    QFETCH(QString, seek);
    const Video &v = videos.at(video);
    auto frames = [&](const QString &input) {
        int code = -1;
        const QByteArray md5s = TestSupport::run("ffmpeg", {"-v", "error", "-ss", seek, "-i", input, "-map", "0:v",
                                                            "-frames:v", "12", "-f", "framemd5", "-"},
                                                 &code, 120000);
        return code == 0 ? md5s : QByteArray();
    };
    const QByteArray local = frames(v.path);
    const QByteArray remote = frames(url("/video/" + v.id));
    QVERIFY(local.count("\n0,") >= 12);
    QCOMPARE(remote, local);
}

void TestMediaRoutes::libraryReplacedWhileServing()
{
    // The GUI thread replaces the library while handler threads read it:
    // every /list answer is one whole library, never a mix or a crash.
    const QJsonObject a = libraryOf(videos);
    const QJsonObject b = libraryOf({videos.at(1)});
    const QByteArray aText = QJsonDocument(a).toJson(QJsonDocument::Compact);
    const QByteArray bText = QJsonDocument(b).toJson(QJsonDocument::Compact);
    std::atomic<bool> stop{false};
    std::atomic<int> bad{0}, seenA{0}, seenB{0};
    QList<QThread *> clients;
    for (int t = 0; t < 4; ++t) {
        clients << QThread::create([&] {
            for (int i = 0; i < 40; ++i) {
                const RawClient::Reply reply = RawClient::get(port, "/list");
                if (reply.body == aText)
                    ++seenA;
                else if (reply.body == bText)
                    ++seenB;
                else
                    ++bad;
            }
        });
        clients.last()->start();
    }
    int swaps = 0;
    while (std::any_of(clients.cbegin(), clients.cend(), [](QThread *t) { return t->isRunning(); })
           && swaps < 200000) {
        routes.setLibraryJson(swaps % 2 ? a : b);
        ++swaps;
        QThread::usleep(50);
    }
    stop = true;
    for (QThread *t : clients) {
        QVERIFY(t->wait(120000));
        delete t;
    }
    QCOMPARE(bad.load(), 0);
    QCOMPARE(seenA + seenB, 160);
}

void TestMediaRoutes::readRange_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<qint64>("s");
    QTest::addColumn<qint64>("e");
    QTest::newRow("first-last") << "bytes=100-199" << true << qint64(100) << qint64(199);
    QTest::newRow("open end") << "bytes=100-" << true << qint64(100) << qint64(0);
    QTest::newRow("suffix") << "bytes=-500" << true << qint64(-500) << qint64(0);
    QTest::newRow("past 4 GiB") << "bytes=5368709120-5368709219" << true << qint64(5368709120LL) << qint64(5368709219LL);
    QTest::newRow("spaces around") << " bytes=1-2 " << true << qint64(1) << qint64(2);
    QTest::newRow("suffix 0") << "bytes=-0" << false << qint64(0) << qint64(0);
    QTest::newRow("empty") << "" << false << qint64(0) << qint64(0);
    QTest::newRow("no prefix") << "100-199" << false << qint64(0) << qint64(0);
    QTest::newRow("negative") << "bytes=-5-10" << false << qint64(0) << qint64(0);
    QTest::newRow("sign") << "bytes=+5-10" << false << qint64(0) << qint64(0);
    QTest::newRow("two ranges") << "bytes=0-1,5-6" << false << qint64(0) << qint64(0);
    QTest::newRow("unit case") << "Bytes=0-1" << false << qint64(0) << qint64(0);
    QTest::newRow("space inside") << "bytes= 0-1" << false << qint64(0) << qint64(0);
    QTest::newRow("non-ASCII digit") << QString::fromUtf8("bytes=\u0663-") << false << qint64(0) << qint64(0);
    QTest::newRow("dash alone") << "bytes=-" << false << qint64(0) << qint64(0);
    QTest::newRow("past 64 bits") << "bytes=99999999999999999999-" << false << qint64(0) << qint64(0);
    QTest::newRow("largest qint64") << "bytes=9223372036854775807-" << true << qint64(9223372036854775807LL) << qint64(0);
    QTest::newRow("one past it") << "bytes=0-9223372036854775808" << false << qint64(0) << qint64(0);
}

void TestMediaRoutes::readRange()
{
    QFETCH(QString, value);
    QFETCH(bool, ok);
    QFETCH(qint64, s);
    QFETCH(qint64, e);
    qint64 gotS = 77, gotE = 77;
    QCOMPARE(MediaRoutes::readRange(value, gotS, gotE), ok);
    QCOMPARE(gotS, s);
    QCOMPARE(gotE, e);
}

void TestMediaRoutes::playerRoutes_data()
{
    // curl asks; then the URL at pointer in the JSON answer must begin with
    // prefix ("%h": http://127.0.0.1:port) and, given a status, is fetched.
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("copies"); // of the library: 60 make an index past the gzip threshold
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("header"); // "Name: value" the answer carries; "Name: " it lacks
    QTest::addColumn<QString>("pointer");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<int>("fetched");
    const QString id = "/1607300000042";
    const QStringList empty{"-d", ""}; // POST with Content-Length: 0, as the players send it
    const QByteArray hs = "HereSphere-JSON-Version: 1";
    QTest::newRow("deovr, Host used") << QStringList{"-H", "Host: 10.1.2.3:9000"} << "/deovr" << 1 << 200
        << QByteArray("Vary: Accept-Encoding") << "scenes/0/list/2/video_url" << "http://10.1.2.3:9000/deovr/" << 0;
    QTest::newRow("deovr large, hostile Host, no gzip") << QStringList{"-H", "Host: a@b/c"} << "/deovr" << 60 << 200
        << QByteArray("Content-Encoding: ") << "scenes/0/list/179/thumbnailUrl" << "%h/post/" << 200;
    QTest::newRow("deovr large, gzip") << QStringList{"--compressed"} << "/deovr" << 60 << 200
        << QByteArray("Content-Encoding: gzip") << "scenes/0/list/179/video_url" << "%h/deovr/" << 200;
    QTest::newRow("deovr video") << empty << "/deovr" + id << 1 << 200 << QByteArray("Content-Type: application/json")
        << "encodings/0/videoSources/0/url" << "%h/video" + id << 206;
    QTest::newRow("deovr unknown") << QStringList() << "/deovr/17" << 1 << 404 << QByteArray() << "" << "" << 0;
    QTest::newRow("heresphere") << empty << "/heresphere" << 1 << 200 << hs << "library/0/list/1" << "%h/heresphere/" << 200;
    QTest::newRow("heresphere video") << QStringList{"-d", "{\"needsMediaSource\":true}"} << "/heresphere" + id << 1
        << 200 << hs << "media/0/sources/0/url" << "%h/video" + id << 206;
    QTest::newRow("heresphere subtitle") << empty << "/heresphere" + id << 1 << 200 << hs << "subtitles/0/url"
        << "%h/subtitle" + id + "/Trip.2019." << 206;
    QTest::newRow("heresphere malformed") << QStringList{"-d", "{"} << "/heresphere" + id << 1 << 400 << hs << "" << "" << 0;
    QTest::newRow("projections") << QStringList() << "/projections" << 1 << 200 << QByteArray() << "" << "" << 0;
}

void TestMediaRoutes::playerRoutes()
{
    QFETCH(QStringList, args);
    QFETCH(int, copies);
    QFETCH(QByteArray, header);
    QFETCH(QString, pointer);
    QFETCH(int, fetched);
    QFETCH(QString, target);
    QFETCH(int, status);
    QFETCH(QString, prefix);
    const int n = videos.size();
    QList<Video> many; // each copy with ids of its own
    for (int i = 0; i < copies * n; ++i)
        many << Video{videos.at(i % n).id + (i < n ? "" : QString::number(i)), videos.at(i % n).path, videos.at(i % n).poster};
    routes.setLibraryJson(libraryOf(many));
    const CurlResult reply = curl(target, args);
    QCOMPARE(reply.status(), status);
    const int colon = header.indexOf(':');
    if (colon > 0)
        QCOMPARE(reply.header(header.left(colon)), header.mid(colon + 2));
    QJsonValue value = QJsonDocument::fromJson(reply.body).object();
    QVERIFY(value.isObject());
    for (const QString &step : pointer.split('/', Qt::SkipEmptyParts))
        value = value.isArray() ? value.toArray().at(step.toInt()) : value.toObject().value(step);
    const QString found = value.toString();
    QVERIFY2(pointer.isEmpty() || found.startsWith(QString(prefix).replace("%h", url(""))), qPrintable(found));
    if (fetched)
        QCOMPARE(curlUrl(found, {"-H", "Range: bytes=0-9"}).status(), fetched);
}

void TestMediaRoutes::headIsGetsHead()
{
    // Read to the close: the head GET gets and not one byte more; /list refuses HEAD as designed.
    for (const QString target : {"/deovr", "/heresphere/1607300000043", "/video/1607300000042", "/post/1607300000042", "/list"}) {
        const RawClient::Reply head = RawClient::exchange(port, {"HEAD " + target.toUtf8() + " HTTP/1.1\r\n\r\n"});
        QVERIFY(head.closedByServer);
        QCOMPARE(head.raw, target == "/list" ? QByteArray() : curl(target).head);
    }
}

QTEST_GUILESS_MAIN(TestMediaRoutes)
#include "tst_mediaroutes.moc"
