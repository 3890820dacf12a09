// The main window (in network namespaces of its own: it broadcasts) with the real
// catalogues, copied beside this executable: the language of each start, texts whole.

#include "dialogs/myexit.h"
#include "library/confirmdelete.h"
#include "library/homepage.h"
#include "netlab.h"
#include "shell/corvane.h"
#include "shell/mainwidget.h"
#include <QApplication>
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

static void setLanguage(const QString &code)
{
    QSettings(qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/NuvoVR/Brindlecast/Corvane.ini"), QSettings::IniFormat)
        .setValue(QStringLiteral("language"), code);
}

void TestTranslator::languageAtEachStart_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("removed"); // a catalogue taken away before the start
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("qtText"); // Qt's own file dialog, from the system's Qt catalogue
    const char *const rows[][4] = {{"us", "", "Home", "File &name:"}, {"cn", "", "首页", "文件名称(&N)："},
        {"jp", "", "ホーム", "ファイル名(&N):"}, {"ko", "", "홈", "파일 이름(&N):"}, {"th", "", "หน้าหลัก", "File &name:"},
        {"ru", "", "Главная", "&Имя файла:"}, {"de", "", "Start", "Datei&name:"}, {"it", "", "Home", "&Nome del file:"},
        {"es", "", "Inicio", "&Nombre de fichero:"}, {"pt-PT", "", "Início", "&Nome do Ficheiro:"},
        {"zh-TW", "", "首頁", "檔名(&N)："}, {"zh-HK", "", "主頁", "檔名(&N)："}, {"US", "", "首页", "文件名称(&N)："},
        {"pt-PT", "corvane_pt-PT.qm", "home   ", "File &name:"}};
    for (const auto &row : rows)
        QTest::newRow(qPrintable(QString::fromUtf8(row[0]) + QLatin1String(row[1])))
            << QString::fromUtf8(row[0]) << QString::fromUtf8(row[1]) << QString::fromUtf8(row[2])
            << QString::fromUtf8(row[3]);
}

void TestTranslator::languageAtEachStart()
{
    REQUIRE_NETLAB();
    QFETCH(QString, code); QFETCH(QString, removed); QFETCH(QString, home); QFETCH(QString, qtText);
    QDir mine(QCoreApplication::applicationDirPath() + QStringLiteral("/translation"));
    const QDir built(QStringLiteral(CORVANE_APP_DIR "/translation"));
    QVERIFY(mine != built && mine.removeRecursively() && QDir().mkpath(mine.path()));
    QCOMPARE(built.entryList({QStringLiteral("corvane_*.qm")}).size(), 13);
    for (const QString &file : built.entryList({QStringLiteral("corvane_*.qm")}))
        QVERIFY(file == removed || QFile::copy(built.filePath(file), mine.filePath(file)));
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    setLanguage(code);
    {
        Corvane window;
        MainWidget *pages = window.findChild<MainWidget *>();
        QCOMPARE(window.findChild<QToolButton *>(QStringLiteral("tB_home"))->text(), home);
        QCOMPARE(QCoreApplication::translate("QFileDialog", "File &name:"), qtText);
        // The fixed-size texts, shown: as wide (wrapped: as tall) as Qt says they need.
        pages->homePage()->slotDelVideoFile();
        for (QWidget *top : std::initializer_list<QWidget *>{&window, pages->exitDialog(), pages->confirmDelete()})
            top->show();
        QTest::qWait(50);
        for (QWidget *top : std::initializer_list<QWidget *>{&window, pages->exitDialog(), pages->confirmDelete()}) {
            for (QWidget *w : top->findChildren<QWidget *>(QRegularExpression(QStringLiteral("^(tB_|pb_(?!All)|label_hint|label_all)")))) {
                const bool whole = w->hasHeightForWidth() ? w->heightForWidth(w->width()) <= w->height()
                                                          : w->sizeHint().width() <= w->width();
                QVERIFY2(w->isVisible() && whole, qPrintable(w->objectName() + w->property("text").toString()));
            }
        }
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
