// The settings store on real files in a temporary data folder.

#include "settings/appsettings.h"
#include "settings/session.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include "logcapture.h"
#include "processes.h"

#include <memory>
#include <unistd.h>

namespace {

// Makes a folder unwritable, also for root (immutable flag), and undoes it
// when it goes out of scope so the temporary folder can be removed.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(const QString &path) : m_path(path)
    {
        if (geteuid() == 0) {
            m_immutable = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), m_path}) == 0;
            m_ok = m_immutable;
        } else {
            m_ok = QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ExeOwner);
        }
    }
    ~ReadOnlyFolder()
    {
        if (m_immutable)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), m_path});
        else
            QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    bool ok() const { return m_ok; }

private:
    QString m_path;
    bool m_ok = false;
    bool m_immutable = false;
};

QVariant readKey(const QString &key)
{
    const AppSettings *s = AppSettings::instance();
    if (key == QLatin1String("serverPort")) return s->serverPort();
    if (key == QLatin1String("UDPPort")) return s->UDPPort();
    if (key == QLatin1String("HandleMax")) return s->HandleMax();
    if (key == QLatin1String("localVersion")) return s->localVersion();
    if (key == QLatin1String("localVersionflg")) return s->localVersionflg();
    if (key == QLatin1String("outTime")) return s->outTime();
    if (key == QLatin1String("language")) return s->language();
    if (key == QLatin1String("serverIp")) return s->serverIp();
    if (key == QLatin1String("dlna")) return s->dlnaEnabled();
    return QVariant();
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void dataPathIsCreated();
    void dataPathFailure_data();
    void dataPathFailure();
    void defaultsWithoutFile_data();
    void defaultsWithoutFile();
    void valuesFromFile_data();
    void valuesFromFile();
    void nonNumericHandleMaxReadsZero();
    void readingClamped_data();
    void readingClamped();
    void languageSkipsExistenceTest();
    void editedValueTakesEffectAtNextRead();
    void serverPortWrite();
    void copyConfigFile_data();
    void copyConfigFile();
    void translationFileName_data();
    void translationFileName();
    void loadTranslatorReplaces();
    void appDirFile();

private:
    QString dataPath() const { return m_dir->path() + QStringLiteral("/xdg/NuvoVR/Brindlecast"); }
    QString iniPath() const { return dataPath() + QStringLiteral("/Corvane.ini"); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSettings::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir->path() + QStringLiteral("/xdg")));
}

void TestSettings::cleanup()
{
    m_dir.reset();
}

void TestSettings::dataPathIsCreated()
{
    QVERIFY(!QFileInfo::exists(dataPath()));
    QCOMPARE(Session::instance()->getDataPath(), dataPath());
    QVERIFY(QFileInfo(dataPath()).isDir());
    // A second call finds the folders there.
    QCOMPARE(Session::instance()->getDataPath(), dataPath());
}

void TestSettings::dataPathFailure_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("data home below a regular file") << "file";
    QTest::newRow("data home in a read-only folder") << "readonly";
}

void TestSettings::dataPathFailure()
{
    QFETCH(QString, kind);
    std::unique_ptr<ReadOnlyFolder> readOnly;
    if (kind == QLatin1String("file")) {
        const QString file = m_dir->filePath(QStringLiteral("plain"));
        QVERIFY(TestSupport::writeFile(file, "not a folder"));
        qputenv("XDG_DATA_HOME", QFile::encodeName(file + QStringLiteral("/below")));
    } else {
        const QString folder = m_dir->filePath(QStringLiteral("locked"));
        QVERIFY(QDir().mkdir(folder));
        readOnly.reset(new ReadOnlyFolder(folder));
        if (!readOnly->ok())
            QSKIP("cannot make a folder read-only here");
        qputenv("XDG_DATA_HOME", QFile::encodeName(folder + QStringLiteral("/xdg")));
    }
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^getDataPath: cannot create folder")));
    QCOMPARE(Session::instance()->getDataPath(), QString());
    if (QFileInfo::exists(QStringLiteral("/Corvane.ini")))
        return; // the fallback path names a real file on this machine
    // Every getter answers its default then (the path is "/Corvane.ini").
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^getDataPath: cannot create folder")));
    QCOMPARE(AppSettings::instance()->outTime(), 10);
}

void TestSettings::defaultsWithoutFile_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("serverPort") << "serverPort" << QVariant(0);
    QTest::newRow("UDPPort") << "UDPPort" << QVariant(9090);
    QTest::newRow("HandleMax") << "HandleMax" << QVariant(5);
    QTest::newRow("localVersion") << "localVersion" << QVariant(QStringLiteral("2.3.0.0"));
    QTest::newRow("localVersionflg") << "localVersionflg" << QVariant(0);
    QTest::newRow("outTime") << "outTime" << QVariant(10);
    QTest::newRow("language") << "language" << QVariant(QStringLiteral("cn"));
    QTest::newRow("serverIp") << "serverIp" << QVariant(QStringLiteral("https://update.nuvovr.example/api"));
    QTest::newRow("dlna") << "dlna" << QVariant(true);
}

void TestSettings::defaultsWithoutFile()
{
    QFETCH(QString, key);
    QFETCH(QVariant, expected);
    QCOMPARE(readKey(key), expected);
    // Reading creates the data folder, never the settings file.
    QVERIFY(QFileInfo(dataPath()).isDir());
    QVERIFY(!QFileInfo::exists(iniPath()));
}

void TestSettings::valuesFromFile_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("serverPort") << "serverPort" << QByteArray("9003") << QVariant(9003);
    QTest::newRow("UDPPort") << "UDPPort" << QByteArray("9191") << QVariant(9191);
    QTest::newRow("HandleMax") << "HandleMax" << QByteArray("12") << QVariant(12);
    QTest::newRow("localVersion") << "localVersion" << QByteArray("2.4.1.7") << QVariant(QStringLiteral("2.4.1.7"));
    QTest::newRow("localVersionflg") << "localVersionflg" << QByteArray("1") << QVariant(1);
    QTest::newRow("outTime") << "outTime" << QByteArray("3") << QVariant(3);
    QTest::newRow("language") << "language" << QByteArray("us") << QVariant(QStringLiteral("us"));
    QTest::newRow("serverIp") << "serverIp" << QByteArray("http://127.0.0.1:9/api") << QVariant(QStringLiteral("http://127.0.0.1:9/api"));
    QTest::newRow("dlna off") << "dlna" << QByteArray("0") << QVariant(false);
    QTest::newRow("key missing from the file") << "HandleMax" << QByteArray() << QVariant(5);
}

void TestSettings::valuesFromFile()
{
    QFETCH(QString, key);
    QFETCH(QByteArray, text);
    QFETCH(QVariant, expected);
    QVERIFY(QDir().mkpath(dataPath()));
    const QByteArray line = text.isEmpty() ? QByteArray("other=1") : key.toLatin1() + '=' + text;
    QVERIFY(TestSupport::writeFile(iniPath(), "[General]\n" + line + "\n"));
    QCOMPARE(readKey(key), expected);
}

void TestSettings::nonNumericHandleMaxReadsZero()
{
    QVERIFY(QDir().mkpath(dataPath()));
    QVERIFY(TestSupport::writeFile(iniPath(), "[General]\nHandleMax=5x\n"));
    QCOMPARE(AppSettings::instance()->HandleMax(), 0);
}

void TestSettings::readingClamped_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("logged");
    const QString outTime = QStringLiteral("outTime");
    const QString udp = QStringLiteral("UDPPort");
    QTest::newRow("outTime highest") << outTime << QByteArray("120") << 120 << false;
    QTest::newRow("outTime zero") << outTime << QByteArray("0") << 1 << true;
    QTest::newRow("outTime negative") << outTime << QByteArray("-5") << 1 << true;
    QTest::newRow("outTime above the range") << outTime << QByteArray("121") << 120 << true;
    QTest::newRow("outTime overflows milliseconds") << outTime << QByteArray("2147484") << 120 << true;
    QTest::newRow("outTime beyond int") << outTime << QByteArray("4294967297") << 120 << true;
    QTest::newRow("outTime not a number") << outTime << QByteArray("ten") << 10 << true;
    QTest::newRow("announce port highest") << udp << QByteArray("65535") << 65535 << false;
    QTest::newRow("announce port zero") << udp << QByteArray("0") << 9090 << true;
    QTest::newRow("announce port past 65535") << udp << QByteArray("65536") << 9090 << true;
}

void TestSettings::readingClamped()
{
    QFETCH(QString, key);
    QFETCH(QByteArray, text);
    QFETCH(bool, logged);
    QVERIFY(QDir().mkpath(dataPath()));
    QVERIFY(TestSupport::writeFile(iniPath(), "[General]\n" + key.toLatin1() + '=' + text + "\n"));
    LogCapture log(LogCapture::Echo::None);
    AppSettings *s = AppSettings::instance();
    QTEST(key == QLatin1String("outTime") ? s->outTime() : int(s->announcePort()), "expected");
    QCOMPARE(log.count(QtWarningMsg, key), logged ? 1 : 0);
}

void TestSettings::languageSkipsExistenceTest()
{
    // QSettings objects on one path share their data inside a process. With
    // values set but not yet on disk, a getter that tests for the file first
    // answers its default, while language, read without that test, sees them.
    QVERIFY(QDir().mkpath(dataPath()));
    QSettings pending(iniPath(), QSettings::IniFormat);
    pending.setValue(QStringLiteral("outTime"), 3);
    pending.setValue(QStringLiteral("language"), QStringLiteral("fr"));
    QVERIFY(!QFileInfo::exists(iniPath()));
    QCOMPARE(AppSettings::instance()->outTime(), 10);
    QCOMPARE(AppSettings::instance()->language(), QStringLiteral("fr"));
}

void TestSettings::editedValueTakesEffectAtNextRead()
{
    QVERIFY(QDir().mkpath(dataPath()));
    QVERIFY(TestSupport::writeFile(iniPath(), "[General]\nlanguage=cn\n"));
    QCOMPARE(AppSettings::instance()->language(), QStringLiteral("cn"));
    // An edit by hand, a while later (same size: only the time tells).
    QVERIFY(TestSupport::writeFile(iniPath(), "[General]\nlanguage=us\n"));
    QFile edited(iniPath());
    QVERIFY(edited.open(QIODevice::ReadWrite));
    QVERIFY(edited.setFileTime(QFileInfo(iniPath()).lastModified().addSecs(5), QFileDevice::FileModificationTime));
    edited.close();
    QCOMPARE(AppSettings::instance()->language(), QStringLiteral("us"));
    QCOMPARE(AppSettings::instance()->outTime(), 10);
}

void TestSettings::serverPortWrite()
{
    AppSettings::instance()->setServerPort(9004);
    QVERIFY(QFileInfo::exists(iniPath()));
    QCOMPARE(AppSettings::instance()->serverPort(), 9004);
    QSettings check(iniPath(), QSettings::IniFormat);
    QCOMPARE(check.allKeys(), QStringList{QStringLiteral("serverPort")});
}

void TestSettings::copyConfigFile_data()
{
    QTest::addColumn<int>("flag");            // localVersionflg in the user's file; -1: no user file
    QTest::addColumn<QString>("source");      // "shipped", "missing", "same" (equal to the target folder)
    QTest::addColumn<QString>("target");      // "data", "fresh", "below-file", "read-only", "is-folder", "backslashes"
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("language");    // language in the target file afterwards; empty: no file

    QTest::newRow("first start: copied into the data folder") << -1 << "shipped" << "data" << true << "us";
    QTest::newRow("existing file replaced (flag 0)") << 0 << "shipped" << "data" << true << "us";
    QTest::newRow("existing file kept (flag 1)") << 1 << "shipped" << "data" << true << "jp";
    QTest::newRow("missing source") << -1 << "missing" << "fresh" << false << "";
    QTest::newRow("missing source, existing user file untouched") << 0 << "missing" << "data" << false << "jp";
    QTest::newRow("source equal to the target folder") << -1 << "same" << "fresh" << true << "";
    QTest::newRow("fresh folders created piece by piece") << -1 << "shipped" << "fresh" << true << "us";
    QTest::newRow("backslash separators") << -1 << "shipped" << "backslashes" << true << "us";
    QTest::newRow("folder cannot be created") << -1 << "shipped" << "below-file" << false << "";
    QTest::newRow("target folder read-only") << -1 << "shipped" << "read-only" << false << "";
    QTest::newRow("target name taken by a folder") << -1 << "shipped" << "is-folder" << false << "";
}

void TestSettings::copyConfigFile()
{
    QFETCH(int, flag);
    QFETCH(QString, source);
    QFETCH(QString, target);
    QFETCH(bool, result);
    QFETCH(QString, language);

    QVERIFY(QDir().mkpath(dataPath()));
    if (flag >= 0)
        QVERIFY(TestSupport::writeFile(iniPath(), QStringLiteral("[General]\nlanguage=jp\nlocalVersionflg=%1\n").arg(flag).toLatin1()));

    const QString shipped = m_dir->filePath(QStringLiteral("app/Corvane.ini"));
    QVERIFY(QDir().mkpath(m_dir->filePath(QStringLiteral("app"))));
    QVERIFY(TestSupport::writeFile(shipped, "[General]\nlanguage=us\noutTime=7\n"));

    QString folder;
    QString targetFile;
    std::unique_ptr<ReadOnlyFolder> readOnly;
    if (target == QLatin1String("data")) {
        folder = dataPath();
    } else if (target == QLatin1String("fresh")) {
        folder = m_dir->filePath(QStringLiteral("new/deeper/target"));
    } else if (target == QLatin1String("backslashes")) {
        folder = m_dir->filePath(QStringLiteral("new\\with\\backslashes"));
        targetFile = m_dir->filePath(QStringLiteral("new/with/backslashes/Corvane.ini"));
    } else if (target == QLatin1String("below-file")) {
        QVERIFY(TestSupport::writeFile(m_dir->filePath(QStringLiteral("plain")), "x"));
        folder = m_dir->filePath(QStringLiteral("plain/target"));
    } else if (target == QLatin1String("read-only")) {
        folder = m_dir->filePath(QStringLiteral("locked"));
        QVERIFY(QDir().mkdir(folder));
        readOnly.reset(new ReadOnlyFolder(folder));
        if (!readOnly->ok())
            QSKIP("cannot make a folder read-only here");
    } else if (target == QLatin1String("is-folder")) {
        folder = m_dir->filePath(QStringLiteral("taken"));
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/Corvane.ini")));
    }
    if (targetFile.isEmpty())
        targetFile = folder + QStringLiteral("/Corvane.ini");

    QString sourceFile = shipped;
    if (source == QLatin1String("missing"))
        sourceFile = m_dir->filePath(QStringLiteral("app/absent.ini"));
    else if (source == QLatin1String("same"))
        sourceFile = folder;

    if (!result)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^copyConfigFile: ")));
    QCOMPARE(AppSettings::instance()->copyConfigFile(sourceFile, folder), result);

    // The result is stored in the user's settings file.
    QSettings stored(iniPath(), QSettings::IniFormat);
    QCOMPARE(stored.value(QStringLiteral("coverFileIfExist")).toString(), result ? QStringLiteral("true") : QStringLiteral("false"));
    QVERIFY(TestSupport::fileBytes(iniPath()).contains(result ? "coverFileIfExist=true" : "coverFileIfExist=false"));

    if (language.isEmpty()) {
        QVERIFY(!QFileInfo(targetFile).isFile());
    } else {
        QVERIFY(QFileInfo(targetFile).isFile());
        QSettings copied(targetFile, QSettings::IniFormat);
        QCOMPARE(copied.value(QStringLiteral("language")).toString(), language);
        if (language == QLatin1String("us"))
            QCOMPARE(copied.value(QStringLiteral("outTime")).toInt(), 7);
    }
    if (source == QLatin1String("missing") && flag < 0) {
        // Only the result key was written.
        QCOMPARE(stored.allKeys(), QStringList{QStringLiteral("coverFileIfExist")});
    }
    // The shipped file itself is never changed.
    QCOMPARE(TestSupport::fileBytes(shipped), QByteArray("[General]\nlanguage=us\noutTime=7\n"));
}

void TestSettings::translationFileName_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("file");
    const char *const table[][2] = {
        {"cn", "corvane_zh.qm"}, {"us", "corvane_en.qm"}, {"jp", "corvane_ja.qm"}, {"fr", "corvane_fr.qm"},
        {"it", "corvane_it.qm"}, {"de", "corvane_de.qm"}, {"es", "corvane_es.qm"}, {"ko", "corvane_ko.qm"},
        {"pt-PT", "corvane_pt-PT.qm"}, {"ru", "corvane_ru.qm"}, {"th", "corvane_th.qm"},
        {"zh-HK", "corvane_zh-HK.qm"}, {"zh-TW", "corvane_zh-TW.qm"},
        {"US", "corvane_zh.qm"}, {"en", "corvane_zh.qm"}, {"", "corvane_zh.qm"}, {"pt", "corvane_zh.qm"},
    };
    for (const auto &row : table)
        QTest::newRow(*row[0] ? row[0] : "(empty)") << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1]);
}

void TestSettings::translationFileName()
{
    QFETCH(QString, code);
    QFETCH(QString, file);
    QCOMPARE(Session::translationFileName(code), file);
}

void TestSettings::loadTranslatorReplaces()
{
    Session *session = Session::instance();
    session->loadTranslator(QStringLiteral("us"));
    QPointer<QTranslator> first = session->translator();
    QVERIFY(first);
    QCOMPARE(first->parent(), session);
    const QString path = session->appDirFile(QStringLiteral("translation")) + QDir::separator() + QStringLiteral("corvane_en.qm");
    // The build puts the English catalogue beside the program whenever the
    // tree has one, and then it is loaded.
    const bool inTree = QFileInfo::exists(QStringLiteral(CORVANE_SOURCE_DIR "/translations/corvane_en.ts"));
    QCOMPARE(QFileInfo::exists(path), inTree);
    if (inTree)
        QVERIFY(!first->isEmpty());

    session->loadTranslator(QStringLiteral("no-such-code"));
    QVERIFY(first.isNull()); // the previous one is removed and deleted
    QVERIFY(session->translator());
    QVERIFY(session->translator() != first.data());
}

void TestSettings::appDirFile()
{
    QCOMPARE(Session::instance()->appDirFile(QStringLiteral("qss")),
             QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QStringLiteral("/qss")));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
