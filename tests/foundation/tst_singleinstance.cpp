// The single-instance guard with the real program: copies of the built
// executable in a temporary data folder, each in a network namespace of its
// own (nothing it sends leaves it), with a temporary folder of their own for
// the local socket.

#include "processes.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void secondStartHandsOverAndEnds();
    void handOverTexts_data();
    void handOverTexts();
    void simultaneousStartsLeaveOne_data();
    void simultaneousStartsLeaveOne();
    void symlinkOfAnotherNameRuns();
    void loserWaitsForWinnerToListen();
    void loserNeverRunsWhenWinnerIsSilent();

private:
    QString dataRoot() const { return m_dir->path() + QStringLiteral("/xdg/NuvoVR/Brindlecast"); }
    QProcess *startCorvane(const QString &program, const QStringList &arguments, bool withPlatform = true);
    // Some alog line of process pid whose text ends with end.
    bool alogHas(qint64 pid, const QByteArray &end) const;
    // The pid as started (a finished QProcess forgets it).
    static qint64 pidOf(QProcess *process) { return process->property("startedPid").toLongLong(); }
    bool windowShown(QProcess *process) const { return alogHas(pidOf(process), " main window shown"); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ChildProcesses> m_children;
};

void TestSingleInstance::initTestCase()
{
    if (!TestSupport::canUnshareNetwork())
        QSKIP("the program must run in a network namespace of its own (needs root for unshare -n)");
    QVERIFY(QFileInfo(QStringLiteral(CORVANE_BIN)).isExecutable());
}

void TestSingleInstance::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_children.reset(new ChildProcesses);
    QVERIFY(QDir().mkpath(dataRoot()));
    QVERIFY(QDir().mkpath(m_dir->path() + QStringLiteral("/tmp")));
    QVERIFY(QDir().mkpath(m_dir->path() + QStringLiteral("/runtime")));
    QFile::setPermissions(m_dir->path() + QStringLiteral("/runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // The user's settings: a web API on loopback, which the namespace
    // does not even reach, and a short time-out.
    QFile ini(dataRoot() + QStringLiteral("/Corvane.ini"));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[General]\nserverPort=0\nUDPPort=9090\nHandleMax=5\nlocalVersion=2.3.0.0\nlocalVersionflg=0\n"
              "outTime=2\nlanguage=us\nserverIp=http://127.0.0.1:9/api\n");
}

void TestSingleInstance::cleanup()
{
    m_children.reset(); // kills whatever still runs
    m_dir.reset();
}

QProcess *TestSingleInstance::startCorvane(const QString &program, const QStringList &arguments, bool withPlatform)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), m_dir->path() + QStringLiteral("/xdg"));
    env.insert(QStringLiteral("TMPDIR"), m_dir->path() + QStringLiteral("/tmp"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir->path() + QStringLiteral("/runtime"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    if (withPlatform)
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    else
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    // unshare replaces itself with the program: same process, same pid.
    QProcess *process = m_children->start(QStringLiteral("unshare"),
                                          QStringList{QStringLiteral("-n"), QStringLiteral("--"), program} + arguments, env);
    if (process)
        process->setProperty("startedPid", process->processId());
    return process;
}

bool TestSingleInstance::alogHas(qint64 pid, const QByteArray &end) const
{
    const QByteArray tag = ' ' + QByteArray::number(pid) + " [";
    const QList<QByteArray> lines = TestSupport::alogLines(dataRoot());
    for (const QByteArray &line : lines) {
        if (line.contains(tag) && line.endsWith(end))
            return true;
    }
    return false;
}

void TestSingleInstance::secondStartHandsOverAndEnds()
{
    // The first copy without any display: it says so and runs offscreen.
    QProcess *first = startCorvane(QStringLiteral(CORVANE_BIN), {}, false);
    QVERIFY(first);
    QTRY_VERIFY_WITH_TIMEOUT(windowShown(first), 60000);
    QVERIFY(first->readAllStandardError().contains("No display found: running without a visible window.\n"));
    QVERIFY(alogHas(pidOf(first), "[Init] Tavrel Init Over"));
    QVERIFY(alogHas(pidOf(first), QStringLiteral(",pid %1,Appversion 2.3.0.0").arg(pidOf(first)).toLatin1()));
    // (The count may see copies of the name that run for other users.)
    QVERIFY(alogHas(pidOf(first), " _isRunning false"));

    QProcess *second = startCorvane(QStringLiteral(CORVANE_BIN), {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    QVERIFY(second);
    QVERIFY(TestSupport::ended(second, 60000));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);
    const QByteArray stderrText = second->readAllStandardError();
    QVERIFY2(stderrText.split('\n').contains("Corvane already running."), stderrText.constData());

    QTRY_VERIFY_WITH_TIMEOUT(alogHas(pidOf(first), " sglProcApplicationPara: \"a b c\""), 20000);
    // The second copy initialised telemetry, decided, and built no window.
    QVERIFY(alogHas(pidOf(second), "[Init] Tavrel Init Over"));
    QVERIFY(alogHas(pidOf(second), " _isRunning true"));
    QVERIFY(!windowShown(second));
    QCOMPARE(first->state(), QProcess::Running);
}

void TestSingleInstance::handOverTexts_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("received");
    QTest::newRow("no arguments: nothing sent, the window still comes back") << QStringList() << QByteArray("");
    QTest::newRow("arguments joined by single blanks") << QStringList{QStringLiteral("--open"), QStringLiteral("x y"), QStringLiteral("z")}
                                                       << QByteArray("--open x y z");
    // Read from argv as Latin-1: the UTF-8 bytes arrive as Latin-1 letters.
    const QString nonLatin = QStringLiteral("grüße-视频");
    QTest::newRow("non-Latin-1 text arrives altered") << QStringList{nonLatin} << QString::fromLatin1(nonLatin.toUtf8()).toUtf8();
}

void TestSingleInstance::handOverTexts()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, received);
    QProcess *first = startCorvane(QStringLiteral(CORVANE_BIN), {});
    QVERIFY(first);
    QTRY_VERIFY_WITH_TIMEOUT(windowShown(first), 60000);
    QProcess *second = startCorvane(QStringLiteral(CORVANE_BIN), arguments);
    QVERIFY(second);
    QVERIFY(TestSupport::ended(second, 60000));
    QCOMPARE(second->exitCode(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(alogHas(pidOf(first), " sglProcApplicationPara: \"" + received + '"'), 20000);
    QVERIFY(!windowShown(second));
}

void TestSingleInstance::simultaneousStartsLeaveOne_data()
{
    QTest::addColumn<bool>("oneThroughSymlink");
    QTest::newRow("two copies of the same name") << false;
    QTest::newRow("one through a symlink, one as built") << true;
}

void TestSingleInstance::simultaneousStartsLeaveOne()
{
    QFETCH(bool, oneThroughSymlink);
    QString otherProgram = QStringLiteral(CORVANE_BIN);
    if (oneThroughSymlink) {
        otherProgram = m_dir->filePath(QStringLiteral("CorvaneAlias"));
        QVERIFY(QFile::link(QStringLiteral(CORVANE_BIN), otherProgram));
    }
    // Several rounds in the same folders: each round also starts over the
    // lock file and socket a killed copy left behind.
    for (int round = 0; round < 4; ++round) {
        QProcess *a = startCorvane(QStringLiteral(CORVANE_BIN), {QStringLiteral("round")});
        QProcess *b = startCorvane(otherProgram, {QStringLiteral("round")});
        QVERIFY(a && b);
        QTRY_VERIFY_WITH_TIMEOUT((a->state() == QProcess::NotRunning && windowShown(b))
                                     || (b->state() == QProcess::NotRunning && windowShown(a)),
                                 60000);
        QProcess *ended = a->state() == QProcess::NotRunning ? a : b;
        QProcess *running = ended == a ? b : a;
        QCOMPARE(ended->exitStatus(), QProcess::NormalExit);
        QCOMPARE(ended->exitCode(), 0);
        QVERIFY(ended->readAllStandardError().split('\n').contains("Corvane already running."));
        QVERIFY(!windowShown(ended));
        QCOMPARE(running->state(), QProcess::Running);
        // The later copy's line reached the one that runs.
        QTRY_VERIFY_WITH_TIMEOUT(alogHas(pidOf(running), " sglProcApplicationPara: \"round\""), 20000);
        running->kill();
        QVERIFY(TestSupport::ended(running, 10000));
    }
}

void TestSingleInstance::symlinkOfAnotherNameRuns()
{
    const QString alias = m_dir->filePath(QStringLiteral("VrCompanion"));
    QVERIFY(QFile::link(QStringLiteral(CORVANE_BIN), alias));
    QProcess *first = startCorvane(alias, {});
    QVERIFY(first);
    QTRY_VERIFY_WITH_TIMEOUT(windowShown(first) || first->state() == QProcess::NotRunning, 60000);
    QVERIFY2(first->state() == QProcess::Running, "a start under another name must run");
    // It counted itself under its own name.
    QVERIFY(alogHas(pidOf(first), " isRunningnum 1 _isRunning false"));

    // A start as built finds it by the executable's file name.
    QProcess *second = startCorvane(QStringLiteral(CORVANE_BIN), {QStringLiteral("via"), QStringLiteral("name")});
    QVERIFY(second);
    QVERIFY(TestSupport::ended(second, 60000));
    QCOMPARE(second->exitCode(), 0);
    QVERIFY(second->readAllStandardError().split('\n').contains("Corvane already running."));
    QTRY_VERIFY_WITH_TIMEOUT(alogHas(pidOf(first), " sglProcApplicationPara: \"via name\""), 20000);
    QCOMPARE(first->state(), QProcess::Running);
}

void TestSingleInstance::loserWaitsForWinnerToListen()
{
    // The test plays a winner that holds the lock but listens only later,
    // as a copy started a moment earlier does.
    QLockFile lock(dataRoot() + QStringLiteral("/Corvane.lock"));
    QVERIFY(lock.tryLock(0));
    QProcess *late = startCorvane(QStringLiteral(CORVANE_BIN), {QStringLiteral("late"), QStringLiteral("winner")});
    QVERIFY(late);
    QTest::qWait(1000); // the copy finds no server and loses the lock meanwhile
    QCOMPARE(late->state(), QProcess::Running);

    QLocalServer server;
    QVERIFY(server.listen(m_dir->path() + QStringLiteral("/tmp/Corvane")));
    QVERIFY(server.waitForNewConnection(10000));
    QLocalSocket *socket = server.nextPendingConnection();
    QVERIFY(socket);
    QByteArray received;
    QTRY_VERIFY_WITH_TIMEOUT((received += socket->readAll(), socket->state() == QLocalSocket::UnconnectedState), 10000);
    received += socket->readAll();
    QCOMPARE(received, QByteArray("late winner"));

    QVERIFY(TestSupport::ended(late, 60000));
    QCOMPARE(late->exitCode(), 0);
    QVERIFY(late->readAllStandardError().split('\n').contains("Corvane already running."));
    QVERIFY(alogHas(pidOf(late), " _isRunning true"));
    QVERIFY(!windowShown(late));
}

void TestSingleInstance::loserNeverRunsWhenWinnerIsSilent()
{
    // The lock is held by a live process that never answers: the copy gives
    // up handing over, and still does not run a second time.
    QLockFile lock(dataRoot() + QStringLiteral("/Corvane.lock"));
    QVERIFY(lock.tryLock(0));
    QProcess *copy = startCorvane(QStringLiteral(CORVANE_BIN), {QStringLiteral("unheard")});
    QVERIFY(copy);
    QVERIFY(TestSupport::ended(copy, 60000));
    QCOMPARE(copy->exitStatus(), QProcess::NormalExit);
    QCOMPARE(copy->exitCode(), 0);
    const QByteArray errors = copy->readAllStandardError();
    QVERIFY(errors.contains("the running copy does not answer"));
    QVERIFY(errors.split('\n').contains("Corvane already running."));
    QVERIFY(!windowShown(copy));
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
