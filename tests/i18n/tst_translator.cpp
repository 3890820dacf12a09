// The language setting at work with the real compiled catalogues. The main
// window is built for real (in network namespaces of its own: it broadcasts)
// from a data folder whose Corvane.ini names the language. This executable
// lives in a folder of its own with a copy of the build's translation/, so a
// case may take a catalogue away without touching the program's.

#include "shell/corvane.h"

#include "netlab.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

class TestTranslator : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void languageOfTheSettingAtEachStart_data();
    void languageOfTheSettingAtEachStart();

private:
    QDir translations() const { return QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/translation")); }
    void setLanguage(const QString &code)
    {
        QSettings ini(dataDir->filePath(QStringLiteral("NuvoVR/Brindlecast/Corvane.ini")), QSettings::IniFormat);
        ini.setValue(QStringLiteral("language"), code);
        ini.setValue(QStringLiteral("serverIp"), QStringLiteral("http://127.0.0.1:9/api"));
        ini.setValue(QStringLiteral("outTime"), 1);
    }
    QString homeText(const Corvane &window) const
    {
        return window.findChild<QToolButton *>(QStringLiteral("tB_home"))->text();
    }

    std::unique_ptr<QTemporaryDir> dataDir;
};

void TestTranslator::initTestCase()
{
    REQUIRE_NETLAB();
    QVERIFY(QCoreApplication::applicationDirPath() != QStringLiteral(CORVANE_APP_DIR));
}

void TestTranslator::init()
{
    // Each case starts from the build's thirteen compiled catalogues.
    QVERIFY(translations().removeRecursively() && QDir().mkpath(translations().path()));
    const QDir built(QStringLiteral(CORVANE_APP_DIR "/translation"));
    const QStringList catalogues = built.entryList({QStringLiteral("corvane_*.qm")}, QDir::Files);
    QCOMPARE(catalogues.size(), 13);
    for (const QString &file : catalogues)
        QVERIFY(QFile::copy(built.filePath(file), translations().filePath(file)));
    dataDir = std::make_unique<QTemporaryDir>();
    QVERIFY(dataDir->isValid());
    qputenv("XDG_DATA_HOME", dataDir->path().toUtf8());
    QVERIFY(QDir().mkpath(dataDir->filePath(QStringLiteral("NuvoVR/Brindlecast"))));
}

void TestTranslator::languageOfTheSettingAtEachStart_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("removed"); // catalogue taken away before the start
    QTest::addColumn<QString>("home");    // the home entry's text at that start
    const char *const rows[][3] = {
        {"us", "", "Home   "},       {"cn", "", "首页   "},        {"jp", "", "ホーム   "},
        {"ko", "", "홈   "},          {"th", "", "หน้าหลัก   "},   {"ru", "", "Главная   "},
        {"de", "", "Start   "},      {"pt-PT", "", "Início   "},  {"zh-TW", "", "首頁   "},
        {"zh-HK", "", "主頁   "},     {"US", "", "首页   "},        {"pt-PT", "corvane_pt-PT.qm", "home   "},
    };
    for (const auto &row : rows) {
        QTest::newRow(qPrintable(QString::fromUtf8(row[0]) + (*row[1] ? QStringLiteral(" without file") : QString())))
            << QString::fromUtf8(row[0]) << QString::fromUtf8(row[1]) << QString::fromUtf8(row[2]);
    }
}

void TestTranslator::languageOfTheSettingAtEachStart()
{
    QFETCH(QString, code);
    QFETCH(QString, removed);
    QFETCH(QString, home);
    if (!removed.isEmpty())
        QVERIFY(translations().remove(removed));
    setLanguage(code);
    QString addVideo;
    {
        Corvane window;
        QCOMPARE(homeText(window), home);
        addVideo = QCoreApplication::translate("HomePage", "add video");
        // Whole catalogues: texts of other contexts follow the same language.
        QCOMPARE(addVideo == QLatin1String("add video"), home == QLatin1String("home   "));

        // A change while the program runs changes nothing.
        setLanguage(QStringLiteral("fr"));
        QTest::qWait(50);
        QCOMPARE(homeText(window), home);
        QCOMPARE(QCoreApplication::translate("HomePage", "add video"), addVideo);
    }
    // ... until the next start.
    Corvane again;
    QCOMPARE(homeText(again), QStringLiteral("Accueil   "));
    QCOMPARE(QCoreApplication::translate("HomePage", "add video"), QStringLiteral("Ajouter des vidéos"));
}

NETLAB_TEST_MAIN(TestTranslator, QApplication)
#include "tst_translator.moc"
