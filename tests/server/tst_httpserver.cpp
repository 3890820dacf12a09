// The embedded HTTP server over real sockets on 127.0.0.1: parsing, the
// reply operations and their heads, ranges, limits and the idle time-out.

#include "logcapture.h"
#include "httpclients.h"
#include "processes.h"

#include "server/handlerpool.h"
#include "server/httpsession.h"
#include "server/subtitletext.h"
#include "server/tcpservermanage.h"

#include <QBuffer>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QMutex>
#include <QTcpServer>
#include <QTcpSocket>
#include <QRandomGenerator>
#include <QSemaphore>
#include <QSet>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <functional>

using HttpServer::Session;

class ErrorReceiver : public QObject
{
    Q_OBJECT
public:
    QList<qint64> codes;
public slots:
    void slotToErrorcode(qint64 code) { codes.append(code); }
};

struct SeenRequest
{
    QString method, url, version;
    QMap<QString, QString> headers;
    QByteArray body;
    QHostAddress client;
};

class TestHttpServer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void handlerPoolBoundsAndReusesTheLastIdleThread();

    void headersInLaterPacket();
    void malformedRequestClosedWithoutReply_data();
    void malformedRequestClosedWithoutReply();
    void replyFileRange_data();
    void replyFileRange();
    void replyFileUnsatisfiable_data();
    void replyFileUnsatisfiable();
    void emptyFile();
    void subtitleReply_data();
    void subtitleReply();
    void subtitleTooLarge();
    void srtToVtt_data();
    void srtToVtt();
    void secondReplyRefused();
    void errorHeadIsExact_data();
    void errorHeadIsExact();
    void textRepliesCountUtf8Bytes_data();
    void textRepliesCountUtf8Bytes();
    void imageReplies();
    void idleConnectionClosed_data();
    void idleConnectionClosed();
    void trafficKeepsConnectionAlive();
    void headCap_data();
    void headCap();
    void bodyCap();
    void postBody_data();
    void postBody();
    void rangeNearEndOfFileOver4GiB();
    void largeFileStreamedInChunks_data();
    void largeFileStreamedInChunks();
    void zeroCopyBody_data();
    void zeroCopyBody();
    void replyAfterClientLeft();
    void clientAddressIsPlainIPv4();
    void managerLifecycle();
    void connectionAndHandlerBounds();
    void onePeerCannotTakeEveryPlace();

private:
    void setHandler(std::function<void(const QPointer<Session> &)> handler);
    QByteArray fileBytes(qint64 from, qint64 count) const;
    RawClient::Reply bytesReply(const QByteArray &body, qint64 s, qint64 e);

    QTemporaryDir dir;
    QString file1000;
    QByteArray content1000;
    HttpServer::TcpServerManage *server = nullptr;
    quint16 port = 0;
    ErrorReceiver receiver;
    LogCapture *log = nullptr;

    QMutex handlerLock;
    std::function<void(const QPointer<Session> &)> handler;
    std::atomic<int> handlerCalls{0};
    QList<SeenRequest> seen;
};

void TestHttpServer::setHandler(std::function<void(const QPointer<Session> &)> h)
{
    QMutexLocker l(&handlerLock);
    handler = std::move(h);
}

RawClient::Reply TestHttpServer::bytesReply(const QByteArray &body, qint64 s, qint64 e)
{
    setHandler([body, s, e](const QPointer<Session> &session) {
        session->replyBytes(body, "application/octet-stream", s, e);
    });
    return RawClient::get(port, "/bytes");
}

QByteArray TestHttpServer::fileBytes(qint64 from, qint64 count) const
{
    return content1000.mid(int(from), int(count));
}

void TestHttpServer::initTestCase()
{
    QVERIFY(dir.isValid());
    qputenv("XDG_DATA_HOME", dir.path().toUtf8());
    log = new LogCapture;
    file1000 = dir.filePath("thousand.bin");
    content1000.resize(1000);
    for (int i = 0; i < 1000; ++i)
        content1000[i] = char((i * 7 + i / 256) & 0xff);
    QFile f(file1000);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(content1000), qint64(1000));
    f.close();

    server = new HttpServer::TcpServerManage(3);
    server->setIdleTimeout(1000);
    server->setHttpAcceptedCallback([this](const QPointer<Session> &session) {
        ++handlerCalls;
        std::function<void(const QPointer<Session> &)> h;
        {
            QMutexLocker l(&handlerLock);
            h = handler;
            SeenRequest r;
            r.method = session->requestMethod();
            r.url = session->requestUrl();
            r.version = session->requestVersion();
            r.headers = session->requestHeaders();
            r.body = session->requestBody();
            r.client = session->clientAddress();
            seen.append(r);
        }
        QObject::connect(session.data(), &Session::sglErrorcode, &receiver,
                         &ErrorReceiver::slotToErrorcode);
        if (h)
            h(session);
    });
    QVERIFY(server->listen(QHostAddress::LocalHost, 0));
    port = server->serverPort();
    QVERIFY(port != 0);
}

void TestHttpServer::init()
{
    setHandler(nullptr);
    handlerCalls = 0;
    {
        QMutexLocker l(&handlerLock);
        seen.clear();
    }
    QCoreApplication::processEvents();
    receiver.codes.clear();
    log->clear();
}

void TestHttpServer::handlerPoolBoundsAndReusesTheLastIdleThread()
{
    HttpServer::HandlerPool pool(2, "tst-pool");
    const auto named = [] {
        int count = 0;
        for (const QString &task : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            count += TestSupport::fileBytes(QStringLiteral("/proc/self/task/%1/comm").arg(task)).trimmed() == "tst-pool";
        return count;
    };
    // Four tasks held at a gate: two run, two wait, and all four end.
    QSemaphore gate, entered;
    std::atomic<int> running{0}, most{0}, ended{0};
    for (int i = 0; i < 4; ++i) {
        pool.start([&] {
            const int now = ++running;
            int seen = most.load();
            while (now > seen && !most.compare_exchange_weak(seen, now)) {
            }
            entered.release();
            gate.acquire();
            --running;
            ++ended;
        });
    }
    entered.acquire(2); // both threads are inside, nothing else can start
    QCOMPARE(entered.available(), 0);
    gate.release(4);
    pool.waitForDone();
    QCOMPARE(ended.load(), 4);
    QCOMPARE(most.load(), 2);
    // One request at a time goes to the thread idle last, every time, not
    // round both threads.
    QSet<QThread *> threads;
    for (int i = 0; i < 6; ++i) {
        pool.start([&] { threads.insert(QThread::currentThread()); });
        pool.waitForDone();
    }
    QCOMPARE(threads.size(), 1);
    // The threads carry the pool's name, idle too, until they are stopped;
    // the pool starts new ones after that.
    QCOMPARE(named(), 2);
    pool.stopThreads();
    QCOMPARE(named(), 0);
    std::atomic<bool> ranAgain{false};
    pool.start([&] { ranAgain = named() == 1; });
    pool.waitForDone();
    QVERIFY(ranAgain);
}

void TestHttpServer::cleanupTestCase()
{
    delete server;
    server = nullptr;
    delete log;
}

void TestHttpServer::headersInLaterPacket()
{
    setHandler([](const QPointer<Session> &s) { s->replyText(QStringLiteral("ok")); });
    const RawClient::Reply reply = RawClient::exchange(
        port, {"GET /list HTTP/1.1\r\n", "Host: 127.0.0.1\r\nX-Late: yes\r\n", "\r\n"}, 20000, 300);
    QVERIFY(reply.closedByServer);
    QCOMPARE(reply.body, QByteArray("ok"));
    QCOMPARE(handlerCalls.load(), 1);
    QMutexLocker l(&handlerLock);
    QCOMPARE(seen.size(), 1);
    // Handed over only with the blank line: the later headers are all there.
    QCOMPARE(seen.at(0).method, QStringLiteral("GET"));
    QCOMPARE(seen.at(0).url, QStringLiteral("/list"));
    QCOMPARE(seen.at(0).version, QStringLiteral("HTTP/1.1"));
    QCOMPARE(seen.at(0).headers.value("X-Late"), QStringLiteral("yes"));
    QCOMPARE(seen.at(0).headers.value("Host"), QStringLiteral("127.0.0.1"));
}

void TestHttpServer::malformedRequestClosedWithoutReply_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty request line") << QByteArray("\r\nGET /list HTTP/1.1\r\n\r\n")
                                        << "HttpServer::Session::inspectionBuffer: error1";
    QTest::newRow("two tokens") << QByteArray("GET /list\r\nHost: a\r\n\r\n")
                                << "HttpServer::Session::inspectionBuffer: error2";
    QTest::newRow("four tokens") << QByteArray("GET /list HTTP/1.1 x\r\nHost: a\r\n\r\n")
                                 << "HttpServer::Session::inspectionBuffer: error2";
    QTest::newRow("double space") << QByteArray("GET  /list HTTP/1.1\r\n\r\n")
                                  << "HttpServer::Session::inspectionBuffer: error2";
    QTest::newRow("PUT") << QByteArray("PUT /list HTTP/1.1\r\nHost: a\r\n\r\n")
                         << "HttpServer::Session::inspectionBuffer: error3: PUT";
    QTest::newRow("lower-case get") << QByteArray("get /list HTTP/1.1\r\n\r\n")
                                    << "HttpServer::Session::inspectionBuffer: error3: get";
    QTest::newRow("header without colon") << QByteArray("GET /list HTTP/1.1\r\nNoColon\r\n\r\n")
                                          << "HttpServer::Session::inspectionBuffer: error4";
    QTest::newRow("colon first") << QByteArray("GET /list HTTP/1.1\r\n: value\r\n\r\n")
                                 << "HttpServer::Session::inspectionBuffer: error4";
    QTest::newRow("colon only in a later line")
        << QByteArray("GET /list HTTP/1.1\r\nNoColon\r\nHost: a\r\n\r\n")
        << "HttpServer::Session::inspectionBuffer: error4";
}

void TestHttpServer::malformedRequestClosedWithoutReply()
{
    QFETCH(QByteArray, request);
    QFETCH(QString, message);
    setHandler([](const QPointer<Session> &s) { s->replyText(QStringLiteral("answered")); });
    const RawClient::Reply reply = RawClient::exchange(port, {request});
    QVERIFY(reply.connected);
    QVERIFY(reply.closedByServer);
    QCOMPARE(reply.raw, QByteArray());
    QCOMPARE(handlerCalls.load(), 0);
    QTRY_VERIFY(log->contains(message));
}

void TestHttpServer::replyFileRange_data()
{
    QTest::addColumn<qint64>("s");
    QTest::addColumn<qint64>("e");
    QTest::addColumn<qint64>("first");
    QTest::addColumn<qint64>("last");
    QTest::newRow("0,0 whole file") << qint64(0) << qint64(0) << qint64(0) << qint64(999);
    QTest::newRow("100,199") << qint64(100) << qint64(199) << qint64(100) << qint64(199);
    QTest::newRow("5,5 open-ended") << qint64(5) << qint64(5) << qint64(5) << qint64(999);
    QTest::newRow("999,0 last byte") << qint64(999) << qint64(0) << qint64(999) << qint64(999);
    QTest::newRow("end past file clamped") << qint64(100) << qint64(5000) << qint64(100) << qint64(999);
    QTest::newRow("end at file size clamped") << qint64(0) << qint64(1000) << qint64(0) << qint64(999);
    QTest::newRow("suffix 100") << qint64(-100) << qint64(0) << qint64(900) << qint64(999);
    QTest::newRow("suffix 1") << qint64(-1) << qint64(0) << qint64(999) << qint64(999);
    QTest::newRow("suffix longer than file") << qint64(-5000) << qint64(0) << qint64(0) << qint64(999);
}

void TestHttpServer::replyFileRange()
{
    QFETCH(qint64, s);
    QFETCH(qint64, e);
    QFETCH(qint64, first);
    QFETCH(qint64, last);
    const QString path = file1000;
    setHandler([path, s, e](const QPointer<Session> &session) { session->replyFile(path, s, e); });
    const RawClient::Reply reply = RawClient::get(port, "/file");
    QVERIFY(reply.closedByServer);
    const qint64 length = last - first + 1;
    const QByteArray head = QStringLiteral("HTTP/1.1 206 Partial Content\r\nConnection: keep-alive\r\n"
                                           "Content-Transfer-Encoding: binary\r\n"
                                           "Content-Type: application/octet-stream\r\n"
                                           "Content-Length: %1\r\nContent-Range: bytes %2-%3/1000\r\n\r\n")
                                .arg(length)
                                .arg(first)
                                .arg(last)
                                .toLatin1();
    QCOMPARE(reply.head, head);
    QCOMPARE(qint64(reply.body.size()), length);
    QCOMPARE(reply.body, fileBytes(first, length));
    // Bytes in memory follow the same rules.
    QCOMPARE(bytesReply(content1000, s, e).raw, reply.raw);
}

void TestHttpServer::replyFileUnsatisfiable_data()
{
    QTest::addColumn<qint64>("s");
    QTest::addColumn<qint64>("e");
    QTest::newRow("start at size") << qint64(1000) << qint64(0);
    QTest::newRow("start past size") << qint64(5000) << qint64(6000);
}

void TestHttpServer::replyFileUnsatisfiable()
{
    QFETCH(qint64, s);
    QFETCH(qint64, e);
    const QString path = file1000;
    setHandler([path, s, e](const QPointer<Session> &session) { session->replyFile(path, s, e); });
    const RawClient::Reply reply = RawClient::get(port, "/file");
    QVERIFY(reply.closedByServer);
    QCOMPARE(reply.raw, QByteArray("HTTP/1.1 416 Partial Content\r\nContent-Range: bytes */1000\r\n\r\n"));
    QTRY_COMPARE(receiver.codes, QList<qint64>{416});
    QCOMPARE(bytesReply(content1000, s, e).raw, reply.raw);
}

void TestHttpServer::emptyFile()
{
    const QString path = dir.filePath("empty.srt");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    setHandler([path](const QPointer<Session> &session) { session->replyFile(path, 0, -1); });
    const RawClient::Reply reply = RawClient::get(port, "/empty");
    QVERIFY(reply.closedByServer);
    QCOMPARE(reply.contentLength(), qint64(0));
    QCOMPARE(reply.headers.value("Content-Range"), QByteArray("bytes 0--1/0"));
    QCOMPARE(reply.body, QByteArray());
    QCOMPARE(bytesReply(QByteArray(), 0, -1).raw, reply.raw);
}

// Numbered SRT cues with CRLF as Windows tools write them, one "|"-separated sentence each.
static QString srt(const QString &sentences)
{
    QString out;
    const QStringList lines = sentences.split(QLatin1Char('|'));
    for (int i = 0; i < lines.size(); ++i)
        out += QStringLiteral("%1\r\n00:00:%2,000 --> 00:00:%3,500\r\n%4\r\n\r\n").arg(i + 1).arg(i * 4 + 10).arg(i * 4 + 12).arg(lines.at(i));
    return out;
}

void TestHttpServer::subtitleReply_data()
{
    QTest::addColumn<QByteArray>("codec"); // how the file is written; empty: random bytes
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("converted");
    QTest::addColumn<bool>("vtt");
    QTest::addColumn<qint64>("s");
    QTest::addColumn<qint64>("e");
    const auto row = [](const char *name, const char *codec, const QString &text, bool converted, bool vtt = false, qint64 s = 0, qint64 e = -1) {
        QTest::newRow(name) << QByteArray(codec) << text << converted << vtt << s << e;
    };
    const QString zh = srt(QStringLiteral("你好，欢迎来到我们的家。|今天的天气非常好，我们去公园散步吧。|这部电影讲述了一个关于勇气和友谊的故事。"));
    const QString ru = srt(QStringLiteral("Привет, как у тебя дела?|Сегодня очень хорошая погода, пойдём гулять в парк.|Этот фильм рассказывает историю о дружбе."));
    const QString ja = srt(QStringLiteral("こんにちは、お元気ですか。|今日はとても良い天気ですね。|この映画は勇気と友情の物語です。"));
    const QString ko = srt(QStringLiteral("안녕하세요, 만나서 반갑습니다.|오늘 날씨가 정말 좋네요.|이 영화는 용기와 우정에 관한 이야기입니다."));
    const QString bom(QChar(0xFEFF));
    row("GBK Chinese", "GBK", zh, true);
    row("Big5 Chinese", "Big5", srt(QStringLiteral("你好，歡迎來到我們的家。|今天的天氣非常好，我們去公園散步吧。|這部電影講述了一個關於勇氣和友誼的故事。")), true);
    row("Shift_JIS Japanese", "Shift_JIS", ja, true);
    row("EUC-KR Korean", "EUC-KR", ko, true);
    row("windows-1251 Russian", "windows-1251", ru, true);
    row("windows-1250 Czech", "windows-1250", srt(QStringLiteral("Dobrý den, jak se máte?|Dnes je opravdu krásné počasí, pojďme se projít do parku.|Řekl, že zítra nemůže přijít na schůzi.")), true);
    // Two cues: uchardet says ISO-8859-2, which has controls where windows-1250 has ź.
    row("windows-1250 Polish", "windows-1250", srt(QStringLiteral("Dzień dobry, jak się masz?|Dzisiaj jest naprawdę piękna pogoda, chodźmy na spacer.")), true);
    row("windows-1252 French", "windows-1252", srt(QStringLiteral("Bonjour, comment ça va ?|Aujourd’hui il fait très beau, c’est l’été.|Ce film raconte une histoire de cœur et d'amitié.")), true);
    row("UTF-16LE with BOM", "UTF-16LE", bom + zh, true);
    row("UTF-16BE with BOM", "UTF-16BE", bom + ru, true);
    row("UTF-8 untouched", "UTF-8", ja, false);
    row("UTF-8 with BOM untouched", "UTF-8", bom + ko, false);
    row("ASCII untouched", "UTF-8", srt(QStringLiteral("Hello, how are you today?")), false);
    row("binary blob as it is", "", QString(), false);
    row("converted, suffix", "windows-1251", ru, true, false, -7, 0);
    row("WebVTT of GBK", "GBK", zh, true, true);
    row("WebVTT of UTF-8 with BOM", "UTF-8", bom + ko, false, true);
}

void TestHttpServer::subtitleReply()
{
    QFETCH(QByteArray, codec);
    QFETCH(QString, text);
    QFETCH(bool, converted);
    QFETCH(bool, vtt);
    QFETCH(qint64, s);
    QFETCH(qint64, e);
    QByteArray raw = codec.isEmpty() ? QByteArray() : QTextCodec::codecForName(codec)->fromUnicode(text);
    for (QRandomGenerator random(16); codec.isEmpty() && raw.size() < 4096;)
        raw += char(random.bounded(256));
    const QString path = dir.filePath(QStringLiteral("%1.srt").arg(QTest::currentDataTag()));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(raw) == raw.size() && f.flush());
    setHandler([path, vtt, s, e](const QPointer<Session> &session) { SubtitleText::reply(session, path, vtt, s, e); });
    const RawClient::Reply reply = RawClient::get(port, "/subtitle");
    // Converted text drops the old charset's BOM; anything else is the file's own bytes.
    const QByteArray served = converted ? text.mid(text.startsWith(QChar(0xFEFF)) ? 1 : 0).toUtf8() : raw;
    const QByteArray full = !vtt ? served : "WEBVTT\n\n" + QString::fromUtf8(served).remove(QChar(0xFEFF)).remove(QLatin1Char('\r'))
                                                         .replace(QRegularExpression(QStringLiteral("(\\d\\d),(\\d{3})")), QStringLiteral("\\1.\\2")).toUtf8();
    const QByteArray body = s < 0 ? full.right(int(-s)) : full.mid(int(s), e > s ? int(e - s + 1) : -1);
    QCOMPARE(reply.body, body);
    QCOMPARE(reply.contentLength(), qint64(body.size()));
    QVERIFY(reply.headers.value("Content-Range").endsWith('/' + QByteArray::number(full.size())));
    QCOMPARE(reply.headers.value("Content-Type"), vtt ? QByteArray("text/vtt; charset=utf-8") : QByteArray("application/octet-stream"));
    QCOMPARE(log->count(QStringLiteral("served as it is")), codec.isEmpty() ? 1 : 0);
}

void TestHttpServer::subtitleTooLarge()
{
    QFile big(dir.filePath(QStringLiteral("big.srt")));
    QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(SubtitleText::kMaxConvertBytes + 1));
    QCOMPARE(SubtitleText::readAsUtf8(big.fileName()).outcome, SubtitleText::Outcome::TooLarge);
    QCOMPARE(log->count(QStringLiteral("served as it is")), 1);
}

void TestHttpServer::srtToVtt_data()
{
    QTest::addColumn<QByteArray>("srt");
    QTest::addColumn<QByteArray>("vtt");
    QTest::newRow("BOM, CR only, leading blank lines") << QByteArray("\xEF\xBB\xBF\r\n\r\n1\r00:00:01,000 --> 00:00:02,000\rA\r\r2\r00:00:03,000 --> 00:00:04,000\rB")
                                                       << QByteArray("WEBVTT\n\n1\n00:00:01.000 --> 00:00:02.000\nA\n\n2\n00:00:03.000 --> 00:00:04.000\nB\n");
    QTest::newRow("commas of the text kept") << QByteArray("7\n00:01:02,003 --> 01:02:03,004 X1:10\nYes, no --> 00:00:01,000\n")
                                             << QByteArray("WEBVTT\n\n7\n00:01:02.003 --> 01:02:03.004 X1:10\nYes, no --> 00:00:01,000\n");
    QTest::newRow("WebVTT passed through") << QByteArray("WEBVTT\r\n\r\n00:01,000 --> 00:02.000\r\n") << QByteArray("WEBVTT\r\n\r\n00:01,000 --> 00:02.000\r\n");
    QTest::newRow("empty") << QByteArray() << QByteArray("WEBVTT\n\n");
}

void TestHttpServer::srtToVtt()
{
    QFETCH(QByteArray, srt);
    QFETCH(QByteArray, vtt);
    QCOMPARE(SubtitleText::srtToVtt(srt), vtt);
}

void TestHttpServer::secondReplyRefused()
{
    const QString path = file1000;
    setHandler([path](const QPointer<Session> &session) {
        session->replyFile(path, 0, 0);
        session->replyText(QStringLiteral("second"));
        session->replyError(500);
    });
    const RawClient::Reply reply = RawClient::get(port, "/file");
    QVERIFY(reply.closedByServer);
    QCOMPARE(reply.contentLength(), qint64(1000));
    QCOMPARE(reply.body, content1000);
    QTRY_VERIFY(log->contains("HttpServer::Session::replyText: already reply"));
    QTRY_VERIFY(log->contains("HttpServer::Session::replyError: already reply"));
    QVERIFY(receiver.codes.isEmpty());
}

void TestHttpServer::errorHeadIsExact_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<QString>("message");
    QTest::newRow("replyFile, missing file") << 0 << "HttpServer::Session::replyFile: open file error:";
    QTest::newRow("replyImageFile, missing file")
        << 1 << "HttpServer::Session::replyImageFile: open file error:";
    QTest::newRow("replyError 404") << 2 << QString();
}

void TestHttpServer::errorHeadIsExact()
{
    QFETCH(int, operation);
    QFETCH(QString, message);
    const QString missing = dir.filePath("no-such-file.mp4");
    setHandler([operation, missing](const QPointer<Session> &session) {
        if (operation == 0)
            session->replyFile(missing, 0, 0);
        else if (operation == 1)
            session->replyImageFile(missing);
        else
            session->replyError(404);
    });
    const RawClient::Reply reply = RawClient::get(port, "/missing");
    QVERIFY(reply.closedByServer);
    QCOMPARE(reply.raw, QByteArray("HTTP/1.1 404 Partial Content\r\n\r\n"));
    QTRY_COMPARE(receiver.codes, QList<qint64>{404});
    if (!message.isEmpty())
        QVERIFY(log->contains(message));
}

void TestHttpServer::textRepliesCountUtf8Bytes_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("replyText") << 0;
    QTest::newRow("replyJsonObject") << 1;
    QTest::newRow("replyJsonArray") << 2;
}

void TestHttpServer::textRepliesCountUtf8Bytes()
{
    QFETCH(int, kind);
    const QString text = QStringLiteral("Größe – 映画 ✓ \"q\"");
    QJsonObject object{{"name", text}, {"number", "2"}, {"items", QJsonArray{text, 1}}};
    QJsonArray array{text, QStringLiteral("Ünïcödé.srt")};
    setHandler([kind, text, object, array](const QPointer<Session> &session) {
        if (kind == 0)
            session->replyText(text);
        else if (kind == 1)
            session->replyJsonObject(object);
        else
            session->replyJsonArray(array);
    });
    const RawClient::Reply reply = RawClient::get(port, "/json");
    QVERIFY(reply.closedByServer);
    const QByteArray body = kind == 0 ? text.toUtf8()
                            : kind == 1 ? QJsonDocument(object).toJson(QJsonDocument::Compact)
                                        : QJsonDocument(array).toJson(QJsonDocument::Compact);
    QVERIFY(body.size() > text.size()); // multi-byte characters: bytes, not characters, are counted
    const QByteArray type = kind == 0 ? "text;charset=UTF-8" : "application/json;charset=UTF-8";
    // The whole answer, byte for byte: head fields in order, then exactly the body.
    QCOMPARE(reply.raw, "HTTP/1.1 200 OK\r\nContent-Type: " + type + "\r\nContent-Length: "
                            + QByteArray::number(body.size()) + "\r\nAccess-Control-Allow-Origin: *\r\n\r\n" + body);
    if (kind == 1)
        QCOMPARE(QJsonDocument::fromJson(reply.body).object(), object);
    else if (kind == 2)
        QCOMPARE(QJsonDocument::fromJson(reply.body).array(), array);
}

void TestHttpServer::imageReplies()
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(QColor(0, 236, 246));
    setHandler([image](const QPointer<Session> &session) { session->replyImage(image); });
    RawClient::Reply reply = RawClient::get(port, "/img");
    QVERIFY(reply.closedByServer);
    QCOMPARE(reply.headers.value("Content-Type"), QByteArray("image/png"));
    QCOMPARE(reply.contentLength(), qint64(reply.body.size()));
    QImage decoded;
    QVERIFY(decoded.loadFromData(reply.body, "PNG"));
    QCOMPARE(decoded.size(), image.size());
    QCOMPARE(decoded.pixelColor(10, 10), QColor(0, 236, 246));

    // A poster file is always announced as JPEG, whatever it holds.
    const QString png = dir.filePath("poster.png");
    QVERIFY(image.save(png, "PNG"));
    QFile f(png);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    setHandler([png](const QPointer<Session> &session) { session->replyImageFile(png); });
    reply = RawClient::get(port, "/post");
    QVERIFY(reply.closedByServer);
    QCOMPARE(reply.head, QStringLiteral("HTTP/1.1 200 OK\r\nContent-Type: image/jpeg\r\nContent-Length: %1\r\n"
                                        "Access-Control-Allow-Origin: *\r\n\r\n")
                             .arg(bytes.size())
                             .toLatin1());
    QCOMPARE(reply.body, bytes);
}

void TestHttpServer::idleConnectionClosed_data()
{
    QTest::addColumn<QList<QByteArray>>("packets");
    QTest::newRow("never sends a byte") << QList<QByteArray>{};
    QTest::newRow("half a request line") << QList<QByteArray>{"GET /li"};
    QTest::newRow("request without blank line") << QList<QByteArray>{"GET /list HTTP/1.1\r\nHost: a\r\n"};
    QTest::newRow("request left unanswered") << QList<QByteArray>{"GET /favicon.ico HTTP/1.1\r\n\r\n"};
}

void TestHttpServer::idleConnectionClosed()
{
    QFETCH(QList<QByteArray>, packets);
    // The handler answers nothing: only the idle timer can end these.
    const RawClient::Reply reply = RawClient::exchange(port, packets, 30000);
    QVERIFY(reply.connected);
    QVERIFY(reply.closedByServer);
    QCOMPARE(reply.raw, QByteArray());
    QTRY_VERIFY(log->contains("idle time-out"));
}

void TestHttpServer::trafficKeepsConnectionAlive()
{
    // Bytes that keep arriving restart the idle time; silence then ends it.
    // The bytes come 20 times faster than the idle time and, together, last
    // longer than it; a pause the machine stretched past half the idle time
    // would prove nothing and is reported as such.
    const int idleMs = 4000;
    server->setIdleTimeout(idleMs);
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(socket.waitForConnected(5000));
    const QByteArray slow = "GET /a-slow-client-sends-this";
    QElapsedTimer gap;
    gap.start();
    for (char c : slow) {
        QThread::msleep(idleMs / 20);
        QVERIFY(socket.state() == QAbstractSocket::ConnectedState);
        if (gap.restart() > idleMs / 2)
            QSKIP("the machine stalled longer than half the idle time");
        socket.write(&c, 1);
        QVERIFY(socket.waitForBytesWritten(5000));
    }
    QVERIFY(!log->contains("idle time-out"));
    QVERIFY(socket.waitForDisconnected(30000) || socket.state() == QAbstractSocket::UnconnectedState);
    QTRY_VERIFY(log->contains("idle time-out"));
    server->setIdleTimeout(1000);
}

void TestHttpServer::headCap_data()
{
    QTest::addColumn<int>("valueBytes");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<bool>("answered");
    QTest::newRow("60 KiB head, complete") << 60 * 1024 << true << true;
    QTest::newRow("70 KiB head, complete") << 70 * 1024 << true << false;
    QTest::newRow("70 KiB head, never ends") << 70 * 1024 << false << false;
    QTest::newRow("1 MiB header line, no CR LF") << 1024 * 1024 << false << false;
}

void TestHttpServer::headCap()
{
    QFETCH(int, valueBytes);
    QFETCH(bool, complete);
    QFETCH(bool, answered);
    setHandler([](const QPointer<Session> &s) { s->replyText(QStringLiteral("ok")); });
    QByteArray request = "GET /list HTTP/1.1\r\nX-Big: " + QByteArray(valueBytes, 'a');
    if (complete)
        request += "\r\n\r\n";
    const RawClient::Reply reply = RawClient::exchange(port, {request}, 30000);
    QVERIFY(reply.closedByServer);
    if (answered) {
        QCOMPARE(reply.body, QByteArray("ok"));
        QCOMPARE(handlerCalls.load(), 1);
        QMutexLocker l(&handlerLock);
        QCOMPARE(seen.at(0).headers.value("X-Big").size(), valueBytes);
    } else {
        QCOMPARE(reply.raw, QByteArray());
        QCOMPARE(handlerCalls.load(), 0);
        QTRY_VERIFY(log->contains("request head too large"));
        QVERIFY(!log->contains("idle time-out"));
    }
}

void TestHttpServer::bodyCap()
{
    // The body is handed over as it arrives; the handler waits for more and
    // never answers, so only the cap can end the connection early.
    QByteArray request = "POST /upload HTTP/1.1\r\nHost: a\r\n\r\n" + QByteArray(2 * 1024 * 1024, 'b');
    const RawClient::Reply reply = RawClient::exchange(port, {request}, 30000);
    QVERIFY(reply.closedByServer);
    QCOMPARE(reply.raw, QByteArray());
    QTRY_VERIFY(log->contains("body too large"));
}

void TestHttpServer::postBody_data()
{
    QTest::addColumn<QList<QByteArray>>("packets");
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("body in a packet of its own") << QList<QByteArray>{"POST /upload-body HTTP/1.1\r\nContent-Length: 1000\r\n\r\n", QByteArray(1000, 'p')} << QByteArray(1000, 'p');
    QTest::newRow("body split over two packets") << QList<QByteArray>{"POST /upload-split HTTP/1.1\r\ncontent-length: 10\r\n\r\nhello", "world"} << QByteArray("helloworld");
    QTest::newRow("empty body") << QList<QByteArray>{"POST /upload-empty HTTP/1.1\r\nContent-Length: 0\r\n\r\n"} << QByteArray();
}

void TestHttpServer::postBody()
{
    QFETCH(QList<QByteArray>, packets);
    const QByteArray url = packets.first().split(' ').at(1);
    QFETCH(QByteArray, body);
    setHandler([](const QPointer<Session> &s) {
        s->replyText(QString::number(s->requestBody().size()));
    });
    const RawClient::Reply reply = RawClient::exchange(port, packets);
    QVERIFY(reply.closedByServer);
    QCOMPARE(reply.body, QByteArray::number(body.size()));
    // Only this request's calls count: a handler call of the body-cap test
    // before may still be on its way through the pool on a loaded machine.
    QMutexLocker l(&handlerLock);
    QList<SeenRequest> mine;
    for (const SeenRequest &r : qAsConst(seen)) {
        if (r.url == QString::fromLatin1(url))
            mine.append(r);
    }
    QCOMPARE(mine.size(), 1);
    QCOMPARE(mine.at(0).method, QStringLiteral("POST"));
    QCOMPARE(mine.at(0).body, body);
}

void TestHttpServer::rangeNearEndOfFileOver4GiB()
{
    // A sparse file: the size is there, the disk blocks are not.
    const QString path = dir.filePath("sparse.bin");
    const qint64 size = 5LL * 1024 * 1024 * 1024 + 123;
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    if (!f.resize(size))
        QSKIP("the temporary folder cannot hold a sparse 5 GiB file");
    const QByteArray marker = "beyond four gibibytes";
    const qint64 markerAt = 5LL * 1024 * 1024 * 1024;
    QVERIFY(f.seek(markerAt));
    QCOMPARE(f.write(marker), qint64(marker.size()));
    f.close();
    QCOMPARE(QFileInfo(path).size(), size);

    struct Case { qint64 s, e, first, last; };
    const QList<Case> cases = {
        {markerAt, markerAt + marker.size() - 1, markerAt, markerAt + marker.size() - 1},
        {markerAt, 0, markerAt, size - 1},
        {-123, 0, markerAt, size - 1},
        {markerAt, 9LL * 1024 * 1024 * 1024, markerAt, size - 1},
    };
    for (const Case &c : cases) {
        setHandler([path, c](const QPointer<Session> &s) { s->replyFile(path, c.s, c.e); });
        const RawClient::Reply reply = RawClient::get(port, "/big");
        QVERIFY(reply.closedByServer);
        QCOMPARE(reply.headers.value("Content-Range"),
                 QStringLiteral("bytes %1-%2/%3").arg(c.first).arg(c.last).arg(size).toLatin1());
        QCOMPARE(reply.contentLength(), c.last - c.first + 1);
        QCOMPARE(qint64(reply.body.size()), c.last - c.first + 1);
        QVERIFY(reply.body.startsWith(marker));
    }
    setHandler([path](const QPointer<Session> &s) { s->replyFile(path, 6LL * 1024 * 1024 * 1024, 0); });
    const RawClient::Reply reply = RawClient::get(port, "/big");
    QCOMPARE(reply.raw, QStringLiteral("HTTP/1.1 416 Partial Content\r\nContent-Range: bytes */%1\r\n\r\n")
                            .arg(size)
                            .toLatin1());
}

void TestHttpServer::largeFileStreamedInChunks_data()
{
    QTest::addColumn<qint64>("s");
    QTest::addColumn<qint64>("e");
    QTest::newRow("whole file") << qint64(0) << qint64(0);
    QTest::newRow("odd middle range") << qint64(12345) << qint64(3 * 1024 * 1024 + 4321);
    QTest::newRow("suffix of 1 MiB + 1") << qint64(-(1024 * 1024 + 1)) << qint64(0);
}

void TestHttpServer::largeFileStreamedInChunks()
{
    // Far more than the send window and the chunk size: the body is streamed
    // over many write notifications and must arrive complete and in order.
    QFETCH(qint64, s);
    QFETCH(qint64, e);
    const QString path = dir.filePath("large.bin");
    const qint64 size = 5 * 1024 * 1024 + 777;
    QByteArray content(int(size), Qt::Uninitialized);
    quint32 x = 12345;
    for (int i = 0; i < content.size(); ++i) {
        x = x * 1103515245u + 12345u;
        content[i] = char(x >> 24);
    }
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(content), size);
    f.close();
    const qint64 first = s < 0 ? size + s : s;
    const qint64 last = (s < 0 || e <= s) ? size - 1 : e;
    setHandler([path, s, e](const QPointer<Session> &session) { session->replyFile(path, s, e); });
    const RawClient::Reply reply = RawClient::get(port, "/large");
    QVERIFY(reply.closedByServer);
    QCOMPARE(reply.headers.value("Content-Range"),
             QStringLiteral("bytes %1-%2/%3").arg(first).arg(last).arg(size).toLatin1());
    QCOMPARE(reply.contentLength(), last - first + 1);
    QCOMPARE(qint64(reply.body.size()), last - first + 1);
    QVERIFY(reply.body == content.mid(int(first), int(last - first + 1)));
}

void TestHttpServer::zeroCopyBody_data()
{
    QTest::addColumn<qint64>("s");
    QTest::addColumn<qint64>("e");
    QTest::addColumn<QString>("reader");
    const qint64 mib = 1024 * 1024;
    QTest::newRow("start") << qint64(0) << 9 * mib << "fast";
    QTest::newRow("odd middle") << 7 * mib + 3 << 19 * mib + 11 << "fast";
    QTest::newRow("end") << -(3 * mib + 1) << qint64(0) << "fast";
    QTest::newRow("slow reader, whole file") << qint64(0) << qint64(0) << "slow";
    QTest::newRow("client leaves mid-body") << mib << qint64(0) << "leaves";
}

void TestHttpServer::zeroCopyBody()
{
    QFETCH(qint64, s);
    QFETCH(qint64, e);
    QFETCH(QString, reader);
    const QString path = dir.filePath("zerocopy.bin");
    const int size = 24 * 1024 * 1024 + 332;
    static QByteArray content;
    if (content.isEmpty()) {
        content.resize(size);
        QRandomGenerator(20240601).fillRange(reinterpret_cast<quint32 *>(content.data()), size / 4);
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(content) == size);
    }
    const qint64 first = s < 0 ? size + s : s;
    const qint64 length = (s >= 0 && e > s ? e + 1 : size) - first;
    server->setIdleTimeout(60000); // a slow reader on a busy machine
    setHandler([path, s, e](const QPointer<Session> &session) { session->replyFile(path, s, e); });
    const qint64 zeroCopyBefore = Session::zeroCopyBytesSent();
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(socket.waitForConnected(5000));
    // Small buffers here: the server's socket fills and it waits for room.
    socket.setReadBufferSize(16 * 1024);
    socket.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, 16 * 1024);
    socket.write("GET /zerocopy HTTP/1.1\r\n\r\n");
    RawClient::Reply reply;
    while (socket.waitForReadyRead(30000)) {
        reply.raw += socket.readAll();
        if (reader == QLatin1String("slow") && reply.raw.size() % (256 * 1024) < 16 * 1024)
            QThread::msleep(2);
        if (reader == QLatin1String("leaves") && reply.raw.size() > 2 * 1024 * 1024)
            socket.abort();
    }
    reply.raw += socket.readAll();
    RawClient::splitReply(reply);
    QVERIFY(reply.body == content.mid(int(first), reader == QLatin1String("leaves") ? reply.body.size() : int(length)));
    if (reader == QLatin1String("leaves")) {
        // The server lets the connection go at once, not at the idle time-out, and serves the next.
        QTRY_COMPARE_WITH_TIMEOUT(server->openConnections(), 0, 30000);
        QVERIFY(RawClient::get(port, "/next").body == content.mid(int(first), int(length)));
    } else {
        QCOMPARE(Session::zeroCopyBytesSent() - zeroCopyBefore, length);
    }
    server->setIdleTimeout(1000);
}

void TestHttpServer::replyAfterClientLeft()
{
    // The handler answers after the client has gone: the session is kept
    // until the handler is done, then the reply is refused without a crash.
    QSemaphore clientGone;
    std::atomic<bool> replied{false};
    const QString path = file1000;
    setHandler([&, path](const QPointer<Session> &s) {
        clientGone.tryAcquire(1, 60000);
        QVERIFY2(!s.isNull(), "session deleted while its handler ran");
        s->replyFile(path, 0, 0);
        replied = true;
    });
    {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(socket.waitForConnected(5000));
        socket.write("GET /late HTTP/1.1\r\n\r\n");
        QVERIFY(socket.waitForBytesWritten(5000));
        QTRY_COMPARE(handlerCalls.load(), 1);
        socket.abort();
    }
    // The server has seen the client go before the handler answers.
    QTRY_VERIFY(log->contains("the client closed the connection"));
    clientGone.release();
    QTRY_VERIFY(replied.load());
    QTRY_VERIFY(log->contains("HttpServer::Session::replyFile: error1"));
    // The server still serves.
    setHandler([](const QPointer<Session> &s) { s->replyText(QStringLiteral("alive")); });
    QCOMPARE(RawClient::get(port, "/again").body, QByteArray("alive"));
}

void TestHttpServer::clientAddressIsPlainIPv4()
{
    HttpServer::TcpServerManage dual(1);
    QHostAddress seenAddress;
    QMutex lock;
    dual.setHttpAcceptedCallback([&](const QPointer<Session> &s) {
        {
            QMutexLocker l(&lock);
            seenAddress = s->clientAddress();
        }
        s->replyText(s->clientAddress().toString());
    });
    if (!dual.listen(QHostAddress::Any, 0))
        QSKIP("no dual-stack listener on this machine");
    const RawClient::Reply reply = RawClient::get(dual.serverPort(), "/who");
    QCOMPARE(reply.body, QByteArray("127.0.0.1"));
    QMutexLocker l(&lock);
    QCOMPARE(seenAddress, QHostAddress(QHostAddress::LocalHost));
}

void TestHttpServer::managerLifecycle()
{
    HttpServer::TcpServerManage manager(2);
    manager.setHttpAcceptedCallback([](const QPointer<Session> &s) { s->replyText(QStringLiteral("up")); });
    QVERIFY(!manager.isRunning());

    // begin from another thread is refused.
    std::atomic<bool> otherResult{true};
    QScopedPointer<QThread> other(QThread::create([&] { otherResult = manager.begin(); }));
    other->start();
    QVERIFY(other->wait(10000));
    QVERIFY(!otherResult.load());
    QVERIFY(log->contains("HttpServer::Manage::listen: error: listen from other thread"));
    QVERIFY(!manager.isRunning());

    // A port that is already bound: the start fails and is logged...
    QTcpServer blocker;
    QVERIFY(blocker.listen(QHostAddress::LocalHost, 0));
    QVERIFY(!manager.listen(QHostAddress::LocalHost, blocker.serverPort()));
    QVERIFY(log->contains("tcpServer_ listen error:"));
    QVERIFY(!manager.isRunning());

    // ...and does not block a later start.
    QVERIFY(manager.listen(QHostAddress::LocalHost, 0));
    QVERIFY(manager.isRunning());
    QVERIFY(!manager.begin());
    QVERIFY(log->contains("HttpServer::Manage::close: error: already running"));
    const quint16 first = manager.serverPort();
    QCOMPARE(RawClient::get(first, "/").body, QByteArray("up"));

    // A connection still open when the server stops is ended with it.
    QTcpSocket lingering;
    lingering.connectToHost(QHostAddress::LocalHost, first);
    QVERIFY(lingering.waitForConnected(5000));
    lingering.write("GET /half");
    QVERIFY(lingering.waitForBytesWritten(5000));
    QTest::qWait(100);

    manager.close();
    QVERIFY(!manager.isRunning());
    QCOMPARE(manager.serverPort(), quint16(0));
    QVERIFY(lingering.waitForDisconnected(10000) || lingering.state() == QAbstractSocket::UnconnectedState);
    QTcpSocket refused;
    refused.connectToHost(QHostAddress::LocalHost, first);
    QVERIFY(!refused.waitForConnected(3000));

    manager.close();
    QVERIFY(log->contains("HttpServer::Manage::close: error: not running"));

    // Restart on the same manager.
    QVERIFY(manager.listen(QHostAddress::LocalHost, 0));
    QCOMPARE(RawClient::get(manager.serverPort(), "/").body, QByteArray("up"));
}

void TestHttpServer::connectionAndHandlerBounds()
{
    // A headset reads a video through several parallel ranges: with the
    // default bounds every one of them is answered.
    const QString path = file1000;
    setHandler([path](const QPointer<Session> &s) { s->replyFile(path, 100, 199); });
    server->setIdleTimeout(60000);
    QList<QThread *> readers;
    std::atomic<int> good{0};
    for (int i = 0; i < 16; ++i)
        readers << QThread::create([&] { good += RawClient::get(port, "/video/x").body == fileBytes(100, 100); });
    for (QThread *t : readers)
        t->start();
    for (QThread *t : readers) {
        QVERIFY(t->wait(60000));
        delete t;
    }
    QCOMPARE(good.load(), 16);

    // Past the connection bound a new connection is closed at once, with
    // one log line; a freed place serves again.
    server->setMaxConnections(4);
    QList<QTcpSocket *> idle;
    for (int i = 0; i < 4; ++i) {
        idle << new QTcpSocket;
        idle.last()->connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(idle.last()->waitForConnected(5000));
    }
    log->clear();
    const RawClient::Reply refused = RawClient::get(port, "/one-too-many");
    QVERIFY(refused.closedByServer);
    QCOMPARE(refused.raw, QByteArray());
    QCOMPARE(log->count("too many connections"), 1);
    delete idle.takeFirst();
    // Served again once the server has seen the place freed.
    QTRY_COMPARE_WITH_TIMEOUT(server->openConnections(), 3, 60000);
    QCOMPARE(RawClient::get(port, "/again").body, fileBytes(100, 100));
    qDeleteAll(idle);
    server->setMaxConnections(HttpServer::AbstractManage::kDefaultMaxConnections);

    // Past the handler bound a complete request is refused, not queued.
    server->setMaxPendingHandlers(2);
    QSemaphore release;
    setHandler([&](const QPointer<Session> &s) {
        release.acquire();
        s->replyText(QStringLiteral("late"));
    });
    log->clear();
    QList<QTcpSocket *> waiting;
    for (int i = 0; i < 5; ++i) {
        waiting << new QTcpSocket;
        waiting.last()->connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(waiting.last()->waitForConnected(5000));
        waiting.last()->write("GET /wait HTTP/1.1\r\n\r\n");
        QVERIFY(waiting.last()->waitForBytesWritten(5000));
    }
    QTRY_COMPARE(log->count("handler queue full"), 3);
    release.release(2);
    int answered = 0;
    for (QTcpSocket *socket : waiting) {
        QTRY_VERIFY(socket->state() == QAbstractSocket::UnconnectedState || socket->bytesAvailable() > 0);
        socket->waitForDisconnected(10000);
        answered += socket->readAll().endsWith("late") ? 1 : 0;
    }
    QCOMPARE(answered, 2);
    qDeleteAll(waiting);
    server->setMaxPendingHandlers(HttpServer::AbstractManage::kDefaultMaxPendingHandlers);
    server->setIdleTimeout(1000);
}

void TestHttpServer::onePeerCannotTakeEveryPlace()
{
    // 127.0.0.2, a peer of its own, opens more than it may hold: the extra
    // ones are closed at once (not a line each), and 127.0.0.1 is served.
    const QString path = file1000;
    setHandler([path](const QPointer<Session> &s) { s->replyFile(path, 100, 199); });
    server->setIdleTimeout(120000);
    server->setMaxConnections(10);
    server->setMaxConnectionsPerPeer(8);
    log->clear();
    QList<QTcpSocket *> peer;
    for (int i = 0; i < 20; ++i) {
        peer << new QTcpSocket;
        QVERIFY(peer.last()->bind(QHostAddress(QStringLiteral("127.0.0.2"))));
        peer.last()->connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(peer.last()->waitForConnected(5000));
    }
    const auto closed = [](QTcpSocket *socket) { return socket->state() == QAbstractSocket::UnconnectedState; };
    QTRY_COMPARE_WITH_TIMEOUT(std::count_if(peer.cbegin(), peer.cend(), closed), 12, 60000);
    QCOMPARE(server->openConnections(), 8);
    QVERIFY(log->count("too many connections from 127.0.0.2") >= 1 && log->count("too many connections from") < 12);
    QCOMPARE(RawClient::get(port, "/video/x", {"Range: bytes=100-199"}).body, fileBytes(100, 100));
    qDeleteAll(peer);
    QTRY_COMPARE_WITH_TIMEOUT(server->openConnections(), 0, 60000);
    server->setMaxConnections(HttpServer::AbstractManage::kDefaultMaxConnections);
    server->setMaxConnectionsPerPeer(HttpServer::AbstractManage::kDefaultMaxConnectionsPerPeer);
    server->setIdleTimeout(1000);
}

QTEST_GUILESS_MAIN(TestHttpServer)
#include "tst_httpserver.moc"
