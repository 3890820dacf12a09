// Telemetry end to end: the program's wrapper and log handler over the real
// tavrel library, its alog files in a temporary data folder, and helper
// processes that crash for real.

#include "settings/session.h"
#include "telemetry/alogmessagehandler.h"
#include "telemetry/tavrelwrapper.h"
#include "telemetry/telemetryinit.h"
#include "processes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <thread>
#include <vector>

namespace {

// time, pid, [level], text
const QRegularExpression kLineShape(QStringLiteral(
    "^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3} (\\d+) \\[([^\\]]+)\\] (.*)$"));

QString fileOf(const char *file) { return QString::fromLatin1(file); }

} // namespace

class TestTelemetry : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void startLines();
    void levelWords_data();
    void levelWords();
    void droppedMessages_data();
    void droppedMessages();
    void textKeptAsIs_data();
    void textKeptAsIs();
    void nullStringsIgnored();
    void manyThreadsLoseAndTearNothing();
    void factoryWithoutHandle();
    void exportedSymbols();

    void crashLeavesReport_data();
    void crashLeavesReport();
    void fatalMessageReachesAlogAndCrashData();
    void libraryAloneManyThreadsAndProcesses();
    void rotationKeepsFolderBounded();

private:
    QString dataRoot() const { return m_dir.path() + QStringLiteral("/xdg/NuvoVR/Brindlecast"); }
    QList<QByteArray> lines() const { return TestSupport::alogLines(dataRoot()); }
    // Lines of this process whose text ends with marker.
    QList<QByteArray> linesWith(const QByteArray &marker) const;
    QStringList crashReports(const QString &root) const;

    QTemporaryDir m_dir;
    QByteArray m_pid;
};

QList<QByteArray> TestTelemetry::linesWith(const QByteArray &marker) const
{
    QList<QByteArray> found;
    const QList<QByteArray> all = lines();
    for (const QByteArray &line : all) {
        if (line.contains(marker))
            found.append(line);
    }
    return found;
}

QStringList TestTelemetry::crashReports(const QString &root) const
{
    return QDir(root + QStringLiteral("/crashData")).entryList({QStringLiteral("crash-*.txt")}, QDir::Files, QDir::Name);
}

void TestTelemetry::initTestCase()
{
    QVERIFY(m_dir.isValid());
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.path() + QStringLiteral("/xdg")));
    m_pid = QByteArray::number(QCoreApplication::applicationPid());
    qInstallMessageHandler(alogMessageHandler);
    initTavrelFromSettings();
    QVERIFY(TavrelWrapper::instance().hasHandle());
}

void TestTelemetry::startLines()
{
    const QList<QByteArray> all = lines();
    QVERIFY(!all.isEmpty());
    bool init = false;
    for (const QByteArray &line : all)
        init = init || line.endsWith(" " + m_pid + " [Init] Tavrel Init Over");
    QVERIFY(init);
    const QString expectedInfo = QStringLiteral("InitTavrel(): did %1,uid %2,pid %3,Appversion 2.3.0.0")
                                     .arg(QString::fromUtf8(QSysInfo::machineUniqueId()), QSysInfo::machineHostName(),
                                          QString::fromLatin1(m_pid));
    bool info = false, crashServer = false;
    for (const QByteArray &line : all) {
        const QRegularExpressionMatch m = kLineShape.match(QString::fromUtf8(line));
        QVERIFY2(m.hasMatch(), line.constData());
        if (m.captured(1).toLatin1() != m_pid)
            continue;
        if (m.captured(2) == QLatin1String("Info") && m.captured(3).startsWith(QLatin1String("File:("))
            && m.captured(3).contains(QLatin1String("telemetryinit.cpp) Line:(")) && m.captured(3).endsWith(expectedInfo))
            info = true;
        if (m.captured(2) == QLatin1String("Warning") && m.captured(3).contains(QLatin1String("GetCrashpadInitRes succeeded, ipc_pipe: 0x")))
            crashServer = true;
    }
    QVERIFY2(info, qPrintable(expectedInfo));
    QVERIFY(crashServer);
    QVERIFY(QFileInfo(dataRoot() + QStringLiteral("/crashData")).isDir());
    QCOMPARE(QDir(dataRoot() + QStringLiteral("/aLog")).entryList({QStringLiteral("Vistrel.log")}, QDir::Files).size(), 1);
}

void TestTelemetry::levelWords_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("word");
    QTest::newRow("debug") << int(QtDebugMsg) << "Debug";
    QTest::newRow("info") << int(QtInfoMsg) << "Info";
    QTest::newRow("warning") << int(QtWarningMsg) << "Warning";
    QTest::newRow("critical") << int(QtCriticalMsg) << "Critical";
}

void TestTelemetry::levelWords()
{
    QFETCH(int, type);
    QFETCH(QString, word);
    const QByteArray marker = "level-check-" + word.toLatin1();
    int line = 0;
    switch (QtMsgType(type)) {
    case QtDebugMsg: line = __LINE__; qDebug("Available Port %d %s", 9000, marker.constData()); break;
    case QtInfoMsg: line = __LINE__; qInfo("Available Port %d %s", 9000, marker.constData()); break;
    case QtWarningMsg: line = __LINE__; qWarning("Available Port %d %s", 9000, marker.constData()); break;
    default: line = __LINE__; qCritical("Available Port %d %s", 9000, marker.constData()); break;
    }
    const QList<QByteArray> found = linesWith(marker);
    QCOMPARE(found.size(), 1);
    const QString expected = QStringLiteral(" %1 [%2] File:(%3) Line:(%4) Available Port 9000 %5")
                                 .arg(QString::fromLatin1(m_pid), word, fileOf(__FILE__), QString::number(line),
                                      QString::fromLatin1(marker));
    QVERIFY2(QString::fromUtf8(found.first()).endsWith(expected), found.first().constData());
}

void TestTelemetry::droppedMessages_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("dropped");
    QTest::newRow("min-weidth") << "QCss: Unknown property min-weidth in style" << true;
    QTest::newRow("POST content type") << "QNetworkAccessManager: content-type missing in HTTP POST, defaulting" << true;
    QTest::newRow("source rect") << "QPainter::drawPixmap: the source rect is not contained by the pixmap's rectangle" << true;
    QTest::newRow("sRGB profile") << "libpng warning: iCCP: known incorrect sRGB profile" << true;
    QTest::newRow("cHRM") << "libpng warning: iCCP: cHRM chunk does not match sRGB" << true;
    QTest::newRow("background-size") << "Unknown property background-size" << true;
    QTest::newRow("other case is kept") << "unknown property Background-Size" << false;
    QTest::newRow("other property is kept") << "Unknown property min-width" << false;
}

void TestTelemetry::droppedMessages()
{
    QFETCH(QString, text);
    QFETCH(bool, dropped);
    const QByteArray marker = "drop-check-" + QByteArray(QTest::currentDataTag()).replace(' ', '-');
    const QByteArray message = marker + "-message";
    const QByteArray after = marker + "-after";
    qWarning("%s %s", qPrintable(text), message.constData());
    // A line after it proves the alog is being written.
    qWarning("%s", after.constData());
    QCOMPARE(linesWith(after).size(), 1);
    const QList<QByteArray> found = linesWith(message);
    QCOMPARE(found.size(), dropped ? 0 : 1);
    if (!dropped)
        QVERIFY(QString::fromUtf8(found.first()).contains(text));
}

void TestTelemetry::textKeptAsIs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("written");
    QTest::newRow("placeholders stay") << "value %1 and %2 here" << "value %1 and %2 here";
    QTest::newRow("UTF-8") << QStringLiteral("Grüße, 视频 and ☃") << QStringLiteral("Grüße, 视频 and ☃");
    QTest::newRow("line breaks become one line") << "first\nsecond\r\nthird" << "first\\nsecond\\r\\nthird";
}

void TestTelemetry::textKeptAsIs()
{
    QFETCH(QString, text);
    QFETCH(QString, written);
    const QString marker = QStringLiteral("asis-%1 ").arg(QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-')));
    qDebug().noquote() << marker + text;
    const QList<QByteArray> found = linesWith(marker.toUtf8());
    QCOMPARE(found.size(), 1);
    QVERIFY2(QString::fromUtf8(found.first()).endsWith(marker + written), found.first().constData());
}

void TestTelemetry::nullStringsIgnored()
{
    const int before = lines().size();
    TavrelWrapper::instance().WriteAlog(nullptr, "null level");
    TavrelWrapper::instance().WriteAlog("Debug", nullptr);
    TavrelWrapper::instance().WriteAlog(nullptr, nullptr);
    TavrelWrapper::instance().WriteAlog("Tag", "direct write");
    const QList<QByteArray> all = lines();
    QCOMPARE(all.size(), before + 1);
    QVERIFY(all.last().endsWith(m_pid + " [Tag] direct write"));
}

void TestTelemetry::manyThreadsLoseAndTearNothing()
{
    const int threads = 8;
    const int perThread = 10000;
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([t] {
            for (int i = 0; i < perThread; ++i)
                qDebug("burst T%d I%d end", t, i);
        });
    }
    for (std::thread &worker : workers)
        worker.join();

    const QRegularExpression burst(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3} %1 \\[Debug\\] "
                                                  "File:\\(.*tst_telemetry\\.cpp\\) Line:\\(\\d+\\) burst T(\\d) I(\\d+) end$")
                                       .arg(QString::fromLatin1(m_pid)));
    std::vector<std::vector<int>> seen(threads, std::vector<int>(perThread, 0));
    int total = 0;
    const QList<QByteArray> all = lines();
    for (const QByteArray &line : all) {
        QVERIFY2(kLineShape.match(QString::fromUtf8(line)).hasMatch(), line.constData()); // nothing torn or merged
        if (!line.contains(" burst T"))
            continue;
        const QRegularExpressionMatch m = burst.match(QString::fromUtf8(line));
        QVERIFY2(m.hasMatch(), line.constData());
        ++seen[m.captured(1).toInt()][m.captured(2).toInt()];
        ++total;
    }
    QCOMPARE(total, threads * perThread);
    for (int t = 0; t < threads; ++t)
        for (int i = 0; i < perThread; ++i)
            QVERIFY2(seen[t][i] == 1, qPrintable(QStringLiteral("T%1 I%2 seen %3 times").arg(t).arg(i).arg(seen[t][i])));
}

void TestTelemetry::factoryWithoutHandle()
{
    // The library refusing: nothing else is called, nothing is written.
    QTemporaryDir root;
    QVERIFY(root.isValid());
    TavrelWrapper wrapper([]() -> tavrel::TavrelWrapperBase * { return nullptr; });
    wrapper.Init(root.path().toUtf8().constData(), "1.0", "did", "uid", "os", "Vistrel", "1");
    QVERIFY(!wrapper.hasHandle());
    wrapper.WriteAlog("Debug", "dropped");
    QVERIFY(QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

void TestTelemetry::exportedSymbols()
{
    int code = -1;
    const QByteArray out = TestSupport::run(QStringLiteral("nm"),
                                            {QStringLiteral("-D"), QStringLiteral("--defined-only"), QStringLiteral("-C"),
                                             QStringLiteral(CORVANE_APP_DIR "/libtavrel.so")},
                                            &code);
    if (code < 0)
        QSKIP("nm is not available");
    QCOMPARE(code, 0);
    QSet<QString> symbols;
    for (const QByteArray &line : out.split('\n')) {
        const QList<QByteArray> fields = line.trimmed().split(' ');
        if (fields.size() >= 3)
            symbols.insert(QString::fromLatin1(line.trimmed().mid(fields.at(0).size() + fields.at(1).size() + 2)));
    }
    const QSet<QString> expected{
        QStringLiteral("CreateTavrelWrapper"),
        QStringLiteral("CreateTavrelGlobalEnvBuilder"),
        QStringLiteral("DestroyTavrelGlobalEnvBuilder"),
        QStringLiteral("CreateTavrelEnvBuilder"),
        QStringLiteral("DestroyTavrelEnvBuilder"),
        QStringLiteral("tavrel::TavrelGlobalEnvBuilderBase::SetIsDebug(bool)"),
    };
    QCOMPARE(symbols, expected);
}

void TestTelemetry::crashLeavesReport_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGSEGV") << "SEGV" << int(SIGSEGV);
    QTest::newRow("SIGSEGV in a second thread") << "SEGV-thread" << int(SIGSEGV);
    QTest::newRow("SIGABRT") << "ABRT" << int(SIGABRT);
    QTest::newRow("SIGBUS") << "BUS" << int(SIGBUS);
    QTest::newRow("SIGFPE") << "FPE" << int(SIGFPE);
    QTest::newRow("SIGILL") << "ILL" << int(SIGILL);
}

void TestTelemetry::crashLeavesReport()
{
    QFETCH(QString, kind);
    QFETCH(int, signal);
    QTemporaryDir root;
    QVERIFY(root.isValid());

    QProcess helper;
    helper.start(QStringLiteral(FOUNDATION_TAVREL_HELPER), {root.path(), QStringLiteral("crash"), kind});
    QVERIFY(helper.waitForStarted(10000));
    const qint64 pid = helper.processId();
    QVERIFY(TestSupport::ended(&helper));
    QCOMPARE(helper.exitStatus(), QProcess::CrashExit);
    QVERIFY(helper.readAllStandardOutput().startsWith("crash server: ok 0x"));

    const QStringList reports = crashReports(root.path());
    QCOMPARE(reports.size(), 1);
    QVERIFY(reports.first().startsWith(QStringLiteral("crash-%1-").arg(pid)));
    QFile file(root.path() + QStringLiteral("/crashData/") + reports.first());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString report = QString::fromUtf8(file.readAll());
    const char *names[] = {"", "", "", "", "SIGILL", "", "SIGABRT", "SIGBUS", "SIGFPE", "", "", "SIGSEGV"};
    QVERIFY2(report.startsWith(QStringLiteral("signal: %1 %2\n").arg(signal).arg(QLatin1String(names[signal]))), qPrintable(report));
    QVERIFY(report.contains(QStringLiteral("\npid: %1\n").arg(pid)));
    QVERIFY(report.contains(QLatin1String("\nversion: 9.8.7.6\n")));
    QVERIFY(report.contains(QLatin1String("\napp: Vistrel\nprocess: main\n")));
    QVERIFY(report.contains(QStringLiteral("\nhandler: %1/tavrel_crash_handler\n").arg(root.path())));
    const int trace = report.indexOf(QLatin1String("\nbacktrace:\n"));
    QVERIFY(trace > 0);
    const QStringList frames = report.mid(trace + 12).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(frames.size() >= 3);
    QCOMPARE(frames.last(), QStringLiteral("end of report"));
    // The frames name the crashing program and the library's handler.
    QVERIFY(report.contains(QLatin1String("foundation_tavrel_helper(")));
    QVERIFY(report.contains(QLatin1String("libtavrel.so(")));

    // The next start notes the report in its alog, once.
    int code = -1;
    TestSupport::run(QStringLiteral(FOUNDATION_TAVREL_HELPER), {root.path(), QStringLiteral("init")}, &code);
    QCOMPARE(code, 0);
    TestSupport::run(QStringLiteral(FOUNDATION_TAVREL_HELPER), {root.path(), QStringLiteral("init")}, &code);
    QCOMPARE(code, 0);
    int noted = 0;
    for (const QByteArray &line : TestSupport::alogLines(root.path())) {
        if (line.contains("[Crash] previous crash report: ") && line.endsWith(reports.first().toUtf8()))
            ++noted;
    }
    QCOMPARE(noted, 1);
}

void TestTelemetry::fatalMessageReachesAlogAndCrashData()
{
    // The program's own chain in a child: handler, wrapper, library.
    QTemporaryDir root;
    QVERIFY(root.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), root.path());
    QProcess probe;
    probe.setProcessEnvironment(env);
    probe.start(QStringLiteral(FOUNDATION_PROBE), {QStringLiteral("fatal"), QStringLiteral("fatal-marker-71")});
    QVERIFY(TestSupport::ended(&probe));
    QCOMPARE(probe.exitStatus(), QProcess::CrashExit);
    QVERIFY2(probe.readAllStandardError().isEmpty(), "the handler prints nothing");
    const QString data = root.path() + QStringLiteral("/NuvoVR/Brindlecast");
    bool fatal = false;
    for (const QByteArray &line : TestSupport::alogLines(data)) {
        if (line.contains("[Fatal] File:(") && line.contains("probe.cpp) Line:(") && line.endsWith(" fatal-marker-71"))
            fatal = true;
    }
    QVERIFY(fatal);
    const QStringList reports = crashReports(data);
    QCOMPARE(reports.size(), 1);
    QFile report(data + QStringLiteral("/crashData/") + reports.first());
    QVERIFY(report.open(QIODevice::ReadOnly));
    const QByteArray text = report.readAll();
    QVERIFY(text.startsWith("signal: 6 SIGABRT\n"));
    QVERIFY(text.contains("\nversion: 2.3.0.0\n"));
}

void TestTelemetry::libraryAloneManyThreadsAndProcesses()
{
    // Two processes of 4 threads each share one alog folder.
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const int perThread = 5000;
    ChildProcesses children;
    QProcess *a = children.start(QStringLiteral(FOUNDATION_TAVREL_HELPER), {root.path(), QStringLiteral("write"), QStringLiteral("4"), QString::number(perThread)});
    QProcess *b = children.start(QStringLiteral(FOUNDATION_TAVREL_HELPER), {root.path(), QStringLiteral("write"), QStringLiteral("4"), QString::number(perThread)});
    QVERIFY(a && b);
    const QByteArray pids[] = {QByteArray::number(a->processId()), QByteArray::number(b->processId())};
    QVERIFY(TestSupport::ended(a, 120000) && TestSupport::ended(b, 120000));
    QCOMPARE(a->exitCode(), 0);
    QCOMPARE(b->exitCode(), 0);

    QSet<QByteArray> seen;
    int total = 0;
    for (const QByteArray &line : TestSupport::alogLines(root.path())) {
        QVERIFY2(kLineShape.match(QString::fromUtf8(line)).hasMatch(), line.constData());
        const int w = line.indexOf("[Debug] W");
        if (w < 0)
            continue;
        QVERIFY2(line.endsWith(" end"), line.constData());
        seen.insert(line.mid(w));
        ++total;
    }
    QCOMPARE(total, 2 * 4 * perThread);
    QCOMPARE(seen.size(), total);
    for (const QByteArray &pid : pids)
        for (int t = 0; t < 4; ++t)
            QVERIFY(seen.contains("[Debug] W" + pid + " T" + QByteArray::number(t) + " I" + QByteArray::number(perThread - 1) + " end"));
}

void TestTelemetry::rotationKeepsFolderBounded()
{
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const qint64 fileBytes = 64 * 1024;
    const int files = 4;
    const int threads = 4;
    const int perThread = 20000; // about 5 MB, far over the bound
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TAVREL_ALOG_FILE_BYTES"), QString::number(fileBytes));
    env.insert(QStringLiteral("TAVREL_ALOG_FILES"), QString::number(files));
    int code = -1;
    TestSupport::run(QStringLiteral(FOUNDATION_TAVREL_HELPER),
                     {root.path(), QStringLiteral("write"), QString::number(threads), QString::number(perThread)}, &code,
                     120000, env);
    QCOMPARE(code, 0);

    const QFileInfoList entries = QDir(root.path() + QStringLiteral("/aLog")).entryInfoList(QDir::Files);
    QVERIFY(entries.size() <= files);
    QVERIFY(entries.size() >= 2);
    qint64 total = 0;
    for (const QFileInfo &entry : entries) {
        QVERIFY(entry.fileName().startsWith(QLatin1String("Vistrel")));
        QVERIFY(entry.size() < fileBytes + 1024); // one line past the limit at most
        total += entry.size();
    }
    QVERIFY(total <= files * (fileBytes + 1024));
    QVERIFY(total >= (files - 1) * fileBytes); // and only the oldest went

    // What stays is the newest part: for every thread still present a run of
    // indices that ends with its last line, with no gap.
    std::vector<std::vector<int>> indices(threads);
    for (const QByteArray &line : TestSupport::alogLines(root.path())) {
        QVERIFY2(kLineShape.match(QString::fromUtf8(line)).hasMatch(), line.constData());
        const QRegularExpressionMatch m = QRegularExpression(QStringLiteral(" T(\\d+) I(\\d+) end$")).match(QString::fromUtf8(line));
        if (m.hasMatch())
            indices[m.captured(1).toInt()].push_back(m.captured(2).toInt());
    }
    int present = 0;
    for (int t = 0; t < threads; ++t) {
        std::vector<int> &run = indices[t];
        if (run.empty())
            continue;
        ++present;
        QVERIFY(int(run.size()) < perThread); // old lines were rotated away
        std::sort(run.begin(), run.end());
        QCOMPARE(run.back(), perThread - 1);
        QCOMPARE(run.back() - run.front() + 1, int(run.size()));
    }
    QVERIFY(present >= 1);
}

QTEST_GUILESS_MAIN(TestTelemetry)
#include "tst_telemetry.moc"
