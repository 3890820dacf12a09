// The language setting at work with the real compiled catalogues: the main
// window, built for real in network namespaces of its own (it broadcasts),
// speaks the language of its data folder's Corvane.ini, keeps it while the
// setting changes, takes the new one at its next start, and shows the fixed-
// size texts whole. The executable lives in a folder of its own with a copy
// of the build's translation/, so a case may take a catalogue away.

#include "library/homepage.h"
#include "library/confirmdelete.h"
#include "dialogs/myexit.h"
#include "shell/corvane.h"
#include "shell/mainwidget.h"

#include "netlab.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

class TestTranslator : public QObject
{
    Q_OBJECT
private slots:
    void languageAtEachStart_data();
    void languageAtEachStart();
};

namespace {
void setLanguage(const QString &code)
{
    QSettings ini(qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/NuvoVR/Brindlecast/Corvane.ini"), QSettings::IniFormat);
    ini.setValue(QStringLiteral("language"), code);
    ini.setValue(QStringLiteral("serverIp"), QStringLiteral("http://127.0.0.1:9/api"));
}

// Shows the window's fixed-size texts and checks each is whole: as wide (or,
// wrapped, as tall) as Qt says it needs.
void checkTextsWhole(Corvane &window)
{
    MainWidget *pages = window.findChild<MainWidget *>();
    pages->homePage()->slotDelVideoFile(); // shows "All"
    pages->exitDialog()->show();
    pages->confirmDelete()->show();
    window.show();
    QTest::qWait(50); // the fitting of newly shown texts is queued
    for (QWidget *top : {static_cast<QWidget *>(&window), static_cast<QWidget *>(pages->exitDialog()),
                         static_cast<QWidget *>(pages->confirmDelete())}) {
        for (QWidget *w : top->findChildren<QWidget *>(QRegularExpression(QStringLiteral("^(tB_|pb_(?!All)|label_hint|label_all)")))) {
            const bool whole = w->hasHeightForWidth() ? w->heightForWidth(w->width()) <= w->height()
                                                      : w->sizeHint().width() <= w->width();
            QVERIFY2(w->isVisible() && whole, qPrintable(w->objectName() + QStringLiteral(": ") + w->property("text").toString()));
        }
    }
}
} // namespace

void TestTranslator::languageAtEachStart_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("removed"); // its catalogue taken away before the start
    QTest::addColumn<QString>("home");
    const char *const rows[][3] = {{"us", "", "Home"},       {"cn", "", "首页"},     {"jp", "", "ホーム"},
                                   {"ko", "", "홈"},          {"th", "", "หน้าหลัก"}, {"ru", "", "Главная"},
                                   {"de", "", "Start"},      {"it", "", "Home"},    {"es", "", "Inicio"},
                                   {"pt-PT", "", "Início"},  {"zh-TW", "", "首頁"},   {"zh-HK", "", "主頁"},
                                   {"US", "", "首页"},        {"pt-PT", "x", "home   "}};
    for (const auto &row : rows)
        QTest::newRow(qPrintable(QString::fromUtf8(row[0]) + QLatin1String(row[1])))
            << QString::fromUtf8(row[0]) << bool(*row[1]) << QString::fromUtf8(row[2]);
}

void TestTranslator::languageAtEachStart()
{
    REQUIRE_NETLAB();
    QFETCH(QString, code);
    QFETCH(bool, removed);
    QFETCH(QString, home);
    QDir mine(QCoreApplication::applicationDirPath() + QStringLiteral("/translation"));
    const QDir built(QStringLiteral(CORVANE_APP_DIR "/translation"));
    QVERIFY(mine != built && mine.removeRecursively() && QDir().mkpath(mine.path()));
    const QStringList catalogues = built.entryList({QStringLiteral("corvane_*.qm")});
    QCOMPARE(catalogues.size(), 13);
    for (const QString &file : catalogues)
        QVERIFY(QFile::copy(built.filePath(file), mine.filePath(file)));
    if (removed)
        QVERIFY(QFile::remove(mine.filePath(QStringLiteral("corvane_pt-PT.qm"))));
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    setLanguage(code);
    {
        Corvane window;
        QCOMPARE(window.findChild<QToolButton *>(QStringLiteral("tB_home"))->text(), home);
        checkTextsWhole(window);
        setLanguage(QStringLiteral("fr")); // changes nothing while running
        QTest::qWait(20);
        QCOMPARE(window.findChild<QToolButton *>(QStringLiteral("tB_home"))->text(), home);
    }
    Corvane next; // ... until the next start
    QCOMPARE(next.findChild<QToolButton *>(QStringLiteral("tB_home"))->text(), QStringLiteral("Accueil"));
    QCOMPARE(QCoreApplication::translate("HomePage", "add video"), QStringLiteral("Ajouter des vidéos"));
}

NETLAB_TEST_MAIN(TestTranslator, QApplication)
#include "tst_translator.moc"
