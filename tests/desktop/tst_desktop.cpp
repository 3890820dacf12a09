// The desktop additions on a real network: the test lives in network
// namespaces of its own (netlab.h), with the headset's namespace on
// 10.77.0.2. Real curl, ffmpeg and Chromium ask from there; the side
// panel's QR code is read back with zbarimg from a grab of the widget.

#include "library/corvanevideoinfo.h"
#include "library/videoid.h"
#include "library/videolibraryfile.h"
#include "server/mediaroutes.h"
#include "server/recentclients.h"
#include "server/tcpservermanage.h"
#include "server/webpage.h"
#include "settings/appsettings.h"
#include "settings/session.h"
#include "sidepanel/headsetsview.h"
#include "sidepanel/mainmenu.h"

#include "netlab.h"
#include "peernamespace.h"
#include "processes.h"
#include "testvideos.h"

#include <QApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QTranslator>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const int kNeverMs = 3600 * 1000;
const QString kHostile = QStringLiteral("<img src=x onerror=alert(1)>.webm");

// Runs a command to its end; its standard output, or a null array on failure.
QByteArray run(const QStringList &command, int timeoutMs = 120000)
{
    int code = -1;
    const QByteArray out = TestSupport::run(command.first(), command.mid(1), &code, timeoutMs);
    return code != 0 ? QByteArray() : out.isNull() ? QByteArray("") : out;
}
} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void headsetsSeen_data();
    void headsetsSeen();
    void qrCodeOfThePage_data();
    void qrCodeOfThePage();
    void webPageInChromium_data();
    void webPageInChromium();
    void headsetsFitInEveryLanguage_data();
    void headsetsFitInEveryLanguage();

private:
    QStringList inPeer(const QStringList &command) const
    {
        return peer->exec() + command;
    }
    QString url(const QString &path) const { return QStringLiteral("http://10.77.0.1:%1%2").arg(port).arg(path); }

    QTemporaryDir dir;
    std::unique_ptr<PeerNamespace> peer;
    QList<CorvaneVideoInfo> videos;
    MediaRoutes routes;
    HttpServer::TcpServerManage server{5};
    quint16 port = 0;
};

void TestDesktop::initTestCase()
{
    REQUIRE_NETLAB();
    QVERIFY(dir.isValid());
    qputenv("XDG_DATA_HOME", dir.path().toUtf8());
    peer = std::make_unique<PeerNamespace>();
    REQUIRE_PEER(*peer);
    CHECK_LAB(peer->addLan(0), *peer);

    // Two VP8 clips (every Chromium plays those), one with a hostile name,
    // written as the program's own library file.
    const QString data = Session::instance()->getDataPath();
    QVERIFY(QDir().mkpath(data + "/videoPictures"));
    QList<CorvaneVideoInfo *> records;
    QSet<QString> ids;
    for (const QString &name : {QStringLiteral("Trip 2019.webm"), kHostile}) {
        auto *info = new CorvaneVideoInfo;
        records << info;
        info->videoPath = info->posterPath = VideoId::next(ids);
        ids.insert(info->videoPath);
        info->video = name;
        info->videoPathReal = dir.filePath(name);
        info->poster = info->videoPath + ".png";
        info->posterPathReal = data + "/videoPictures/" + info->poster;
        info->length = 12;
        // A key frame every second, so a seek lands near where it asks.
        QVERIFY(TestVideos::ffmpeg({"-f", "lavfi", "-i", "testsrc=duration=12:size=640x360:rate=25", "-c:v", "libvpx",
                                    "-deadline", "realtime", "-b:v", "2M", "-g", "25", info->videoPathReal}));
        info->size = qint32(QFileInfo(info->videoPathReal).size() / 1024);
        QImage poster(212, 119, QImage::Format_RGB32);
        poster.fill(Qt::darkCyan);
        QVERIFY(poster.save(info->posterPathReal));
        videos << *info;
    }
    QStringList texts;
    QVERIFY(VideoLibraryFile().rewrite(records, &texts));
    qDeleteAll(records);

    QJsonArray items;
    for (const QString &text : qAsConst(texts))
        items.append(QJsonDocument::fromJson(text.toUtf8()).object());
    routes.setLibraryJson({{"number", QString::number(items.size())}, {"items", items}});
    routes.setWebPage(WebPage::render(QStringLiteral("us")));
    server.setHttpAcceptedCallback(routes.handler());
    QVERIFY(server.listen(QHostAddress::AnyIPv4, 0));
    port = server.serverPort();
}

void TestDesktop::headsetsSeen_data()
{
    QTest::addColumn<QStringList>("client");
    QTest::addColumn<int>("activity");
    QTest::addColumn<QString>("shown");
    const QString id = videos.value(0).videoPath;
    QTest::newRow("curl of /list") << QStringList{"curl", "-sf", "-o", "/dev/null", url("/list")}
                                   << int(RecentClients::Activity::Browsing) << "browsing the list";
    QTest::newRow("curl of a poster") << QStringList{"curl", "-sf", "-o", "/dev/null", url("/post/" + id)}
                                      << int(RecentClients::Activity::FetchingPosters) << "fetching posters";
    QTest::newRow("ffmpeg seeking into a video")
        << QStringList{"ffmpeg", "-v", "error", "-ss", "6", "-i", url("/video/" + id), "-t", "1", "-f", "null", "-"}
        << int(RecentClients::Activity::Playing) << "playing Trip 2019.webm at ";
}

void TestDesktop::headsetsSeen()
{
    REQUIRE_NETLAB();
    QFETCH(QStringList, client);
    QFETCH(int, activity);
    QFETCH(QString, shown);
    const QSharedPointer<RecentClients> record = routes.recentClients();
    record->setForgetAfterMs(RecentClients::kDefaultForgetAfterMs);
    mainMenu panel(nullptr, kNeverMs, kNeverMs);
    panel.setClientRecord(record);
    auto *view = panel.findChild<HeadsetsView *>();

    QVERIFY(!run(inPeer(client)).isNull());
    const QVector<RecentClients::Client> seen = record->clients();
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.at(0).address, QStringLiteral("10.77.0.2"));
    QCOMPARE(int(seen.at(0).activity), activity);
    if (activity == int(RecentClients::Activity::Playing)) {
        QCOMPARE(seen.at(0).videoName, videos.value(0).video);
        QVERIFY2(seen.at(0).share > 0.2 && seen.at(0).share < 1, qPrintable(QString::number(seen.at(0).share)));
    }
    panel.slotUpdateHeadsets();
    QVERIFY2(view->shownLines().join('\n').contains("10.77.0.2 \u00b7 0 s ago\n" + shown),
             qPrintable(view->shownLines().join('|')));

    // Forgotten once the stated time has passed without a request.
    record->setForgetAfterMs(200);
    QTRY_VERIFY(record->clients().isEmpty());
    panel.slotUpdateHeadsets();
    QVERIFY(view->shownLines().contains("pc0  10.77.0.255"));
}

void TestDesktop::qrCodeOfThePage_data()
{
    QTest::addColumn<int>("serverPort");
    QTest::newRow("9000") << 9000;
    QTest::newRow("port moved on to 9123") << 9123;
}

void TestDesktop::qrCodeOfThePage()
{
    REQUIRE_NETLAB();
    QFETCH(int, serverPort);
    const QString ini = AppSettings::instance()->settingsFilePath();
    TestSupport::writeIniValue(ini, "serverPort", 9000);
    mainMenu panel(nullptr, kNeverMs, kNeverMs);
    if (serverPort != 9000) {
        TestSupport::writeIniValue(ini, "serverPort", serverPort);
        panel.slotUpdateNetState();
    }
    panel.resize(246, 700);
    const QString shot = dir.filePath(QStringLiteral("panel%1.png").arg(serverPort));
    QVERIFY(panel.grab().save(shot));
    QCOMPARE(run({"zbarimg", "--quiet", "--raw", shot}).trimmed(), QStringLiteral("http://10.77.0.1:%1/").arg(serverPort).toUtf8());
}

void TestDesktop::webPageInChromium_data()
{
    QTest::addColumn<bool>("linked");
    QTest::newRow("link to the first video at 0:07") << true;
    QTest::newRow("fragment that is no valid percent-encoding") << false;
}

void TestDesktop::webPageInChromium()
{
    REQUIRE_NETLAB();
    QFETCH(bool, linked);
    routes.recentClients()->setForgetAfterMs(RecentClients::kDefaultForgetAfterMs);
    QTemporaryDir profile;
    // The page's own link form, or a cut-off UTF-8 sequence: the library as for an unknown id.
    const QString link = url("/#" + (linked ? videos.value(0).videoPath.prepend("video/") + "&t=7"
                                            : QStringLiteral("video/%E0%A4")));
    const QString dom = QString::fromUtf8(run(
        inPeer({"chromium", "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                "--disable-background-networking", "--disable-component-update", "--disable-sync", "--mute-audio",
                "--autoplay-policy=no-user-gesture-required", "--user-data-dir=" + profile.path(),
                "--virtual-time-budget=3000", "--dump-dom", link}),
        180000));
    // Every video with its poster, the hostile name as text only.
    for (const CorvaneVideoInfo &v : qAsConst(videos))
        QVERIFY2(dom.contains(QStringLiteral("<img src=\"/post/%1\"").arg(v.posterPath)), qPrintable(dom));
    QCOMPARE(dom.count(QStringLiteral("<li ")), videos.size());
    QVERIFY(dom.contains("<div class=\"name\">&lt;img src=x onerror=alert(1)&gt;.webm</div>"));
    QVERIFY(!dom.contains("<img src=\"x\""));
    QVERIFY2(dom.contains("<p id=\"status\">Choose a video to play it here.</p>"), qPrintable(dom));
    QVERIFY(dom.contains(QStringLiteral("<p id=\"playing\">%1</p>").arg(linked ? "Trip 2019.webm" : "")));
    QVERIFY(dom.contains(url("/deovr") + "  \u00b7  " + url("/heresphere")));
    if (!linked)
        return;
    // Its player read the linked video (where its last range starts varies: seeking is checked by hand).
    const RecentClients::Client seen = routes.recentClients()->clients().value(0);
    QCOMPARE(int(seen.activity), int(RecentClients::Activity::Playing));
    QCOMPARE(seen.videoName, videos.value(0).video);
}

void TestDesktop::headsetsFitInEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    for (const char *code : {"cn", "us", "jp", "fr", "it", "de", "es", "ko", "pt-PT", "ru", "th", "zh-HK", "zh-TW"})
        QTest::newRow(code) << QString::fromLatin1(code);
}

void TestDesktop::headsetsFitInEveryLanguage()
{
    QFETCH(QString, language);
    Session::instance()->loadTranslator(language);
    QVERIFY(Session::instance()->translator() && !Session::instance()->translator()->isEmpty());
    HeadsetsView view;
    const QString longName = QStringLiteral("A rather long holiday video name from the summer of 2019.mp4");
    QVector<RecentClients::Client> five(5, {"255.255.255.255", 3599 * 1000, RecentClients::Activity::Playing, longName, 0.99});
    five[1].activity = RecentClients::Activity::Browsing;
    five[2].activity = RecentClients::Activity::FetchingPosters;
    for (const auto &clients : {five, QVector<RecentClients::Client>()}) {
        view.showState(clients, {{"enp0s31f6", QHostAddress("192.168.100.255")}}, 65535, 65535);
        view.adjustSize();
        for (QLabel *label : view.findChildren<QLabel *>()) {
            const int width = label->wordWrap() ? label->minimumSizeHint().width() : label->sizeHint().width();
            QVERIFY2(width <= 246 - 2 * 16, qPrintable(QString::number(width) + " px: " + label->text()));
        }
    }
    QCOMPARE(view.shownLines().size(), 3); // the hint, "announced on" and one network
}

NETLAB_TEST_MAIN(TestDesktop, QApplication)

#include "tst_desktop.moc"
