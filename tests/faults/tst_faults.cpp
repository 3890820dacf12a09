// Faults against the real code: a library rewrite killed or cut short by a
// file-size limit, a video that shrinks or goes while it is streamed, an
// unwritable data folder under the built program. Each time: no crash, no hang, the user's library whole.
//
// The binary is also its own helper child:
//   --rewrite-loop <folder> <video>   rewrites the old and new library in turn until killed
//   --delete-limited <language>       deletes a third of the stored library under a file-size
//                                     limit on the library page; prints what the prompt said

#include "httpclients.h"
#include "logcapture.h"
#include "netlab.h"
#include "processes.h"
#include "testvideos.h"

#include "dialogs/prompt.h"
#include "library/corvanevideoinfo.h"
#include "library/videolibraryfile.h"
#include "library/videolisttext.h"
#include "server/httpsession.h"
#include "server/mediaroutes.h"
#include "server/serverport.h"
#include "server/tcpservermanage.h"
#include "settings/appsettings.h"
#include "settings/session.h"
#include "shell/utils.h"
#include "ui/library/homepage.h"

#include <QApplication>
#include <QDir>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QtTest>

#include <csignal>
#include <cstring>
#include <functional>
#include <memory>
#include <sys/mount.h>
#include <unistd.h>

namespace {

constexpr int kLibrarySize = 200;

struct Library {
    QList<CorvaneVideoInfo *> records;
    QStringList texts; // as stored, index by index
    ~Library() { qDeleteAll(records); }
};

// kLibrarySize records of the one real video at path (new: every third one
// deleted), each with an id and a name of its own.
std::unique_ptr<Library> libraryOf(const QString &path, bool afterDelete)
{
    auto library = std::make_unique<Library>();
    const qint64 size = QFileInfo(path).size();
    for (int i = 0; i < kLibrarySize; ++i) {
        if (afterDelete && i % 3 == 0)
            continue;
        auto *info = new CorvaneVideoInfo;
        info->videoPath = QString::number(1607300000000LL + i);
        info->videoPathReal = path;
        info->video = QStringLiteral("holiday %1 — a long name to give the record some weight.mp4").arg(i);
        info->size = int(size / 1024);
        info->length = 2;
        info->posterPath = info->videoPath;
        info->poster = info->videoPath + QStringLiteral(".png");
        info->posterPathReal = QFileInfo(path).path() + QLatin1Char('/') + info->poster;
        info->index = library->records.size();
        library->records << info;
        library->texts << VideoListText::videoInfoToJsonText(info);
    }
    return library;
}

// "old", "new" or what else the folder's library reloads as.
QString reloaded(const QString &folder, const Library &oldLib, const Library &newLib)
{
    QStringList texts;
    QList<CorvaneVideoInfo *> records;
    const bool ok = VideoLibraryFile(folder).load(&texts, &records);
    qDeleteAll(records);
    if (!ok)
        return QStringLiteral("no file");
    if (texts == oldLib.texts)
        return QStringLiteral("old");
    if (texts == newLib.texts)
        return QStringLiteral("new");
    return QStringLiteral("%1 records, neither library").arg(texts.size());
}

int rewriteLoop(const QString &folder, const QString &video)
{
    const auto oldLib = libraryOf(video, false);
    const auto newLib = libraryOf(video, true);
    QStringList texts;
    QFile out;
    out.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered);
    for (qint64 round = 0;; ++round) {
        out.write(QByteArray("begin ") + QByteArray::number(round) + '\n');
        if (!VideoLibraryFile(folder).rewrite(round % 2 ? oldLib->records : newLib->records, &texts))
            return 3;
    }
}

int deleteLimited(int argc, char **argv, const QString &language)
{
    QApplication app(argc, argv);
    Session::instance()->loadTranslator(language);
    HomePage page;
    page.loadVideoList();
    const qint64 stored = QFileInfo(VideoLibraryFile().filePath()).size();
    page.slotDelVideoFile();
    for (int i = 0; i < page.videos().size(); i += 3)
        page.slotSelectForDelete(page.videos().at(i), true);
    QStringList said;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&said] {
        Prompt *prompt = Utils::instance().getPrompt();
        if (prompt && prompt->isVisible()) {
            said << prompt->promptText();
            prompt->accept();
        }
    });
    answer.start(20);
    {
        FileSizeLimit limit(stored / 2);
        if (!limit.active())
            return 4;
        page.slotDoDelVideoFile();
    }
    QTextStream(stdout) << "videos " << page.videos().size() << '\n' << "prompt " << said.join('|') << '\n';
    return 0;
}

} // namespace

class TestFaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rewriteKilledReloadsOldOrNew();
    void rewriteOverFileSizeLimitKeepsOldAndTells();
    void videoChangesWhileStreamed_data();
    void videoChangesWhileStreamed();
    void readOnlyDataFolder();

private:
    QTemporaryDir m_dir;
    QString m_video;
    ChildProcesses m_children;
};

void TestFaults::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_video = m_dir.filePath(QStringLiteral("clip.mp4"));
    QVERIFY(TestVideos::clip(m_video));
}

void TestFaults::rewriteKilledReloadsOldOrNew()
{
    const QString folder = m_dir.filePath(QStringLiteral("killed"));
    QVERIFY(QDir().mkpath(folder));
    const auto oldLib = libraryOf(m_video, false);
    const auto newLib = libraryOf(m_video, true);
    // Field 3 of /proc/<pid>/stat is the state; 'T' once SIGSTOP landed.
    auto stopped = [](qint64 pid) {
        for (int i = 0; i < 100000; ++i) {
            const QByteArray line = TestSupport::fileBytes(QStringLiteral("/proc/%1/stat").arg(pid));
            const int close = line.lastIndexOf(')');
            if (close > 0 && line.size() > close + 2 && line.at(close + 2) == 'T')
                return true;
            QThread::yieldCurrentThread();
        }
        return false;
    };
    QMap<QString, int> seen;
    for (int round = 0; round < 30; ++round) {
        QStringList texts;
        QVERIFY(VideoLibraryFile(folder).rewrite(oldLib->records, &texts));
        QProcess *child = m_children.start(QCoreApplication::applicationFilePath(),
                                           {QStringLiteral("--rewrite-loop"), folder, m_video});
        QVERIFY(child);
        // Killed in its first few rewrites, at a random moment of one.
        const QByteArray wanted = "begin " + QByteArray::number(QRandomGenerator::global()->bounded(4)) + '\n';
        QByteArray said;
        while (!said.contains(wanted)) {
            QVERIFY2(child->waitForReadyRead(60000), "the rewriting child stopped talking");
            said += child->readAllStandardOutput();
        }
        const pid_t pid = pid_t(child->processId());
        // Frozen at a few moments first: the file is a whole library each time.
        for (int sample = 0; sample < 4; ++sample) {
            QThread::usleep(QRandomGenerator::global()->bounded(3000));
            QCOMPARE(::kill(pid, SIGSTOP), 0);
            QVERIFY(stopped(pid));
            const QString state = reloaded(folder, *oldLib, *newLib);
            QVERIFY2(state == "old" || state == "new", qPrintable("while stopped: " + state));
            QCOMPARE(::kill(pid, SIGCONT), 0);
        }
        QThread::usleep(QRandomGenerator::global()->bounded(3000));
        QCOMPARE(::kill(pid, SIGKILL), 0);
        QVERIFY(TestSupport::ended(child));
        QCOMPARE(child->exitStatus(), QProcess::CrashExit);
        const QString state = reloaded(folder, *oldLib, *newLib);
        QVERIFY2(state == "old" || state == "new", qPrintable(QStringLiteral("round %1: ").arg(round) + state));
        ++seen[state];
    }
    qInfo() << "after the kills the library reloaded as" << seen;
}

void TestFaults::rewriteOverFileSizeLimitKeepsOldAndTells()
{
    // The library page deletes a third of 200 videos; the new file cannot
    // grow past half the old one's size, as on a full disk.
    QTemporaryDir home;
    QVERIFY(home.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
    const QByteArray savedHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    const QString file = VideoLibraryFile().filePath();
    qputenv("XDG_DATA_HOME", savedHome);
    const auto oldLib = libraryOf(m_video, false);
    QStringList texts;
    QVERIFY(VideoLibraryFile(QFileInfo(file).path()).rewrite(oldLib->records, &texts));
    const QByteArray before = TestSupport::fileBytes(file);

    int exitCode = -1;
    const QString out = QString::fromUtf8(TestSupport::run(
        QCoreApplication::applicationFilePath(), {QStringLiteral("--delete-limited"), QStringLiteral("de")},
        &exitCode, 120000, env));
    QCOMPARE(exitCode, 0);
    QCOMPARE(TestSupport::fileBytes(file), before);
    // The page still shows every video, and said so in the user's language.
    QVERIFY2(out.contains(QStringLiteral("videos %1\n").arg(kLibrarySize)), qPrintable(out));
    Session::instance()->loadTranslator(QStringLiteral("de"));
    const char *source = "The video library could not be saved, so nothing was deleted. "
                         "Please check the free disk space and try again.";
    const QString told = QCoreApplication::translate("HomePage", source);
    QVERIFY(told != QLatin1String(source));
    QCOMPARE(out.section(QStringLiteral("prompt "), 1).trimmed(), told);
}

void TestFaults::videoChangesWhileStreamed_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("shrinks") << "shrink";
    QTest::newRow("disappears") << "remove";
    QTest::newRow("gone before the request") << "gone";
}

void TestFaults::videoChangesWhileStreamed()
{
    QFETCH(QString, change);
    LogCapture log;
    // A large video to stream and the real clip to ask for beside it.
    const QString big = m_dir.filePath(QStringLiteral("big.mp4"));
    const qint64 size = 32 * 1024 * 1024;
    {
        QFile f(big);
        QVERIFY(f.open(QIODevice::WriteOnly));
        const QByteArray head = TestSupport::fileBytes(m_video);
        QCOMPARE(f.write(head), qint64(head.size()));
        QVERIFY(f.resize(size));
    }
    auto library = libraryOf(m_video, false);
    library->records.at(0)->videoPathReal = big;
    library->texts[0] = VideoListText::videoInfoToJsonText(library->records.at(0));
    const QString listText = VideoListText::buildVideoListText(library->texts);
    MediaRoutes routes;
    routes.setLibraryJson(QJsonDocument::fromJson(listText.toUtf8()).object());
    HttpServer::TcpServerManage server(5);
    server.setIdleTimeout(60000);
    server.setHttpAcceptedCallback(routes.handler());
    QVERIFY(server.listen(QHostAddress::LocalHost, 0));
    const quint16 port = server.serverPort();
    const QByteArray clip = TestSupport::fileBytes(m_video);
    auto othersServed = [&] {
        const CurlResult list = curl(port, QStringLiteral("/list"));
        const CurlResult part = curl(port, QStringLiteral("/video/1607300000001"), {"-H", "Range: bytes=100-"});
        return list.status() == 200 && QJsonDocument::fromJson(list.body).toJson() == QJsonDocument::fromJson(listText.toUtf8()).toJson()
               && part.status() == 206 && part.body == clip.mid(100);
    };

    if (change == QLatin1String("gone"))
        QVERIFY(QFile::remove(big));
    const qint64 zeroCopyBefore = HttpServer::Session::zeroCopyBytesSent();
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(socket.waitForConnected(5000));
    // A small receive buffer keeps the server from queuing everything at once.
    socket.setReadBufferSize(64 * 1024);
    socket.write("GET /video/1607300000000 HTTP/1.1\r\n\r\n");
    QVERIFY(socket.waitForBytesWritten(5000));
    QVERIFY(socket.waitForReadyRead(10000));
    QVERIFY(othersServed()); // while this one stalls
    if (change == QLatin1String("shrink"))
        QVERIFY(QFile::resize(big, 1024 * 1024));
    else if (change == QLatin1String("remove"))
        QVERIFY(QFile::remove(big));
    QByteArray got;
    QDeadlineTimer deadline(60000);
    while (socket.state() == QAbstractSocket::ConnectedState && !deadline.hasExpired()) {
        got += socket.readAll();
        socket.waitForReadyRead(200);
    }
    got += socket.readAll();
    // That response ended, by the server, and not by the idle time-out.
    QVERIFY(socket.state() != QAbstractSocket::ConnectedState);
    QVERIFY(!log.contains(QStringLiteral("idle time-out")));
    if (change == QLatin1String("shrink")) {
        QVERIFY(got.size() < size);
        QTRY_VERIFY(log.contains(QStringLiteral("reply body ended early")));
    } else if (change == QLatin1String("remove")) {
        // The open file still reads to its end: the promised bytes, all of them.
        QVERIFY(got.endsWith(QByteArray(4096, '\0')));
        QVERIFY(got.size() > size);
    } else {
        QVERIFY(got.startsWith("HTTP/1.1 404"));
    }
    QVERIFY(othersServed());
    // Every body byte that arrived (this reply's, the others' twice) went by the kernel's copy.
    QCOMPARE(HttpServer::Session::zeroCopyBytesSent() - zeroCopyBefore,
             got.size() - (got.indexOf("\r\n\r\n") + 4) + 2 * (clip.size() - 100));
}

void TestFaults::readOnlyDataFolder()
{
    // The program runs in this test's private network (and mount namespace)
    // with nothing saved and saying so; it still serves the (empty) library.
    REQUIRE_NETLAB();
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString home = root.filePath(QStringLiteral("data"));
    QVERIFY(QDir().mkpath(home));
    // Root writes into a read-only folder anyway; a read-only mount stops it too.
    QCOMPARE(::mount("tmpfs", home.toUtf8().constData(), "tmpfs", MS_RDONLY, nullptr), 0);
    const std::unique_ptr<void, std::function<void(void *)>> unmount(
        this, [&home](void *) { ::umount(home.toUtf8().constData()); });
    // Without a data folder there is no lock file and the program counts the
    // processes of its name: a name of its own keeps other copies out.
    const QString alias = root.filePath(QStringLiteral("Corvane-faults-%1").arg(QCoreApplication::applicationPid()));
    QVERIFY(QFile::link(QStringLiteral(CORVANE_BIN), alias));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home);
    env.insert(QStringLiteral("TMPDIR"), root.path());
    const QStringList before = QDir(QStringLiteral("/")).entryList(QDir::Files);
    const QByteArray rootIni = TestSupport::fileBytes(QStringLiteral("/Corvane.ini"));
    ChildProcesses children;
    QProcess *program = children.start(alias, {}, env);
    QVERIFY(program);
    // The program sees this namespace's table too.
    const quint16 port = ServerPort::choose(ServerPort::kFirstPort);
    CurlResult list;
    for (int i = 0; i < 600 && list.status() != 200 && program->state() == QProcess::Running; ++i) {
        QTest::qWait(100);
        list = curl(port, QStringLiteral("/list"), {}, 5);
    }
    QCOMPARE(list.status(), 200);
    QCOMPARE(list.body, QByteArray("{}")); // no library, as at a first start
    QCOMPARE(program->state(), QProcess::Running);
    program->terminate();
    QVERIFY(TestSupport::ended(program));
    // The same folder here: a setting and a library rewrite fail, and
    // nothing lands at the root of the file system instead.
    const QByteArray savedHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", home.toUtf8());
    AppSettings::instance()->setServerPort(4321);
    const auto library = libraryOf(m_video, false);
    QStringList texts;
    const bool rewritten = VideoLibraryFile().rewrite(library->records, &texts);
    qputenv("XDG_DATA_HOME", savedHome);
    QVERIFY(!rewritten);
    QCOMPARE(QDir(QStringLiteral("/")).entryList(QDir::Files), before);
    QCOMPARE(TestSupport::fileBytes(QStringLiteral("/Corvane.ini")), rootIni);
    const QString said = QString::fromLocal8Bit(program->readAllStandardError());
    QVERIFY2(said.contains(QStringLiteral("nothing (library, settings, posters) is saved")), qPrintable(said));
}

int main(int argc, char **argv)
{
    if (argc >= 4 && std::strcmp(argv[1], "--rewrite-loop") == 0)
        return rewriteLoop(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (argc >= 3 && std::strcmp(argv[1], "--delete-limited") == 0)
        return deleteLimited(1, argv, QString::fromLocal8Bit(argv[2]));
    NetLab::isolate();
    // Every file this process writes lands under this folder.
    QTemporaryDir dataHome;
    if (!dataHome.isValid())
        return 2;
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    QApplication app(argc, argv);
    TestFaults tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_faults.moc"
