#include "httpclients.h"
#include "netlab.h"
#include "peernamespace.h"
#include "processes.h"
#include "testvideos.h"

#include "dlna/dlnacatalog.h"
#include "dlna/dlnaformat.h"
#include "library/corvanevideoinfo.h"
#include "library/runner.h"
#include "library/videolibraryfile.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <csignal>
#include <memory>
#include <pwd.h>
#include <unistd.h>

namespace {
const QString kPeerDev = QStringLiteral("hs0");
const QString kMediaServer = QStringLiteral("urn:schemas-upnp-org:device:MediaServer:1");
const QString kCdsType = QStringLiteral("urn:schemas-upnp-org:service:ContentDirectory:1");
// The library's videos; one title needs escaping on its way through XML.
const QStringList kTitles{QStringLiteral("Clip 0"), QStringLiteral("Clip 1"), QStringLiteral("Clip 2 & <été>")};

// The text of every element named name, in document order.
QStringList elementTexts(const QByteArray &xml, const QString &name)
{
    QStringList texts;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == name)
            texts << reader.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    return texts;
}

// Attributes of every element named name.
QList<QXmlStreamAttributes> elementAttributes(const QString &xml, const QString &name)
{
    QList<QXmlStreamAttributes> list;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == name)
            list << reader.attributes();
    }
    return list;
}
}

class TestDlna : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void videoReplyHeaders_data();
    void videoReplyHeaders();
    void updateIdFollowsTheLibrary();
    void mediaServerInNamespace();
    void vlcPlaysAVideo();

private:
    // The library: three generated videos of different lengths, a subtitle
    // beside the first; made once for every test here.
    bool makeLibrary();
    QProcess *startServer();
    QProcess *startDiscover(PeerNamespace &peer, const QString &messages);
    // Waits until gssdp-discover printed a block for our device with word
    // ("available" or "unavailable") and returns the block.
    QString waitForResource(QProcess *discover, const QString &word);
    // Waits until pattern matches what VLC printed: its cli answers when a
    // command is given (sent again each second), else its log. Returns the
    // last group of the match; empty when it never matched.
    QString waitForVlc(QProcess *vlc, const QRegularExpression &pattern, const char *command = nullptr);
    CurlResult soap(PeerNamespace &peer, const QString &action, const QString &arguments,
                    const QString &body = QString());

    QTemporaryDir m_dir;
    QString m_control;
    QByteArray m_discoverOut;
    QHash<QString, CorvaneVideoInfo> m_byTitle;
    QByteArray m_vlcOut;
    QByteArray m_vlcLog;
    ChildProcesses m_children;
};

void TestDlna::initTestCase()
{
    QVERIFY(m_dir.isValid());
    qputenv("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("data")).toUtf8());
    QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("media"))));
    QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("tmp"))));
}

void TestDlna::videoReplyHeaders_data()
{
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("contentType");  // empty: no extra headers at all

    QTest::newRow("headset app") << QStringLiteral("Range") << QStringLiteral("bytes=0-") << "a.mp4" << QByteArray();
    QTest::newRow("transferMode") << QStringLiteral("transferMode.dlna.org") << QStringLiteral("Streaming")
                                  << "a.mp4" << QByteArray("video/mp4");
    QTest::newRow("lower-case name") << QStringLiteral("getcontentfeatures.dlna.org") << QStringLiteral("1")
                                     << "b.MKV" << QByteArray("video/x-matroska");
    QTest::newRow("features not asked") << QStringLiteral("getcontentFeatures.dlna.org") << QStringLiteral("0")
                                        << "a.mp4" << QByteArray();
    QTest::newRow("ts is video") << QStringLiteral("transferMode.dlna.org") << QStringLiteral("Interactive")
                                 << "c.ts" << QByteArray("video/mp2t");
}

void TestDlna::videoReplyHeaders()
{
    QFETCH(QString, header);
    QFETCH(QString, value);
    QFETCH(QString, file);
    QFETCH(QByteArray, contentType);
    const DlnaFormat::Headers extra = DlnaFormat::videoReplyHeaders({{header, value}}, file);
    if (contentType.isEmpty()) {
        QVERIFY(extra.isEmpty());
        return;
    }
    QMap<QByteArray, QByteArray> map;
    for (const auto &pair : extra)
        map.insert(pair.first, pair.second);
    QCOMPARE(map.value("Content-Type"), contentType);
    QCOMPARE(map.value("transferMode.dlna.org"), QByteArray("Streaming"));
    // The features must say what the Browse result's protocolInfo says.
    QVERIFY(DlnaFormat::protocolInfo(QString::fromLatin1(contentType))
                .endsWith(QLatin1Char(':') + QString::fromLatin1(map.value("contentFeatures.dlna.org"))));
    QVERIFY(map.value("contentFeatures.dlna.org").contains("DLNA.ORG_OP=01"));
}

void TestDlna::updateIdFollowsTheLibrary()
{
    // Renderers re-browse only when SystemUpdateID moves: it must move on
    // every change of the published list, and only then.
    const auto library = [](const QString &id) {
        return QJsonObject{{QStringLiteral("items"),
                            QJsonArray{QJsonObject{{QStringLiteral("videopath"), QStringLiteral("video/") + id},
                                                   {QStringLiteral("videopathreal"), QStringLiteral("/v/") + id}}}}};
    };
    DlnaCatalog catalog;
    QVERIFY(catalog.setLibraryJson(library(QStringLiteral("a"))));
    const uint first = catalog.updateId();
    QVERIFY(!catalog.setLibraryJson(library(QStringLiteral("a"))));
    QCOMPARE(catalog.updateId(), first);
    QVERIFY(catalog.setLibraryJson(library(QStringLiteral("b"))));
    QVERIFY(catalog.updateId() != first);
    QCOMPARE(catalog.browse(QStringLiteral("va"), QStringLiteral("BrowseMetadata"), QStringLiteral("0"),
                            QStringLiteral("0"), {}).error, 701);
    QCOMPARE(catalog.browse(QStringLiteral("vb"), QStringLiteral("BrowseMetadata"), QStringLiteral("0"),
                            QStringLiteral("0"), {}).numberReturned, 1u);
}

bool TestDlna::makeLibrary()
{
    if (!m_byTitle.isEmpty())
        return true;
    const QString media = m_dir.filePath(QStringLiteral("media"));
    for (int i = 0; i < 3; ++i) {
        const QString path = QStringLiteral("%1/%2.mp4").arg(media, kTitles[i]);
        if (!TestVideos::clip(path, 2 + i, QStringLiteral("160x90"), 10, 5))
            return false;
        Runner runner;
        std::optional<CorvaneVideoInfo> info = runner.createVideoInfo(path);
        if (!info)
            return false;
        VideoLibraryFile().appendRecord(&*info, i == 0);
        m_byTitle.insert(QFileInfo(info->video).completeBaseName(), *info);
    }
    return TestSupport::writeFile(media + QStringLiteral("/Clip 0.en.srt"), "1\n00:00:00,000 --> 00:00:01,000\nHi\n");
}

QProcess *TestDlna::startServer()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("TMPDIR"), m_dir.filePath(QStringLiteral("tmp")));
    return m_children.start(QStringLiteral(CORVANE_BIN), {}, env);
}

QProcess *TestDlna::startDiscover(PeerNamespace &peer, const QString &messages)
{
    m_discoverOut.clear();
    // Line-buffered: it writes into a pipe here and stays running.
    const QStringList command = peer.exec() + QStringList{QStringLiteral("stdbuf"), QStringLiteral("-oL"),
                                                          QStringLiteral("gssdp-discover"), QStringLiteral("-i"), kPeerDev,
                                                          QStringLiteral("-t"), kMediaServer, QStringLiteral("-m"), messages};
    return m_children.start(command.first(), command.mid(1));
}

QString TestDlna::waitForResource(QProcess *discover, const QString &word)
{
    // "resource <word>", the USN line, and for an available one its Location
    // line: a read may end half-way through a block.
    const QString last = word == QLatin1String("available") ? QStringLiteral("\\s+Location:\\s*\\S+\\n") : QString();
    const QRegularExpression block(QStringLiteral("resource %1\\n(\\s+USN:\\s*\\S+\\n%2)").arg(word, last));
    QDeadlineTimer deadline(90000);
    while (!deadline.hasExpired() && discover->state() != QProcess::NotRunning) {
        discover->waitForReadyRead(200);
        m_discoverOut += discover->readAllStandardOutput();
        const QRegularExpressionMatch match = block.match(QString::fromUtf8(m_discoverOut));
        if (match.hasMatch())
            return match.captured(1);
    }
    qWarning() << "gssdp-discover printed" << m_discoverOut << discover->readAllStandardError();
    return QString();
}

CurlResult TestDlna::soap(PeerNamespace &peer, const QString &action, const QString &arguments, const QString &body)
{
    const QString envelope = body.isNull()
        ? QStringLiteral("<?xml version=\"1.0\"?><s:Envelope xmlns:s=\"http://schemas.xmlsoap.org/soap/envelope/\" "
                         "s:encodingStyle=\"http://schemas.xmlsoap.org/soap/encoding/\"><s:Body><u:%1 xmlns:u=\"%2\">"
                         "%3</u:%1></s:Body></s:Envelope>")
              .arg(action, kCdsType, arguments)
        : body;
    const QString file = m_dir.filePath(QStringLiteral("tmp/soap.xml"));
    TestSupport::writeFile(file, envelope.toUtf8());
    return curlUrl(m_control,
                   {QStringLiteral("-X"), QStringLiteral("POST"), QStringLiteral("-H"),
                    QStringLiteral("Content-Type: text/xml; charset=\"utf-8\""), QStringLiteral("-H"),
                    QStringLiteral("SOAPAction: \"%1#%2\"").arg(kCdsType, action), QStringLiteral("--data-binary"),
                    QLatin1Char('@') + file}, peer.exec());
}

void TestDlna::mediaServerInNamespace()
{
    REQUIRE_NETLAB();
    PeerNamespace peer;
    REQUIRE_PEER(peer);
    CHECK_LAB(peer.addLan(0), peer);

    QVERIFY(makeLibrary());
    const QHash<QString, CorvaneVideoInfo> &byTitle = m_byTitle;

    QProcess *discover = startDiscover(peer, QStringLiteral("all"));
    QVERIFY(discover);
    QProcess *program = startServer();
    QVERIFY(program);

    // Found from the other namespace, on the address of the shared link only.
    const QString found = waitForResource(discover, QStringLiteral("available"));
    QVERIFY2(!found.isEmpty(), "gssdp-discover never listed the media server");
    const QRegularExpressionMatch location = QRegularExpression(QStringLiteral("Location:\\s*(\\S+)")).match(found);
    QVERIFY(location.hasMatch());
    const QUrl descriptionUrl(location.captured(1));
    QCOMPARE(descriptionUrl.host(), QStringLiteral("10.77.0.1"));
    const QString udn = QRegularExpression(QStringLiteral("USN:\\s*(uuid:[^:\\s]+)")).match(found).captured(1);
    QVERIFY(!udn.isEmpty());

    const CurlResult description = curlUrl(descriptionUrl.toString(), {}, peer.exec());
    QCOMPARE(description.status(), 200);
    QCOMPARE(elementTexts(description.body, QStringLiteral("deviceType")), QStringList{kMediaServer});
    QCOMPARE(elementTexts(description.body, QStringLiteral("X_DLNADOC")), QStringList{QStringLiteral("DMS-1.50")});
    QVERIFY(elementTexts(description.body, QStringLiteral("friendlyName")).value(0).startsWith(QLatin1String("Corvane on ")));
    QCOMPARE(elementTexts(description.body, QStringLiteral("serviceType")).size(), 3);
    m_control = descriptionUrl.resolved(QUrl(elementTexts(description.body, QStringLiteral("controlURL")).value(0))).toString();

    // Every video, with its size and duration, the video res first.
    const auto browse = [&](const QString &id, const QString &flag, const QString &start, const QString &count) {
        return soap(peer, QStringLiteral("Browse"),
                    QStringLiteral("<ObjectID>%1</ObjectID><BrowseFlag>%2</BrowseFlag><Filter>*</Filter>"
                                   "<StartingIndex>%3</StartingIndex><RequestedCount>%4</RequestedCount>"
                                   "<SortCriteria></SortCriteria>")
                        .arg(id, flag, start, count));
    };
    const CurlResult all = browse(QStringLiteral("0"), QStringLiteral("BrowseDirectChildren"), QStringLiteral("0"),
                                  QStringLiteral("5000"));
    QVERIFY2(all.status() == 200, all.body);
    QCOMPARE(elementTexts(all.body, QStringLiteral("TotalMatches")), QStringList{QStringLiteral("3")});
    const QString didl = elementTexts(all.body, QStringLiteral("Result")).value(0);
    const QStringList titles = elementTexts(didl.toUtf8(), QStringLiteral("title"));
    QCOMPARE(titles.size(), 3);
    const QList<QXmlStreamAttributes> resources = elementAttributes(didl, QStringLiteral("res"));
    int videos = 0;
    for (const QXmlStreamAttributes &res : resources) {
        const QString info = res.value(QStringLiteral("protocolInfo")).toString();
        if (!info.startsWith(QLatin1String("http-get:*:video/mp4:")))
            continue;
        QVERIFY(info.contains(QLatin1String("DLNA.ORG_OP=01")));
        const CorvaneVideoInfo record = byTitle.value(titles.value(videos));
        QCOMPARE(res.value(QStringLiteral("size")).toLongLong(), QFileInfo(record.videoPathReal).size());
        const double seconds = TestVideos::ffprobeDuration(record.videoPathReal);
        QCOMPARE(res.value(QStringLiteral("duration")).toString(),
                 QStringLiteral("0:00:%1.000").arg(int(seconds), 2, 10, QLatin1Char('0')));
        ++videos;
    }
    QCOMPARE(videos, 3);
    QVERIFY(didl.contains(QLatin1String("text/srt")));
    QVERIFY(didl.contains(QLatin1String("JPEG_TN")));

    // The video res is served by the /video route, with the DLNA headers for
    // a renderer that asks and the same Content-Type as its protocolInfo.
    const QString videoUrl = elementTexts(didl.toUtf8(), QStringLiteral("res")).value(0);
    const QStringList inPeer = peer.exec();
    const CurlResult renderer = curlUrl(videoUrl, {QStringLiteral("-r"), QStringLiteral("0-99"), QStringLiteral("-H"),
                                                   QStringLiteral("transferMode.dlna.org: Streaming")}, inPeer);
    QCOMPARE(renderer.status(), 206);
    QVERIFY2(renderer.head.contains("\r\nContent-Type: video/mp4\r\n"), renderer.head);
    QVERIFY2(renderer.head.contains("\r\ntransferMode.dlna.org: Streaming\r\n"), renderer.head);
    QVERIFY2(renderer.head.contains("\r\ncontentFeatures.dlna.org: DLNA.ORG_OP=01"), renderer.head);
    const CurlResult headset = curlUrl(videoUrl, {QStringLiteral("-r"), QStringLiteral("0-99")}, inPeer);
    QCOMPARE(headset.status(), 206);
    QVERIFY2(!headset.head.contains("dlna.org") && headset.head.contains("application/octet-stream"), headset.head);

    // The poster is a real JPEG.
    const QStringList art = elementTexts(didl.toUtf8(), QStringLiteral("albumArtURI"));
    QCOMPARE(art.size(), 3);
    const CurlResult poster = curlUrl(art.first(), {}, peer.exec());
    QCOMPARE(poster.status(), 200);
    QVERIFY(poster.body.startsWith("\xFF\xD8\xFF"));

    // Paging, and the errors, as a table.
    struct Case
    {
        const char *id, *flag, *start, *count;
        int status;
        QString returned;
        QString total;
        int error;
    };
    const QList<Case> cases = {
        {"0", "BrowseDirectChildren", "1", "1", 200, "1", "3", 0},
        {"0", "BrowseDirectChildren", "2", "0", 200, "1", "3", 0},
        {"0", "BrowseDirectChildren", "7", "2", 200, "0", "3", 0},
        {"0", "BrowseMetadata", "0", "0", 200, "1", "1", 0},
        {"v-nothing", "BrowseMetadata", "0", "0", 500, {}, {}, 701},
        {"0", "BrowseSideways", "0", "0", 500, {}, {}, 402},
        {"0", "BrowseDirectChildren", "x", "0", 500, {}, {}, 402},
        {"", "BrowseDirectChildren", "0", "0", 500, {}, {}, 402},
    };
    for (const Case &c : cases) {
        const CurlResult r = browse(QLatin1String(c.id), QLatin1String(c.flag), QLatin1String(c.start), QLatin1String(c.count));
        const QByteArray where = QByteArray(c.id) + ' ' + c.flag + ' ' + c.start + ' ' + c.count;
        QVERIFY2(r.status() == c.status, where + " answered " + r.statusLine());
        if (c.error) {
            QCOMPARE(elementTexts(r.body, QStringLiteral("errorCode")), QStringList{QString::number(c.error)});
            continue;
        }
        QCOMPARE(elementTexts(r.body, QStringLiteral("NumberReturned")), QStringList{c.returned});
        QCOMPARE(elementTexts(r.body, QStringLiteral("TotalMatches")), QStringList{c.total});
    }
    const CurlResult invalid = soap(peer, QStringLiteral("Frobnicate"), QString());
    QCOMPARE(invalid.status(), 500);
    QCOMPARE(elementTexts(invalid.body, QStringLiteral("errorCode")), QStringList{QStringLiteral("401")});
    const CurlResult malformed = soap(peer, QStringLiteral("Browse"), QString(), QStringLiteral("<s:Envelope><unclosed"));
    QVERIFY2(malformed.status() >= 400, malformed.statusLine());
    const CurlResult updateId = soap(peer, QStringLiteral("GetSystemUpdateID"), QString());
    QCOMPARE(updateId.status(), 200);
    QVERIFY(!elementTexts(updateId.body, QStringLiteral("Id")).value(0).isEmpty());

    // SIGTERM: the program leaves through its loop, says byebye, exits 0.
    QCOMPARE(program->state(), QProcess::Running);
    QCOMPARE(::kill(pid_t(program->processId()), SIGTERM), 0);
    QVERIFY(TestSupport::ended(program));
    QCOMPARE(program->exitStatus(), QProcess::NormalExit);
    QCOMPARE(program->exitCode(), 0);
    const QString gone = waitForResource(discover, QStringLiteral("unavailable"));
    QVERIFY2(gone.contains(udn), "no byebye for the device");
}

QString TestDlna::waitForVlc(QProcess *vlc, const QRegularExpression &pattern, const char *command)
{
    // The cli answers on standard output, the -vv log goes to standard error;
    // both are kept so a failure shows what VLC saw.
    QDeadlineTimer deadline(120000);
    QDeadlineTimer nextCommand;
    while (!deadline.hasExpired() && vlc->state() != QProcess::NotRunning) {
        if (command && nextCommand.hasExpired()) {
            vlc->write(QByteArray(command) + '\n');
            nextCommand.setRemainingTime(1000);
        }
        vlc->waitForReadyRead(200);
        // The cli's lines and the HTTP heads in the log end with CR LF.
        m_vlcOut += vlc->readAllStandardOutput().replace('\r', QByteArray());
        m_vlcLog += vlc->readAllStandardError().replace('\r', QByteArray());
        const QRegularExpressionMatch match = pattern.match(QString::fromUtf8(command ? m_vlcOut : m_vlcLog));
        if (match.hasMatch())
            return match.captured(match.lastCapturedIndex());
    }
    qWarning().noquote() << "VLC printed" << m_vlcOut << "\nand logged" << m_vlcLog.right(20000);
    return QString();
}

void TestDlna::vlcPlaysAVideo()
{
    // VLC finds the server by SSDP, browses it with its own UPnP module and
    // plays the first item as a renderer would, from another namespace and as
    // an ordinary user (it refuses root).
    const QString vlcTool = QStandardPaths::findExecutable(QStringLiteral("vlc"));
    QVERIFY2(!vlcTool.isEmpty(), "vlc is missing: run tools/deps.sh");
    const passwd *nobody = ::getpwnam("nobody");
    QVERIFY(nobody);
    REQUIRE_NETLAB();
    PeerNamespace peer;
    REQUIRE_PEER(peer);
    CHECK_LAB(peer.addLan(0), peer);
    // Its M-SEARCH goes out on the route to the SSDP group.
    QVERIFY(NetLab::ip({QStringLiteral("-n"), peer.name(), QStringLiteral("route"), QStringLiteral("add"),
                        QStringLiteral("239.0.0.0/8"), QStringLiteral("dev"), kPeerDev}));
    // libupnp binds the link's IPv6 address too, which fails while it is tentative.
    const QStringList tentative{QStringLiteral("-n"), peer.name(), QStringLiteral("-6"), QStringLiteral("addr"),
                                QStringLiteral("show"), QStringLiteral("dev"), kPeerDev, QStringLiteral("tentative")};
    QTRY_VERIFY_WITH_TIMEOUT(TestSupport::run(NetLab::ipTool(), tentative).trimmed().isEmpty(), 60000);
    QVERIFY(makeLibrary());
    QVERIFY(startServer());

    QTemporaryDir home;
    QVERIFY(home.isValid() && ::chown(QFile::encodeName(home.path()).constData(), nobody->pw_uid, nobody->pw_gid) == 0);
    QProcessEnvironment env;
    env.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    m_vlcOut.clear();
    m_vlcLog.clear();
    const QStringList as = QStringLiteral("netns exec %1 setpriv --reuid=%2 --regid=%3 --clear-groups")
                               .arg(peer.name()).arg(nobody->pw_uid).arg(nobody->pw_gid).split(QLatin1Char(' '));
    const QStringList options =
        QStringLiteral("-I cli --no-color -vv --services-discovery upnp --vout=dummy --aout=dummy").split(QLatin1Char(' '));
    QProcess *vlc = m_children.start(NetLab::ipTool(), as + QStringList{vlcTool} + options, env);
    QVERIFY(vlc);

    // Discovered: the server is a node under VLC's UPnP tree.
    const QString serverId = waitForVlc(
        vlc, QRegularExpression(QStringLiteral("Universal Plug'n'Play\\n\\|\\s+(\\d+) - Corvane on ")), "playlist");
    QVERIFY2(!serverId.isEmpty(), "VLC never listed the media server");

    // Browsed: opening the node lists every video with its title and length,
    // in the library's order, and plays the first.
    vlc->write("goto " + serverId.toLatin1() + '\n');
    const QString listed = waitForVlc(
        vlc, QRegularExpression(QStringLiteral("\\d+ - Corvane on [^\\n]*\\n((?:\\|\\s+\\*?\\d+ - [^\\n]+\\n){3})")),
        "playlist");
    QStringList shown, expected;
    for (const QString &line : listed.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        shown << line.section(QLatin1String(" - "), 1).section(QLatin1String(" ["), 0, 0);
    for (const QString &title : kTitles) {
        const int seconds = int(TestVideos::ffprobeDuration(m_byTitle.value(title).videoPathReal));
        expected << QStringLiteral("%1 (00:00:%2)").arg(title).arg(seconds, 2, 10, QLatin1Char('0'));
    }
    QCOMPARE(shown, expected);

    // Played: the first res is the ranged /video route, decoded as H.264 at
    // its size, with the subtitle beside it; the art is the JPEG poster.
    const CorvaneVideoInfo &first = m_byTitle.value(QStringLiteral("Clip 0"));
    const QString id = QRegularExpression::escape(first.videoPath.section(QLatin1Char('/'), -1));
    QVERIFY(!waitForVlc(vlc, QRegularExpression(QStringLiteral("Received first picture"))).isEmpty());
    const QString log = QString::fromUtf8(m_vlcLog);
    QVERIFY2(log.contains(QRegularExpression(QStringLiteral("\\nGET /video/%1 HTTP/1.1\\n(?:.+\\n)*?Range: bytes=0-\\n")
                                                  .arg(id))),
             "VLC did not ask for the video's bytes by range");
    QVERIFY2(log.contains(QRegularExpression(QStringLiteral("\\nHTTP/1.1 206 Partial Content\\n(?:.+\\n)*?"
                                                            "Content-Range: bytes 0-\\d+/%1\\n")
                                                  .arg(QFileInfo(first.videoPathReal).size()))),
             "no ranged answer of the video's size");
    QVERIFY(log.contains(QLatin1String("codec (h264) started")));
    QVERIFY(log.contains(QLatin1String("VoutDisplayEvent 'resize' 160x90")));
    QVERIFY(log.contains(QRegularExpression(QStringLiteral("loading spu-es slave: http://\\S+/subtitle/%1/").arg(id))));
    const QString art = waitForVlc(vlc, QRegularExpression(QStringLiteral("album art saved to (\\S+)")));
    QVERIFY2(!art.isEmpty(), "VLC saved no art");
    QVERIFY(TestSupport::fileBytes(art).startsWith("\xFF\xD8\xFF"));
    vlc->write("quit\n");
    QVERIFY(TestSupport::ended(vlc));
}

NETLAB_TEST_MAIN(TestDlna, QCoreApplication)
#include "tst_dlna.moc"
