// The announcer and the local address on real sockets: the test process lives
// in network namespaces of its own (see netlab.h), the headset's listener in
// a second namespace joined to it by veth pairs on 10.77.x.

#include "discovery/networkstate.h"
#include "discovery/udpannouncer.h"
#include "library/libraryglobals.h"

#include "logcapture.h"
#include "netlab.h"
#include "peernamespace.h"

#include <QFile>
#include <QHostAddress>
#include <QNetworkAddressEntry>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QScopeGuard>
#include <QUdpSocket>
#include <QtTest>

namespace {
const quint16 kUdpPort = 9090;
const QString kLan0 = QStringLiteral("10.77.0.255");
const QString kLan1 = QStringLiteral("10.77.1.255");

QByteArray routeTable(const QList<QByteArray> &rows)
{
    QByteArray table = "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n";
    for (const QByteArray &row : rows)
        table += row + '\n';
    return table;
}
} // namespace

class TestUdpAnnouncer : public QObject
{
    Q_OBJECT
private slots:
    void payloads_data();
    void payloads();
    void refreshNumber_data();
    void refreshNumber();
    void qualifies_data();
    void qualifies();
    void loopbackAddress_data();
    void loopbackAddress();
    void defaultRouteInterface_data();
    void defaultRouteInterface();

    void loopbackOnlySendsNothing();
    void presenceReachesTheLan();
    void twoNetworksOneDatagramEach();
    void failedSendIsLoggedAndOthersStillSent();
    void interfaceListIsQueriedForEachSend();
    void localIpFollowsTheDefaultRoute();
    void localIpWithoutDefaultRoute();
    void localIpNeverLoopback();
};

void TestUdpAnnouncer::payloads_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("presence 9000") << UdpAnnouncer::presenceText(9000) << "1$corvane$9000";
    QTest::newRow("presence 9017") << UdpAnnouncer::presenceText(9017) << "1$corvane$9017";
    QTest::newRow("presence 65535") << UdpAnnouncer::presenceText(65535) << "1$corvane$65535";
    QTest::newRow("presence prefix") << UdpAnnouncer::presencePrefix() << "1$corvane$";
    QTest::newRow("update") << UdpAnnouncer::updateText() << "1$corvane$update";
    QTest::newRow("refresh 0") << UdpAnnouncer::refreshText(0) << "1$corvane$refresh$0";
    QTest::newRow("refresh 42") << UdpAnnouncer::refreshText(42) << "1$corvane$refresh$42";
    QTest::newRow("refresh 65535") << UdpAnnouncer::refreshText(65535) << "1$corvane$refresh$65535";
}

void TestUdpAnnouncer::payloads()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
    QCOMPARE(text.toUtf8(), expected.toLatin1()); // plain ASCII on the wire, no terminator
}

void TestUdpAnnouncer::refreshNumber_data()
{
    QTest::addColumn<int>("counter");
    QTest::addColumn<int>("number");
    QTest::newRow("start") << 0 << 0;
    QTest::newRow("first change") << 1 << 1;
    QTest::newRow("last before the limit") << 65535 << 65535;
    QTest::newRow("just past the limit") << 65536 << 0;
    QTest::newRow("far past the limit") << 100000 << 0;
}

void TestUdpAnnouncer::refreshNumber()
{
    QFETCH(int, counter);
    QFETCH(int, number);
    udpRefreshCounter = counter;
    QCOMPARE(UdpAnnouncer::takeRefreshNumber(), number);
    QCOMPARE(udpRefreshCounter.load(), number); // the reset is kept for the next change
    QCOMPARE(UdpAnnouncer::refreshText(UdpAnnouncer::takeRefreshNumber()),
             QStringLiteral("1$corvane$refresh$%1").arg(number));
    udpRefreshCounter = 0;
}

void TestUdpAnnouncer::qualifies_data()
{
    QTest::addColumn<QString>("ip");
    QTest::addColumn<QString>("broadcast");
    QTest::addColumn<bool>("expected");
    QTest::newRow("home LAN") << "192.168.1.10" << "192.168.1.255" << true;
    QTest::newRow("test LAN") << "10.77.0.1" << "10.77.0.255" << true;
    QTest::newRow("no broadcast address") << "192.168.1.10" << QString() << false;
    QTest::newRow("127.0.0.1") << "127.0.0.1" << "127.255.255.255" << false;
    QTest::newRow("127.0.1.1 of the host name") << "127.0.1.1" << "127.255.255.255" << false;
    QTest::newRow("elsewhere in 127/8") << "127.5.0.1" << "127.255.255.255" << false;
    QTest::newRow("IPv6") << "2001:db8::10" << "2001:db8::ff" << false;
    QTest::newRow("IPv6 link-local") << "fe80::1" << QString() << false;
}

void TestUdpAnnouncer::qualifies()
{
    QFETCH(QString, ip);
    QFETCH(QString, broadcast);
    QFETCH(bool, expected);
    QNetworkAddressEntry entry;
    entry.setIp(QHostAddress(ip));
    if (!broadcast.isEmpty())
        entry.setBroadcast(QHostAddress(broadcast));
    QCOMPARE(UdpAnnouncer::qualifies(entry), expected);
}

void TestUdpAnnouncer::loopbackAddress_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("loopback");
    QTest::newRow("127.0.0.1") << "127.0.0.1" << true;
    QTest::newRow("127.0.1.1") << "127.0.1.1" << true;
    QTest::newRow("top of 127/8") << "127.255.255.254" << true;
    QTest::newRow("below 127/8") << "126.255.255.255" << false;
    QTest::newRow("above 127/8") << "128.0.0.1" << false;
    QTest::newRow("LAN") << "10.77.0.1" << false;
    QTest::newRow("::1") << "::1" << true;
    QTest::newRow("IPv4-mapped 127.0.1.1") << "::ffff:127.0.1.1" << true;
    QTest::newRow("IPv6 LAN") << "2001:db8::1" << false;
    QTest::newRow("null") << QString() << false;
}

void TestUdpAnnouncer::loopbackAddress()
{
    QFETCH(QString, address);
    QFETCH(bool, loopback);
    QCOMPARE(NetworkState::isLoopbackAddress(QHostAddress(address)), loopback);
}

void TestUdpAnnouncer::defaultRouteInterface_data()
{
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QString>("iface");
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("heading only") << routeTable({}) << QString();
    QTest::newRow("gateway on eth0")
        << routeTable({"eth0\t00000000\t010200C0\t0003\t0\t0\t0\t00000000\t0\t0\t0",
                       "eth0\t000200C0\t00000000\t0001\t0\t0\t0\t00FFFFFF\t0\t0\t0"})
        << "eth0";
    QTest::newRow("subnet routes only")
        << routeTable({"pc0\t00004D0A\t00000000\t0001\t0\t0\t0\t00FFFFFF\t0\t0\t0"}) << QString();
    QTest::newRow("lowest metric wins")
        << routeTable({"wlan0\t00000000\t0101A8C0\t0003\t0\t0\t600\t00000000\t0\t0\t0",
                       "enp3s0\t00000000\t0100000A\t0003\t0\t0\t100\t00000000\t0\t0\t0",
                       "enp3s0\t0000000A\t00000000\t0001\t0\t0\t100\t000000FF\t0\t0\t0"})
        << "enp3s0";
    QTest::newRow("route not up")
        << routeTable({"eth0\t00000000\t010200C0\t0002\t0\t0\t0\t00000000\t0\t0\t0"}) << QString();
    QTest::newRow("destination 0 with a mask is no default")
        << routeTable({"eth0\t00000000\t00000000\t0001\t0\t0\t0\t000000FF\t0\t0\t0"}) << QString();
    QTest::newRow("torn and odd lines skipped")
        << routeTable({"eth0\t000", "garbage", "x\tzz\t00\t0003\t0\t0\t0\t00000000",
                       "usb0\t00000000\t012AA8C0\t0003\t0\t0\t5\t00000000\t0\t0\t0"})
        << "usb0";
}

void TestUdpAnnouncer::defaultRouteInterface()
{
    QFETCH(QByteArray, table);
    QFETCH(QString, iface);
    QCOMPARE(NetworkState::defaultRouteInterface(table), iface);
}

void TestUdpAnnouncer::loopbackOnlySendsNothing()
{
    REQUIRE_NETLAB();
    QString error;
    // An address of 127/8 other than 127.0.0.1, with a broadcast address:
    // it passes a test for "127.0.0.1" alone, but not the one for 127/8.
    QVERIFY2(NetLab::ip({"addr", "add", "127.5.0.1/8", "brd", "127.255.255.255", "dev", "lo"}, &error),
             qPrintable(error));
    auto removeAddress = qScopeGuard([] { NetLab::ip({"addr", "del", "127.5.0.1/8", "dev", "lo"}); });

    bool listedWithBroadcast = false;
    for (const QNetworkInterface &iface : QNetworkInterface::allInterfaces()) {
        for (const QNetworkAddressEntry &entry : iface.addressEntries()) {
            if (entry.ip() == QHostAddress(QStringLiteral("127.5.0.1")) && !entry.broadcast().isNull())
                listedWithBroadcast = true;
        }
    }
    QVERIFY2(listedWithBroadcast, "the system does not list 127.5.0.1 with its broadcast address");
    QVERIFY(UdpAnnouncer::broadcastTargets().isEmpty());

    QUdpSocket ear;
    QVERIFY(ear.bind(QHostAddress(QHostAddress::AnyIPv4), kUdpPort, QUdpSocket::ShareAddress));
    // A datagram to the loopback broadcast address would be heard here.
    QUdpSocket other;
    QVERIFY(other.writeDatagram("premise", QHostAddress(QStringLiteral("127.255.255.255")), kUdpPort) > 0);
    QTRY_VERIFY(ear.hasPendingDatagrams());
    QCOMPARE(ear.receiveDatagram().data(), QByteArray("premise"));

    UdpAnnouncer announcer(kUdpPort);
    QVERIFY(announcer.open());
    LogCapture log;
    QCOMPARE(announcer.sendMessage(UdpAnnouncer::presenceText(9000)), 0);
    QCOMPARE(announcer.sendMessage(UdpAnnouncer::updateText()), 0);
    QCOMPARE(announcer.sendMessage(UdpAnnouncer::refreshText(3)), 0);

    // Anything the announcer sent would arrive before this control datagram.
    QVERIFY(other.writeDatagram("control", QHostAddress(QHostAddress::LocalHost), kUdpPort) > 0);
    QTRY_VERIFY(ear.hasPendingDatagrams());
    QCOMPARE(ear.receiveDatagram().data(), QByteArray("control"));
    QVERIFY(!ear.hasPendingDatagrams());
    QCOMPARE(log.count(QtDebugMsg, QString()), 0); // nothing qualifies: nothing is logged either
}

void TestUdpAnnouncer::presenceReachesTheLan()
{
    REQUIRE_NETLAB();
    PeerNamespace peer;
    REQUIRE_PEER(peer);
    CHECK_LAB(peer.addLan(0), peer);
    CHECK_LAB(peer.startListener(kUdpPort), peer);

    QCOMPARE(UdpAnnouncer::broadcastTargets(), QList<QHostAddress>{QHostAddress(kLan0)});
    UdpAnnouncer announcer(kUdpPort);
    QVERIFY(announcer.open());
    QCOMPARE(announcer.sendMessage(UdpAnnouncer::presenceText(9000)), 1);
    CHECK_LAB(peer.sync("10.77.0.2"), peer);

    const QList<Datagram> heard = peer.datagrams();
    QCOMPARE(heard.size(), 1);
    QCOMPARE(heard.at(0).destination, kLan0);
    QCOMPARE(heard.at(0).sender, QStringLiteral("10.77.0.1"));
    QCOMPARE(heard.at(0).payload, QStringLiteral("1$corvane$9000"));
}

void TestUdpAnnouncer::twoNetworksOneDatagramEach()
{
    REQUIRE_NETLAB();
    PeerNamespace peer;
    REQUIRE_PEER(peer);
    CHECK_LAB(peer.addLan(0), peer);
    CHECK_LAB(peer.addLan(1), peer);
    CHECK_LAB(peer.startListener(kUdpPort), peer);

    UdpAnnouncer announcer(kUdpPort);
    QVERIFY(announcer.open());
    QCOMPARE(announcer.sendMessage(UdpAnnouncer::updateText()), 2);
    CHECK_LAB(peer.sync("10.77.0.2"), peer);
    CHECK_LAB(peer.sync("10.77.1.2"), peer);

    QCOMPARE(peer.payloadsTo(kLan0), QStringList{"1$corvane$update"});
    QCOMPARE(peer.payloadsTo(kLan1), QStringList{"1$corvane$update"});
    QCOMPARE(peer.datagrams().size(), 2);
}

void TestUdpAnnouncer::failedSendIsLoggedAndOthersStillSent()
{
    REQUIRE_NETLAB();
    PeerNamespace peer;
    REQUIRE_PEER(peer);
    CHECK_LAB(peer.addLan(0), peer);
    CHECK_LAB(peer.addLan(1), peer);
    CHECK_LAB(peer.startListener(kUdpPort), peer);
    UdpAnnouncer announcer(kUdpPort);
    QVERIFY(announcer.open());

    // A link that is down keeps its address, so it stays a target: its send
    // fails (no route) and is logged, the other network still hears us.
    CHECK_LAB(peer.setLinkUp("pc0", false), peer);
    QCOMPARE(UdpAnnouncer::broadcastTargets(), (QList<QHostAddress>{QHostAddress(kLan0), QHostAddress(kLan1)}));
    QTest::ignoreMessage(QtWarningMsg, "broadcastAddress 10.77.0.255    writeDatagram -1");
    QCOMPARE(announcer.sendMessage(UdpAnnouncer::presenceText(9000)), 1);
    CHECK_LAB(peer.sync("10.77.1.2"), peer);
    QCOMPARE(peer.payloadsTo(kLan1), QStringList{"1$corvane$9000"});
    QVERIFY(peer.payloadsTo(kLan0).isEmpty());

    // The next send tries again and reaches both once the link is back.
    CHECK_LAB(peer.setLinkUp("pc0", true), peer);
    QTRY_COMPARE(announcer.sendMessage(UdpAnnouncer::updateText()), 2);
    CHECK_LAB(peer.sync("10.77.0.2"), peer);
    QVERIFY(peer.payloadsTo(kLan0).contains(QStringLiteral("1$corvane$update")));
}

void TestUdpAnnouncer::interfaceListIsQueriedForEachSend()
{
    REQUIRE_NETLAB();
    PeerNamespace peer;
    REQUIRE_PEER(peer);
    CHECK_LAB(peer.addLan(0), peer);
    CHECK_LAB(peer.startListener(kUdpPort), peer);
    UdpAnnouncer announcer(kUdpPort);
    QVERIFY(announcer.open());

    QCOMPARE(announcer.sendMessage(UdpAnnouncer::refreshText(1)), 1);
    CHECK_LAB(peer.addLan(1), peer);
    QCOMPARE(announcer.sendMessage(UdpAnnouncer::refreshText(2)), 2);
    CHECK_LAB(peer.sync("10.77.1.2"), peer);
    CHECK_LAB(peer.removeLink("pc1"), peer);
    QCOMPARE(announcer.sendMessage(UdpAnnouncer::refreshText(3)), 1);
    CHECK_LAB(peer.sync("10.77.0.2"), peer);

    QCOMPARE(peer.payloadsTo(kLan0),
             (QStringList{"1$corvane$refresh$1", "1$corvane$refresh$2", "1$corvane$refresh$3"}));
    QCOMPARE(peer.payloadsTo(kLan1), QStringList{"1$corvane$refresh$2"});
}

void TestUdpAnnouncer::localIpFollowsTheDefaultRoute()
{
    REQUIRE_NETLAB();
    PeerNamespace peer;
    REQUIRE_PEER(peer);
    CHECK_LAB(peer.addLan(0), peer);
    CHECK_LAB(peer.addLan(1), peer);
    QString error;
    // The gateway sits on the second link: the first-listed address is not it.
    QVERIFY2(NetLab::ip({"route", "add", "default", "via", "10.77.1.2", "dev", "pc1", "metric", "100"}, &error),
             qPrintable(error));
    QFile routes(QStringLiteral("/proc/net/route"));
    QVERIFY(routes.open(QIODevice::ReadOnly));
    QCOMPARE(NetworkState::defaultRouteInterface(routes.readAll()), QStringLiteral("pc1"));
    QCOMPARE(NetworkState::localIp(), QStringLiteral("10.77.1.1"));

    // A second default route with a worse metric changes nothing.
    QVERIFY2(NetLab::ip({"route", "add", "default", "via", "10.77.0.2", "dev", "pc0", "metric", "200"}, &error),
             qPrintable(error));
    QCOMPARE(NetworkState::localIp(), QStringLiteral("10.77.1.1"));
    QVERIFY(NetworkState::isNetworkAlive());
}

void TestUdpAnnouncer::localIpWithoutDefaultRoute()
{
    REQUIRE_NETLAB();
    PeerNamespace peer;
    REQUIRE_PEER(peer);
    CHECK_LAB(peer.addLan(0), peer);
    // A LAN without a gateway, the headset on the PC's own network.
    QCOMPARE(NetworkState::localIp(), QStringLiteral("10.77.0.1"));
    CHECK_LAB(peer.setLinkUp("pc0", false), peer);
    QCOMPARE(NetworkState::localIp(), QString());
    QVERIFY(!NetworkState::isNetworkAlive());
}

void TestUdpAnnouncer::localIpNeverLoopback()
{
    REQUIRE_NETLAB();
    QString error;
    QVERIFY2(NetLab::ip({"addr", "add", "127.0.1.1/8", "dev", "lo"}, &error), qPrintable(error));
    auto removeAddress = qScopeGuard([] { NetLab::ip({"addr", "del", "127.0.1.1/8", "dev", "lo"}); });
    QCOMPARE(NetworkState::localIp(), QString());
    QVERIFY(!NetworkState::isNetworkAlive());

    // A 127/8 address on an interface that is up and running is no LAN
    // address either, nor a broadcast target.
    PeerNamespace peer;
    REQUIRE_PEER(peer);
    CHECK_LAB(peer.addLink("pc0", "127.0.2.1/8", "hs0", "10.77.0.2/24"), peer);
    QCOMPARE(NetworkState::localIp(), QString());
    QVERIFY(UdpAnnouncer::broadcastTargets().isEmpty());
}

NETLAB_TEST_MAIN(TestUdpAnnouncer, QCoreApplication)

#include "tst_udpannouncer.moc"
