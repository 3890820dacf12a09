// The side panel on a real network: the test process lives in network
// namespaces of its own (netlab.h) with veth links on 10.77.x to the
// headset's namespace, where a listener hears the panel's broadcasts.

#include "discovery/udpannouncer.h"
#include "library/libraryglobals.h"
#include "settings/appsettings.h"
#include "settings/session.h"

#include "library/homepage.h"
#include "shell/utils.h"
#include "sidepanel/mainmenu.h"

#include "logcapture.h"
#include "netlab.h"
#include "peernamespace.h"
#include "processes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHostInfo>
#include <QLabel>
#include <QNetworkDatagram>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QUdpSocket>
#include <QtTest>

namespace {
const quint16 kUdpPort = 9090;
const int kNeverMs = 3600 * 1000; // keeps a timer out of a test's way
const QString kLan0 = QStringLiteral("10.77.0.255");
const QString kLan1 = QStringLiteral("10.77.1.255");
const QString kConnectedStyle = QStringLiteral("QLabel{background-image: url(:/Corvane/Skin/new/wifi.png);}");
const QString kDisconnectedStyle =
    QStringLiteral("QLabel{background-image: url(:/Corvane/Skin/new/wifi_not-connected.png);}");

template <typename T> T *part(QWidget *panel, const char *name)
{
    return panel->findChild<T *>(QLatin1String(name));
}

bool isConnectedLook(QWidget *panel)
{
    return part<QLabel>(panel, "label_netP")->styleSheet() == kConnectedStyle
        && !part<QWidget>(panel, "widget_IP")->isHidden() && !part<QWidget>(panel, "widget_2")->isHidden();
}

bool isDisconnectedLook(QWidget *panel)
{
    return part<QLabel>(panel, "label_netP")->styleSheet() == kDisconnectedStyle
        && part<QWidget>(panel, "widget_IP")->isHidden() && part<QWidget>(panel, "widget_2")->isHidden();
}

QString shownAddress(QWidget *panel) { return part<QLabel>(panel, "label_IP")->text(); }

void writeSetting(const QString &key, const QVariant &value)
{
    TestSupport::writeIniValue(AppSettings::instance()->settingsFilePath(), key, value);
}

// Set CORVANE_SCREENSHOT_DIR to keep pictures of the panel's looks.
void keepScreenshot(QWidget *panel, const QString &name)
{
    const QString dir = qEnvironmentVariable("CORVANE_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    panel->resize(246, 640);
    panel->show();
    QCoreApplication::processEvents();
    const QString path = dir + QLatin1Char('/') + name;
    if (panel->grab().save(path))
        qInfo() << "screenshot" << path;
    else
        qWarning() << "cannot save screenshot" << path;
}
} // namespace

class TestSidePanel : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void formAndTimers();
    void loopbackOnlySendsNothing();
    void constructionAnnouncesOnce();
    void waitingPanelAnnouncesOnceTheServerListens_data();
    void waitingPanelAnnouncesOnceTheServerListens();
    void presenceEverySecond();
    void presenceCarriesTheCurrentServerPort();
    void twoNetworksOneDatagramPerTick();
    void libraryChangeAnnouncements();
    void refreshCounterPastTheLimit_data();
    void refreshCounterPastTheLimit();
    void networkStateFollowsTheLink();
    void hostNameOnLoopbackStillShowsTheLanAddress();
    void showsTheDefaultRouteAddress();
    void addressTextChangesOnlyWithAddressOrPort();

private:
    QTemporaryDir m_data;
};

void TestSidePanel::initTestCase()
{
    QVERIFY(m_data.isValid());
    qputenv("XDG_DATA_HOME", m_data.path().toLocal8Bit());
    QVERIFY(!Session::instance()->getDataPath().isEmpty());
    QVERIFY(AppSettings::instance()->settingsFilePath().startsWith(m_data.path()));
}

void TestSidePanel::init()
{
    writeSetting(QStringLiteral("serverPort"), 9000);
    writeSetting(QStringLiteral("UDPPort"), kUdpPort);
    udpRefreshCounter = 0;
}

void TestSidePanel::formAndTimers()
{
    REQUIRE_NETLAB(); // the panel announces as soon as it exists
    mainMenu panel;
    QVERIFY(qobject_cast<QFrame *>(&panel));

    auto *ipArea = part<QWidget>(&panel, "widget_IP");
    auto *qrArea = part<QWidget>(&panel, "widget_2");
    QVERIFY(part<QLabel>(&panel, "label_netP"));
    QVERIFY(ipArea && qrArea);
    auto *caption = part<QLabel>(&panel, "label_ipAdd");
    auto *address = part<QLabel>(&panel, "label_IP");
    auto *qrCode = part<QLabel>(&panel, "label_QRCode");
    QVERIFY(caption && address && qrCode);
    QCOMPARE(caption->parentWidget(), ipArea);
    QCOMPARE(address->parentWidget(), ipArea);
    QCOMPARE(qrCode->parentWidget(), qrArea);
    QCOMPARE(caption->text(), QStringLiteral("IP Address"));
    QCOMPARE(qrCode->minimumSize(), QSize(96, 96));
    QCOMPARE(qrCode->maximumSize(), QSize(96, 96));
    QVERIFY(qrCode->text().isEmpty());
    QVERIFY(qrArea->styleSheet().contains(QLatin1String("url(:/Corvane/Skin/new/QR-Code-background.png)")));

    auto *presence = part<QTimer>(&panel, "presenceTimer");
    auto *netState = part<QTimer>(&panel, "netStateTimer");
    QVERIFY(presence && netState);
    QCOMPARE(presence->interval(), 1000);
    QCOMPARE(netState->interval(), 3000);
    QVERIFY(presence->isActive() && !presence->isSingleShot());
    QVERIFY(netState->isActive() && !netState->isSingleShot());

    // Only the loopback exists in here: the disconnected look.
    QVERIFY(isDisconnectedLook(&panel));
    QVERIFY(shownAddress(&panel).isEmpty());
}

void TestSidePanel::loopbackOnlySendsNothing()
{
    REQUIRE_NETLAB();
    QString error;
    QVERIFY2(NetLab::ip({"addr", "add", "127.5.0.1/8", "brd", "127.255.255.255", "dev", "lo"}, &error),
             qPrintable(error));
    auto removeAddress = qScopeGuard([] { NetLab::ip({"addr", "del", "127.5.0.1/8", "dev", "lo"}); });

    QUdpSocket ear;
    QVERIFY(ear.bind(QHostAddress(QHostAddress::AnyIPv4), kUdpPort, QUdpSocket::ShareAddress));
    LogCapture log;
    {
        mainMenu panel(nullptr, 100, kNeverMs);
        panel.slotSendUpdateUDP();
        panel.slotSendRefreshUDP();
        QTest::qWait(350); // a few presence ticks
        QVERIFY(isDisconnectedLook(&panel));
    }
    QUdpSocket other;
    QVERIFY(other.writeDatagram("control", QHostAddress(QHostAddress::LocalHost), kUdpPort) > 0);
    QTRY_VERIFY(ear.hasPendingDatagrams());
    QCOMPARE(ear.receiveDatagram().data(), QByteArray("control"));
    QVERIFY(!ear.hasPendingDatagrams());
    QCOMPARE(log.count(QtWarningMsg, QStringLiteral("writeDatagram")), 0);
}

void TestSidePanel::constructionAnnouncesOnce()
{
    REQUIRE_NETLAB();
    PeerNamespace peer;
    REQUIRE_PEER(peer);
    CHECK_LAB(peer.addLan(0), peer);
    CHECK_LAB(peer.startListener(kUdpPort), peer);

    mainMenu panel(nullptr, kNeverMs, kNeverMs);
    CHECK_LAB(peer.sync("10.77.0.2"), peer);
    const QList<Datagram> heard = peer.datagrams();
    QCOMPARE(heard.size(), 1);
    QCOMPARE(heard.at(0).destination, kLan0);
    QCOMPARE(heard.at(0).sender, QStringLiteral("10.77.0.1"));
    QCOMPARE(heard.at(0).payload, QStringLiteral("1$corvane$9000"));
    // The look was decided in the constructor too.
    QVERIFY(isConnectedLook(&panel));
    QCOMPARE(shownAddress(&panel), QStringLiteral("10.77.0.1"));
}

void TestSidePanel::waitingPanelAnnouncesOnceTheServerListens_data()
{
    QTest::addColumn<int>("listening");
    QTest::addColumn<QStringList>("heard");
    QTest::newRow("listens on 9123") << 9123 << QStringList{"1$corvane$update", "1$corvane$9123", "1$corvane$9123"};
    QTest::newRow("every listen failed") << 0 << QStringList{"1$corvane$update"};
}

void TestSidePanel::waitingPanelAnnouncesOnceTheServerListens()
{
    REQUIRE_NETLAB();
    QFETCH(int, listening);
    QFETCH(QStringList, heard);
    PeerNamespace peer;
    REQUIRE_PEER(peer);
    CHECK_LAB(peer.addLan(0), peer);
    CHECK_LAB(peer.startListener(kUdpPort), peer);

    mainMenu panel(nullptr, kNeverMs, kNeverMs, 9000, true);
    panel.slotSendMessage(); // a tick before the server listens says nothing
    panel.slotSendUpdateUDP();
    panel.setServerPort(quint16(listening));
    panel.setDlnaServing(true);
    panel.slotSendMessage();
    panel.slotUpdateNetState();
    CHECK_LAB(peer.sync("10.77.0.2"), peer);
    QCOMPARE(peer.payloadsTo(kLan0), heard);
    // Where nothing listens no address is shown, and the panel says why.
    QCOMPARE(isConnectedLook(&panel), listening != 0);
    QCOMPARE(part<QLabel>(&panel, "label_notServing")->isHidden(), listening != 0);
    // The other players' addresses go with the shown address.
    const QLabel *players = part<QLabel>(&panel, "label_players");
    QCOMPARE(players->isHidden(), listening == 0);
    QCOMPARE(players->text().contains(QStringLiteral("http://10.77.0.1:%1/deovr\n").arg(listening)), listening != 0);
    QCOMPARE(players->text().contains(QStringLiteral("Corvane\u00a0on\u00a0")), listening != 0);
}

void TestSidePanel::presenceEverySecond()
{
    REQUIRE_NETLAB();
    PeerNamespace peer;
    REQUIRE_PEER(peer);
    CHECK_LAB(peer.addLan(0), peer);
    CHECK_LAB(peer.startListener(kUdpPort), peer);

    mainMenu panel; // the shipped intervals
    QTRY_VERIFY_WITH_TIMEOUT(peer.payloadsTo(kLan0).size() >= 4, 15000);
    const QList<Datagram> heard = peer.datagrams();
    for (const Datagram &d : heard) {
        QCOMPARE(d.destination, kLan0);
        QCOMPARE(d.sender, QStringLiteral("10.77.0.1"));
        QCOMPARE(d.payload, QStringLiteral("1$corvane$9000"));
    }
}

void TestSidePanel::presenceCarriesTheCurrentServerPort()
{
    REQUIRE_NETLAB();
    PeerNamespace peer;
    REQUIRE_PEER(peer);
    CHECK_LAB(peer.addLan(0), peer);
    CHECK_LAB(peer.startListener(kUdpPort), peer);

    mainMenu panel(nullptr, kNeverMs, kNeverMs);
    writeSetting(QStringLiteral("serverPort"), 9123); // port selection moved on
    panel.slotSendMessage();
    CHECK_LAB(peer.sync("10.77.0.2"), peer);
    QCOMPARE(peer.payloadsTo(kLan0), (QStringList{"1$corvane$9000", "1$corvane$9123"}));
}

void TestSidePanel::twoNetworksOneDatagramPerTick()
{
    REQUIRE_NETLAB();
    PeerNamespace peer;
    REQUIRE_PEER(peer);
    CHECK_LAB(peer.addLan(0), peer);
    CHECK_LAB(peer.addLan(1), peer);
    CHECK_LAB(peer.startListener(kUdpPort), peer);

    mainMenu panel(nullptr, kNeverMs, kNeverMs);
    auto *presence = part<QTimer>(&panel, "presenceTimer");
    QVERIFY(presence);
    // Two ticks of the presence timer after the constructor's announcement.
    QMetaObject::invokeMethod(presence, "timeout", Qt::DirectConnection);
    QMetaObject::invokeMethod(presence, "timeout", Qt::DirectConnection);
    CHECK_LAB(peer.sync("10.77.0.2"), peer);
    CHECK_LAB(peer.sync("10.77.1.2"), peer);

    const QStringList three{"1$corvane$9000", "1$corvane$9000", "1$corvane$9000"};
    QCOMPARE(peer.payloadsTo(kLan0), three);
    QCOMPARE(peer.payloadsTo(kLan1), three);
    QCOMPARE(peer.datagrams().size(), 6);
}

void TestSidePanel::libraryChangeAnnouncements()
{
    REQUIRE_NETLAB();
    PeerNamespace peer;
    REQUIRE_PEER(peer);
    CHECK_LAB(peer.addLan(0), peer);
    CHECK_LAB(peer.startListener(kUdpPort), peer);

    mainMenu panel(nullptr, kNeverMs, kNeverMs);
    HomePage page;
    // As the page container wires them.
    connect(&page, &HomePage::sglSendUpdateUDP, &panel, &mainMenu::slotSendUpdateUDP);
    connect(&page, &HomePage::sglSendRefreshUDP, &panel, &mainMenu::slotSendRefreshUDP);
    CHECK_LAB(peer.sync("10.77.0.2"), peer);
    const int before = peer.datagrams().size(); // the constructor's presence

    udpRefreshCounter = 41;
    QElapsedTimer clock;
    clock.start();
    page.slotUpdateFinish(); // a probe run added videos

    // Arrival times are reported, not asserted: the timer's exactness is
    // the event loop's business.
    QList<qint64> arrivals;
    QDeadlineTimer deadline(15000);
    while (peer.datagrams().size() < before + 4 && !deadline.hasExpired()) {
        QTest::qWait(5);
        while (arrivals.size() < peer.datagrams().size() - before)
            arrivals.append(clock.elapsed());
    }
    auto *announceTimer = page.findChild<QTimer *>(QStringLiteral("announceTimer"));
    QVERIFY(announceTimer);
    QTRY_VERIFY(!announceTimer->isActive());
    CHECK_LAB(peer.sync("10.77.0.2"), peer);

    const QStringList heard = peer.payloadsTo(kLan0).mid(before);
    QCOMPARE(heard, (QStringList{"1$corvane$update", "1$corvane$refresh$42", "1$corvane$refresh$42",
                                 "1$corvane$refresh$42"}));
    QCOMPARE(udpRefreshCounter.load(), 42);
    QStringList times;
    for (qint64 ms : qAsConst(arrivals))
        times << QString::number(ms);
    qInfo().noquote() << "update and refresh datagrams heard after" << times.join(QLatin1String(", ")) << "ms";
}

void TestSidePanel::refreshCounterPastTheLimit_data()
{
    QTest::addColumn<int>("counter");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("counterAfter");
    QTest::newRow("7") << 7 << "1$corvane$refresh$7" << 7;
    QTest::newRow("65535") << 65535 << "1$corvane$refresh$65535" << 65535;
    QTest::newRow("65536") << 65536 << "1$corvane$refresh$0" << 0;
    QTest::newRow("70000") << 70000 << "1$corvane$refresh$0" << 0;
}

void TestSidePanel::refreshCounterPastTheLimit()
{
    REQUIRE_NETLAB();
    QFETCH(int, counter);
    QFETCH(QString, expected);
    QFETCH(int, counterAfter);
    PeerNamespace peer;
    REQUIRE_PEER(peer);
    CHECK_LAB(peer.addLan(0), peer);
    CHECK_LAB(peer.startListener(kUdpPort), peer);

    mainMenu panel(nullptr, kNeverMs, kNeverMs);
    udpRefreshCounter = counter;
    panel.slotSendRefreshUDP();
    CHECK_LAB(peer.sync("10.77.0.2"), peer);
    QCOMPARE(peer.payloadsTo(kLan0), (QStringList{"1$corvane$9000", expected}));
    QCOMPARE(udpRefreshCounter.load(), counterAfter);
}

void TestSidePanel::networkStateFollowsTheLink()
{
    REQUIRE_NETLAB();
    PeerNamespace peer;
    REQUIRE_PEER(peer);
    CHECK_LAB(peer.addLan(0), peer);

    mainMenu panel(nullptr, kNeverMs); // the shipped 3000 ms poll
    QVERIFY(isConnectedLook(&panel));
    QCOMPARE(shownAddress(&panel), QStringLiteral("10.77.0.1"));
    keepScreenshot(&panel, QStringLiteral("sidepanel-connected.png"));

    // The namespace's only link goes down: the next poll, at most 3 s away,
    // switches the look (the bound leaves room for a loaded machine).
    CHECK_LAB(peer.setLinkUp("pc0", false), peer);
    QTRY_VERIFY_WITH_TIMEOUT(isDisconnectedLook(&panel), 3000 + 3000);
    QVERIFY(shownAddress(&panel).isEmpty());
    keepScreenshot(&panel, QStringLiteral("sidepanel-disconnected.png"));

    CHECK_LAB(peer.setLinkUp("pc0", true), peer);
    QTRY_VERIFY_WITH_TIMEOUT(isConnectedLook(&panel), 3000 + 3000);
    QCOMPARE(shownAddress(&panel), QStringLiteral("10.77.0.1"));
}

void TestSidePanel::hostNameOnLoopbackStillShowsTheLanAddress()
{
    REQUIRE_NETLAB();
    PeerNamespace peer;
    REQUIRE_PEER(peer);
    CHECK_LAB(peer.addLan(0), peer);

    // Debian's hosts file: the host name on 127.0.1.1.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile hosts(dir.filePath(QStringLiteral("hosts")));
    QVERIFY(hosts.open(QIODevice::WriteOnly));
    hosts.write("127.0.0.1\tlocalhost\n127.0.1.1\t" + QHostInfo::localHostName().toUtf8() + "\n");
    hosts.close();
    QString error;
    QVERIFY2(NetLab::overrideHostsFile(hosts.fileName(), &error), qPrintable(error));
    auto restore = qScopeGuard([] { NetLab::restoreHostsFile(); });

    const QHostInfo resolved = QHostInfo::fromName(QHostInfo::localHostName());
    QVERIFY2(!resolved.addresses().isEmpty(), qPrintable(resolved.errorString()));
    QCOMPARE(resolved.addresses().first(), QHostAddress(QStringLiteral("127.0.1.1")));

    QCOMPARE(Utils::getLocalIp(), QStringLiteral("10.77.0.1"));
    mainMenu panel(nullptr, kNeverMs, kNeverMs);
    QVERIFY(isConnectedLook(&panel));
    QCOMPARE(shownAddress(&panel), QStringLiteral("10.77.0.1"));
}

void TestSidePanel::showsTheDefaultRouteAddress()
{
    REQUIRE_NETLAB();
    PeerNamespace peer;
    REQUIRE_PEER(peer);
    CHECK_LAB(peer.addLan(0), peer);
    CHECK_LAB(peer.addLan(1), peer);
    QString error;
    QVERIFY2(NetLab::ip({"route", "add", "default", "via", "10.77.1.2", "dev", "pc1"}, &error), qPrintable(error));

    mainMenu panel(nullptr, kNeverMs, kNeverMs);
    QVERIFY(isConnectedLook(&panel));
    QCOMPARE(shownAddress(&panel), QStringLiteral("10.77.1.1"));
}

void TestSidePanel::addressTextChangesOnlyWithAddressOrPort()
{
    REQUIRE_NETLAB();
    PeerNamespace peer;
    REQUIRE_PEER(peer);
    CHECK_LAB(peer.addLan(0), peer);

    mainMenu panel(nullptr, kNeverMs, kNeverMs);
    auto *address = part<QLabel>(&panel, "label_IP");
    QCOMPARE(address->text(), QStringLiteral("10.77.0.1"));
    address->setText(QStringLiteral("untouched"));
    panel.slotUpdateNetState(); // same address, same port: the text stays
    QCOMPARE(address->text(), QStringLiteral("untouched"));

    writeSetting(QStringLiteral("serverPort"), 9001);
    panel.slotUpdateNetState(); // the port changed: written again, still without the port
    QCOMPARE(address->text(), QStringLiteral("10.77.0.1"));
}

NETLAB_TEST_MAIN(TestSidePanel, QApplication)

#include "tst_sidepanel.moc"
