// The OS layer against the real system: TCP endpoints the test opens, child
// processes it starts, network namespaces it creates.

#include "platform/platform.h"
#include "processes.h"

#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QRandomGenerator>
#include <QSet>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/wait.h>
#include <unistd.h>

namespace {

QString uniqueSuffix()
{
    return QString::number(QRandomGenerator::global()->bounded(100000, 999999));
}

// The local ports ss lists with the given filter (e.g. "state listening").
QSet<quint16> ssPorts(const QStringList &filter)
{
    int code = -1;
    const QByteArray out = TestSupport::run(QStringLiteral("ss"), QStringList{QStringLiteral("-Htan")} + filter, &code);
    QSet<quint16> ports;
    if (code != 0)
        return ports;
    for (const QByteArray &line : out.split('\n')) {
        // The first address:port column is the local end (the state and
        // queue columns hold no colon).
        const QList<QByteArray> fields = line.simplified().split(' ');
        for (const QByteArray &field : fields) {
            const int colon = field.lastIndexOf(':');
            if (colon > 0) {
                ports.insert(quint16(field.mid(colon + 1).toUInt()));
                break;
            }
        }
    }
    return ports;
}

char processState(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = stat.readAll();
    const int close = text.lastIndexOf(')');
    return close > 0 && close + 2 < text.size() ? text.at(close + 2) : char(0);
}

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void tcpLocalPortsSeesEndpoints_data();
    void tcpLocalPortsSeesEndpoints();
    void tcpLocalPortsAgreesWithSs();
    void tcpLocalPortsMissesClosedPort();
    void countProcessesNamed_data();
    void countProcessesNamed();
    void countSkipsZombies();
    void executableName_data();
    void executableName();
    void dataRoot_data();
    void dataRoot();
    void isNetworkAlive_data();
    void isNetworkAlive();

private:
    QTemporaryDir m_dir;
};

void TestPlatform::tcpLocalPortsSeesEndpoints_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("IPv4 listener") << "listen4";
    QTest::newRow("IPv6 listener") << "listen6";
    QTest::newRow("established, both ends") << "established";
    QTest::newRow("TIME_WAIT after the client closed") << "timewait";
}

void TestPlatform::tcpLocalPortsSeesEndpoints()
{
    QFETCH(QString, kind);
    QTcpServer server;
    if (kind == QLatin1String("listen6")) {
        if (!server.listen(QHostAddress::LocalHostIPv6))
            QSKIP("no IPv6 loopback on this machine");
    } else {
        QVERIFY(server.listen(QHostAddress::LocalHost));
    }
    QList<quint16> expected{server.serverPort()};

    QTcpSocket client;
    QTcpSocket *accepted = nullptr;
    if (kind == QLatin1String("established") || kind == QLatin1String("timewait")) {
        client.connectToHost(QHostAddress::LocalHost, server.serverPort());
        QVERIFY(client.waitForConnected(5000));
        QVERIFY(server.waitForNewConnection(5000));
        accepted = server.nextPendingConnection();
        QVERIFY(accepted);
        expected = {client.localPort(), accepted->localPort()};
    }
    if (kind == QLatin1String("timewait")) {
        const quint16 clientPort = client.localPort();
        server.close();
        // The side that sends the first FIN ends in TIME_WAIT.
        client.disconnectFromHost();
        QTRY_VERIFY_WITH_TIMEOUT(accepted->state() == QAbstractSocket::UnconnectedState, 5000);
        accepted->close();
        if (client.state() != QAbstractSocket::UnconnectedState)
            QVERIFY(client.waitForDisconnected(5000));
        QTRY_VERIFY_WITH_TIMEOUT(ssPorts({QStringLiteral("state"), QStringLiteral("time-wait")}).contains(clientPort), 5000);
        expected = {clientPort};
    }

    bool ok = false;
    const QList<quint16> ports = Platform::tcpLocalPorts(&ok);
    QVERIFY(ok);
    for (quint16 port : qAsConst(expected))
        QVERIFY2(ports.contains(port), qPrintable(QStringLiteral("port %1 missing").arg(port)));
    delete accepted;
}

void TestPlatform::tcpLocalPortsAgreesWithSs()
{
    // Listeners that stay for both looks of ss must all be in the table.
    QTcpServer own;
    QVERIFY(own.listen(QHostAddress::LocalHost));
    const QSet<quint16> before = ssPorts({QStringLiteral("state"), QStringLiteral("listening")});
    const QList<quint16> ports = Platform::tcpLocalPorts();
    const QSet<quint16> after = ssPorts({QStringLiteral("state"), QStringLiteral("listening")});
    QSet<quint16> stable = before;
    stable.intersect(after);
    QVERIFY(stable.contains(own.serverPort()));
    QVERIFY(stable.size() >= 1);
    for (quint16 port : qAsConst(stable))
        QVERIFY2(ports.contains(port), qPrintable(QStringLiteral("listener %1 missing").arg(port)));
}

void TestPlatform::tcpLocalPortsMissesClosedPort()
{
    // A listener that never had a connection leaves no row once closed.
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    const quint16 port = server.serverPort();
    QVERIFY(Platform::tcpLocalPorts().contains(port));
    server.close();
    QVERIFY(!Platform::tcpLocalPorts().contains(port));
}

void TestPlatform::countProcessesNamed_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("throughSymlink");
    QTest::addColumn<int>("children");
    const QString suffix = uniqueSuffix();
    QTest::newRow("short name, one child") << QStringLiteral("cvs%1").arg(suffix) << false << 1;
    QTest::newRow("short name, three children") << QStringLiteral("cvt%1").arg(suffix) << false << 3;
    QTest::newRow("name longer than the kernel keeps") << QStringLiteral("corvane-sleeper-%1").arg(suffix) << false << 2;
    QTest::newRow("long symlink name") << QStringLiteral("corvane-linked-sleeper-%1").arg(suffix) << true << 2;
    QTest::newRow("short symlink name") << QStringLiteral("cvl%1").arg(suffix) << true << 1;
}

void TestPlatform::countProcessesNamed()
{
    QFETCH(QString, name);
    QFETCH(bool, throughSymlink);
    QFETCH(int, children);
    QVERIFY(m_dir.isValid());

    // A copy of sleep under a name no other process carries.
    const QString target = m_dir.filePath(throughSymlink ? name + QStringLiteral("-target") : name);
    QFile::remove(target);
    QVERIFY(QFile::copy(QStringLiteral("/bin/sleep"), target));
    QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QString program = target;
    if (throughSymlink) {
        program = m_dir.filePath(name);
        QFile::remove(program);
        QVERIFY(QFile::link(target, program));
    }
    QCOMPARE(Platform::countProcessesNamed(name), 0);

    ChildProcesses processes;
    for (int i = 0; i < children; ++i)
        QVERIFY(processes.start(program, {QStringLiteral("60")}));
    QCOMPARE(Platform::countProcessesNamed(name), children);
    // Only the exact name counts.
    QCOMPARE(Platform::countProcessesNamed(name.left(name.size() - 1)), 0);
    QCOMPARE(Platform::countProcessesNamed(name + QLatin1Char('x')), 0);
    if (throughSymlink)
        QCOMPARE(Platform::countProcessesNamed(QFileInfo(target).fileName()), 0);

    processes.killAll();
    QCOMPARE(Platform::countProcessesNamed(name), 0);
}

void TestPlatform::countSkipsZombies()
{
    const QString name = QStringLiteral("cvz%1").arg(uniqueSuffix());
    const QString program = m_dir.filePath(name);
    QVERIFY(QFile::copy(QStringLiteral("/bin/true"), program));
    QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const QByteArray path = QFile::encodeName(program);

    // A child that ends and is not reaped yet stays in /proc as a zombie.
    const pid_t pid = fork();
    QVERIFY(pid >= 0);
    if (pid == 0) {
        execl(path.constData(), path.constData(), static_cast<char *>(nullptr));
        _exit(127);
    }
    QTRY_VERIFY_WITH_TIMEOUT(processState(pid) == 'Z', 10000);
    const int count = Platform::countProcessesNamed(name);
    int status = 0;
    waitpid(pid, &status, 0);
    QCOMPARE(count, 0);
}

void TestPlatform::executableName_data()
{
    QTest::addColumn<QString>("linkName");
    QTest::newRow("started as built") << QString();
    QTest::newRow("through a short symlink") << QStringLiteral("fprobe%1").arg(uniqueSuffix());
    QTest::newRow("through a long symlink") << QStringLiteral("foundation-probe-renamed-%1").arg(uniqueSuffix());
}

void TestPlatform::executableName()
{
    QFETCH(QString, linkName);
    QString program = QStringLiteral(FOUNDATION_PROBE);
    QString expected = QFileInfo(program).fileName();
    if (!linkName.isEmpty()) {
        program = m_dir.filePath(linkName);
        QVERIFY(QFile::link(QStringLiteral(FOUNDATION_PROBE), program));
        expected = linkName;
    }
    int code = -1;
    const QList<QByteArray> out = TestSupport::run(program, {QStringLiteral("name")}, &code).split('\n');
    QCOMPARE(code, 0);
    QVERIFY(out.size() >= 2);
    QCOMPARE(QString::fromLocal8Bit(out.at(0)), expected);
    // It counts itself under that name (other probes of the same name are
    // never running: the names are unique to this run, but the plain one
    // may run in another test at the same time).
    if (!linkName.isEmpty())
        QCOMPARE(out.at(1).toInt(), 1);
    else
        QVERIFY(out.at(1).toInt() >= 1);
}

void TestPlatform::dataRoot_data()
{
    QTest::addColumn<QByteArray>("xdgDataHome");
    QTest::addColumn<QByteArray>("home");
    QTest::addColumn<QString>("expected");
    QTest::newRow("XDG_DATA_HOME") << QByteArray("/tmp/corvane-a") << QByteArray("/tmp/h") << "/tmp/corvane-a/NuvoVR/Brindlecast";
    QTest::newRow("doubled and trailing separators") << QByteArray("/tmp//corvane-b/") << QByteArray("/tmp/h")
                                                     << "/tmp/corvane-b/NuvoVR/Brindlecast";
    QTest::newRow("no XDG_DATA_HOME: under HOME") << QByteArray() << QByteArray("/tmp/corvane-home")
                                                  << "/tmp/corvane-home/.local/share/NuvoVR/Brindlecast";
}

void TestPlatform::dataRoot()
{
    QFETCH(QByteArray, xdgDataHome);
    QFETCH(QByteArray, home);
    QFETCH(QString, expected);
    const QByteArray oldXdg = qgetenv("XDG_DATA_HOME");
    const QByteArray oldHome = qgetenv("HOME");
    if (xdgDataHome.isEmpty())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", xdgDataHome);
    qputenv("HOME", home);
    const QString root = Platform::dataRoot();
    qputenv("HOME", oldHome);
    if (oldXdg.isEmpty())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", oldXdg);
    QCOMPARE(root, expected);
    QVERIFY(!QFileInfo::exists(expected)); // only named, not created
}

void TestPlatform::isNetworkAlive_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<int>("expected");
    QTest::newRow("new namespace: loopback only, down") << QString() << 0;
    QTest::newRow("loopback up") << QStringLiteral("ip link set lo up") << 0;
    QTest::newRow("veth up with an IPv4 address")
        << QStringLiteral("ip link set lo up && ip link add cv0 type veth peer name cv1 && "
                          "ip addr add 10.213.7.1/24 dev cv0 && ip link set cv1 up && ip link set cv0 up")
        << 1;
    QTest::newRow("veth whose peer is down is not running")
        << QStringLiteral("ip link add cv0 type veth peer name cv1 && ip addr add 10.213.7.1/24 dev cv0 && "
                          "ip link set cv0 up")
        << 0;
}

void TestPlatform::isNetworkAlive()
{
    QFETCH(QString, setup);
    QFETCH(int, expected);
    if (!TestSupport::canUnshareNetwork())
        QSKIP("cannot create a network namespace here (needs root)");
    // The probe runs inside a namespace of its own: only what the setup
    // creates exists there.
    const QString script = (setup.isEmpty() ? QString() : setup + QStringLiteral(" && "))
        + QStringLiteral("sleep 0.5; exec \"$0\" alive");
    int code = -1;
    const QByteArray out = TestSupport::run(QStringLiteral("unshare"),
                                            {QStringLiteral("-n"), QStringLiteral("sh"), QStringLiteral("-c"), script,
                                             QStringLiteral(FOUNDATION_PROBE)},
                                            &code);
    QCOMPARE(code, 0);
    QCOMPARE(out.trimmed().toInt(), expected);
}

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
