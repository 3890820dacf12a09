// Port selection on the machine's real TCP table: listeners, connections and
// TIME_WAIT endpoints move the choice on; a failing listen moves on too.

#include "logcapture.h"

#include "platform/platform.h"
#include "server/serverport.h"
#include "server/httpsession.h"
#include "server/tcpservermanage.h"
#include "settings/appsettings.h"

#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

class TestServerPort : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void firstFreePortIsTakenAndStored();
    void usedPortMovesChoiceOn_data();
    void usedPortMovesChoiceOn();
    void searchStopsAt65535();
    void failingListenMovesToNextFreePort();
    void failingListenIsBounded();

private:
    // The first port from `from` up that the machine's table does not show.
    static quint16 nextFreeAfterTable(quint16 from);
    static bool tableShowsState(quint16 port, const QByteArray &stateHex);

    QTemporaryDir dir;
    LogCapture *log = nullptr;
};

quint16 TestServerPort::nextFreeAfterTable(quint16 from)
{
    bool ok = false;
    const QList<quint16> used = Platform::tcpLocalPorts(&ok);
    for (int p = from; p <= 65535; ++p)
        if (!used.contains(quint16(p)))
            return quint16(p);
    return 0;
}

bool TestServerPort::tableShowsState(quint16 port, const QByteArray &stateHex)
{
    const QByteArray portHex = QByteArray::number(port, 16).toUpper().rightJustified(4, '0');
    for (const char *name : {"/proc/net/tcp", "/proc/net/tcp6"}) {
        QFile f(QString::fromLatin1(name));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> lines = f.readAll().split('\n');
        for (int i = 1; i < lines.size(); ++i) {
            const QList<QByteArray> fields = lines.at(i).simplified().split(' ');
            if (fields.size() > 3 && fields.at(1).endsWith(":" + portHex) && fields.at(3) == stateHex)
                return true;
        }
    }
    return false;
}

void TestServerPort::initTestCase()
{
    QVERIFY(dir.isValid());
    qputenv("XDG_DATA_HOME", dir.path().toUtf8());
    log = new LogCapture;
}

void TestServerPort::init()
{
    log->clear();
    QFile::remove(AppSettings::instance()->settingsFilePath());
}

void TestServerPort::firstFreePortIsTakenAndStored()
{
    const quint16 expected = nextFreeAfterTable(ServerPort::kFirstPort);
    const quint16 port = ServerPort::choose();
    QCOMPARE(port, expected);
    QVERIFY(port >= 9000);
    QCOMPARE(AppSettings::instance()->serverPort(), int(port));
    QVERIFY(log->contains(QStringLiteral("Available Port %1").arg(port)));
}

void TestServerPort::usedPortMovesChoiceOn_data()
{
    QTest::addColumn<QString>("use");
    QTest::newRow("listener") << "listener";
    QTest::newRow("outgoing connection") << "outgoing";
    QTest::newRow("incoming connection") << "incoming";
    QTest::newRow("TIME_WAIT") << "timewait";
}

void TestServerPort::usedPortMovesChoiceOn()
{
    QFETCH(QString, use);
    const quint16 start = ServerPort::choose();
    QVERIFY(start != 0);

    // Occupy `start` in the way of this row, on 127.0.0.1 only.
    QTcpServer listener;
    QTcpServer peer;
    QTcpSocket client;
    QTcpSocket *accepted = nullptr;
    if (use == "listener") {
        QVERIFY(listener.listen(QHostAddress::LocalHost, start));
    } else if (use == "incoming") {
        QVERIFY(listener.listen(QHostAddress::LocalHost, start));
        client.connectToHost(QHostAddress::LocalHost, start);
        QVERIFY(client.waitForConnected(5000));
        QVERIFY(listener.waitForNewConnection(5000));
        accepted = listener.nextPendingConnection();
        listener.close(); // only the established endpoint keeps the port now
    } else {
        QVERIFY(peer.listen(QHostAddress::LocalHost, 0));
        QVERIFY(client.bind(QHostAddress::LocalHost, start));
        client.connectToHost(QHostAddress::LocalHost, peer.serverPort());
        QVERIFY(client.waitForConnected(5000));
        QVERIFY(peer.waitForNewConnection(5000));
        accepted = peer.nextPendingConnection();
        if (use == "timewait") {
            // The side that closes first keeps the endpoint in TIME_WAIT.
            client.disconnectFromHost();
            if (client.state() != QAbstractSocket::UnconnectedState)
                QVERIFY(client.waitForDisconnected(5000));
            QTRY_VERIFY(accepted->state() == QAbstractSocket::UnconnectedState
                        || accepted->waitForDisconnected(100));
            accepted->close();
            QTRY_VERIFY(tableShowsState(start, "06"));
        }
    }
    QVERIFY(!AppSettings::instance()->isPortFree(start));
    const quint16 expected = nextFreeAfterTable(start);
    QVERIFY(expected > start);
    const quint16 moved = ServerPort::choose(start);
    QCOMPARE(moved, expected);
    QCOMPARE(AppSettings::instance()->serverPort(), int(moved));
    QVERIFY(log->contains(QStringLiteral("Available Port %1").arg(moved)));
    delete accepted;
}

void TestServerPort::searchStopsAt65535()
{
    QTcpServer top;
    // If 65535 is busy on this machine already, that serves the test as well.
    top.listen(QHostAddress::LocalHost, 65535);
    QVERIFY(!AppSettings::instance()->isPortFree(65535));
    AppSettings::instance()->setServerPort(1234);
    QCOMPARE(ServerPort::choose(65535), quint16(0));
    QCOMPARE(AppSettings::instance()->serverPort(), 1234);

    // Every port from 9000 up in use, in a table laid out as the kernel's:
    // the search ends at 65535 with one log line.
    QByteArray table = "  sl  local_address rem_address   st tx_queue rx_queue\n";
    for (int port = ServerPort::kFirstPort; port <= 65535; ++port)
        table += "   0: 0100007F:" + QByteArray::number(port, 16).toUpper() + " 00000000:0000 0A 00000000:00000000\n";
    const QList<quint16> used = Platform::tcpLocalPortsFromTable(table);
    QCOMPARE(used.size(), 65536 - ServerPort::kFirstPort);
    log->clear();
    QCOMPARE(ServerPort::choose(ServerPort::kFirstPort, used), quint16(0));
    QCOMPARE(log->count(QStringLiteral("Available Port: none from 9000 to 65535")), 1);
    QCOMPARE(AppSettings::instance()->serverPort(), 1234);
}

void TestServerPort::failingListenMovesToNextFreePort()
{
    // The port is free when chosen but taken before listen (the check and the
    // bind are not atomic); the server must still come up.
    const quint16 chosen = ServerPort::choose();
    QVERIFY(chosen != 0);
    QTcpServer thief;
    QVERIFY(thief.listen(QHostAddress::Any, chosen));
    HttpServer::TcpServerManage server(1);
    server.setHttpAcceptedCallback([](const QPointer<HttpServer::Session> &s) { s->replyError(404); });
    const quint16 expected = nextFreeAfterTable(chosen);
    const quint16 port = ServerPort::listen(&server, chosen);
    QCOMPARE(port, expected);
    QVERIFY(server.isRunning());
    QCOMPARE(server.serverPort(), port);
    QCOMPARE(AppSettings::instance()->serverPort(), int(port));
    QVERIFY(log->contains("listen: false"));
    QVERIFY(log->contains(QStringLiteral("Available Port %1").arg(port)));

    // The server really listens there.
    QTcpSocket probe;
    probe.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(probe.waitForConnected(5000));
}

void TestServerPort::failingListenIsBounded()
{
    const quint16 chosen = ServerPort::choose();
    QTcpServer thief;
    QVERIFY(thief.listen(QHostAddress::Any, chosen));
    HttpServer::TcpServerManage server(1);
    QCOMPARE(ServerPort::listen(&server, chosen, QHostAddress::Any, 0), quint16(0));
    QVERIFY(!server.isRunning());
    QCOMPARE(log->count("listen: false"), 1);
    QCOMPARE(AppSettings::instance()->serverPort(), int(chosen));
}

QTEST_GUILESS_MAIN(TestServerPort)
#include "tst_serverport.moc"
