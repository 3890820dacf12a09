// The online side of the shell against tools/webapi.py on 127.0.0.1 inside
// the test's own network namespace: the start-up check, the guide and about
// pages, the update dialog's failures, and, in child processes of this same
// executable, the paths that end the program.

#include "dialogs/prompt.h"
#include "online/aboutus.h"
#include "online/nuvohomeupdatedesc.h"
#include "online/opensourcedialog.h"
#include "online/updatefiles.h"
#include "online/userguide.h"
#include "online/versioninfo.h"
#include "shell/corvane.h"

#include "logcapture.h"
#include "netlab.h"
#include "webapi.h"

#include <QApplication>
#include <QDirIterator>
#include <QLabel>
#include <QNetworkReply>
#include <QPushButton>
#include <QSysInfo>
#include <QTextBrowser>
#include <QtTest>

#include <cstdlib>
#include <functional>
#include <unistd.h>

namespace {
// Calls fn for each visible top-level widget every 20 ms, also inside the
// nested event loops of exec().
struct Pump
{
    QTimer timer;
    explicit Pump(std::function<void(QWidget *)> fn)
    {
        QObject::connect(&timer, &QTimer::timeout, [fn] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->isVisible())
                    fn(w);
        });
        timer.start(20);
    }
};

template <typename T> T *child(QWidget *w, const char *name) { return w->findChild<T *>(QLatin1String(name)); }

// Child: builds the main window; the start-up dialog is answered with action.
int runChild(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QByteArray action = argv[2];
    bool done = false;
    Pump pump([&](QWidget *w) {
        auto *dialog = qobject_cast<NuvoHomeUpdateDesc *>(w);
        if (!dialog || done)
            return;
        done = true;
        printf("cancel text: %s\n", qPrintable(child<QPushButton>(dialog, "BNCancel")->text()));
        fflush(stdout);
        if (action == "escape")
            QTest::keyClick(dialog, Qt::Key_Escape);
        else
            child<QPushButton>(dialog, action == "update" ? "BNUpdate" : action == "close" ? "pushButtonClose" : "BNCancel")->click();
    });
    Corvane window;
    return done ? 3 : 4; // the program went on past the dialog
}
} // namespace

class TestOnlineUi : public QObject
{
    Q_OBJECT
    QTemporaryDir data;
    WebApi api;
    FaqKeys keys;

private slots:
    void initTestCase()
    {
        if (!NetLab::isolated())
            QSKIP(qPrintable(NetLab::whyNotIsolated()));
        qputenv("XDG_DATA_HOME", data.path().toUtf8());
        writeOnlineSettings(api.base(), 1);
        keys.base = api.base();
        QCoreApplication::installTranslator(&keys);
    }
    void cleanup() { api.stop(); }

    // The cases up to startupWithOffer share the process-wide online facade, in this order.
    void startupWithServerUnreachable()
    {
        Corvane window;
        QVERIFY(window.serverPort() != 0);
        QVERIFY(httpGet(window.serverPort(), QStringLiteral("/list")).contains(" 200 "));
    }

    void guideOfflineThenRetry()
    {
        UserGuide page;
        page.show();
        page.loadGuide();
        QVERIFY(page.isOffline() && !page.isLoaded());
        QCOMPARE(child<QLabel>(&page, "lbOffline")->text(), QStringLiteral("no net"));
        QVERIFY(api.start());
        QTest::mouseClick(child<QPushButton>(&page, "pbOffline"), Qt::LeftButton);
        QVERIFY(page.isLoaded() && !page.isOffline());
        QVERIFY(page.guideText().contains(QLatin1String("(domestic)")));
    }

    void aboutPage()
    {
        AboutUs page;
        page.show();
        QCOMPARE(child<QLabel>(&page, "labelGameTitle2")->text(), QStringLiteral("Current version:2.3.0.0C"));
        auto *did = child<QLabel>(&page, "labelDid");
        QVERIFY(did->isHidden());
        QTest::mouseDClick(&page, Qt::LeftButton);
        QTest::mouseClick(&page, Qt::LeftButton);
        QVERIFY(did->isVisible());
        QCOMPARE(did->text(), QString::fromLatin1(QSysInfo::machineUniqueId()));

        QStringList shown;
        Pump pump([&](QWidget *w) {
            if (auto *prompt = qobject_cast<Prompt *>(w)) {
                shown << prompt->promptText();
                prompt->reject();
            } else if (auto *dialog = qobject_cast<NuvoHomeUpdateDesc *>(w)) {
                shown << child<QLabel>(dialog, "labeltitle")->text() + QLatin1Char('|') + child<QLabel>(dialog, "label_2")->text();
                dialog->reject();
            }
        });
        auto *check = child<QPushButton>(&page, "pushButtonVersionDetect");
        check->click();
        QVERIFY(api.start());
        check->click();
        NuvoHomeUpdateDesc *dialog = page.updateDialog();
        check->click();
        QCOMPARE(page.updateDialog(), dialog);
        const QString offer = QStringLiteral("latest version: 2.4.0.0|Faster start\nFixes\n");
        QCOMPARE(shown, (QStringList{QStringLiteral("net error"), offer, offer}));
        QCOMPARE(api.requests(QStringLiteral("checkupdate")), 1);

        QTest::mouseClick(child<QLabel>(&page, "lb_openSource"), Qt::LeftButton);
        QVERIFY(page.openSourceDialog() && page.openSourceDialog()->isVisible());
        const QString licences = page.openSourceDialog()->browser()->toPlainText();
        for (const char *needle : {"Qt 5", "FFmpeg", "GNU LESSER GENERAL PUBLIC LICENSE"})
            QVERIFY2(licences.contains(QLatin1String(needle)), needle);
    }

    void startupWithOffer()
    {
        LogCapture log;
        int portsChosen = -1;
        QString texts;
        Pump pump([&](QWidget *w) {
            if (auto *dialog = qobject_cast<NuvoHomeUpdateDesc *>(w)) {
                portsChosen = log.count(QtDebugMsg, QStringLiteral("Available Port"));
                texts = child<QLabel>(dialog, "labeltitle")->text() + QLatin1Char('|') + child<QPushButton>(dialog, "BNCancel")->text();
                child<QPushButton>(dialog, "BNCancel")->click();
            }
        });
        Corvane window;
        QCOMPARE(portsChosen, 0);
        QCOMPARE(texts, QStringLiteral("Latest version: 2.4.0.0|cancel"));
        QVERIFY(httpGet(window.serverPort(), QStringLiteral("/list")).contains(" 200 "));
    }

    void downloadFails_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("version");
        for (const char *mode : {"stall", "wrongsize", "halfway", "500", "404"})
            QTest::newRow(mode) << QString::fromLatin1(mode) << QStringLiteral("2.4.0.0");
        for (const char *version : {"../x", "1/2", "/../../escaped"})
            QTest::newRow(version) << QStringLiteral("ok") << QString::fromLatin1(version);
    }
    void downloadFails()
    {
        QFETCH(QString, mode);
        QFETCH(QString, version);
        QVERIFY(api.start({QStringLiteral("--installer-mode"), mode}));
        const QString folder = UpdateFiles::updateFolder();
        // Folders an unchecked version would write through.
        QDir(folder).removeRecursively();
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/NuvoUpdate1")) && QDir().mkpath(folder + QStringLiteral("/NuvoUpdate")));
        const VersionInfo record{true, version, QString(), api.base() + QStringLiteral("/download/NuvoUpdate") + version, 0};
        NuvoHomeUpdateDesc dialog;
        dialog.setVersionRecord(&record);
        dialog.setStallInterval(200);
        dialog.show();
        auto *update = child<QPushButton>(&dialog, "BNUpdate");
        update->click();
        QTRY_COMPARE(child<QLabel>(&dialog, "lbNewVersion")->text(), QStringLiteral("Update failed"));
        QVERIFY(update->isVisible() && update->isEnabled());
        QCOMPARE(update->text(), QStringLiteral("Update again"));
        const bool safe = UpdateFiles::isSafeVersion(version);
        QCOMPARE(api.requests(QStringLiteral("/download/")), safe ? 1 : 0);
        QStringList files;
        for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            files << it.next().mid(folder.size() + 1);
        QCOMPARE(files, safe ? QStringList{QStringLiteral("NuvoUpdate2.4.0.0")} : QStringList{});
        QVERIFY(!QFile::exists(folder + QStringLiteral("/../escaped")));
        // "Update again" starts from an empty folder.
        QFile stray(folder + QStringLiteral("/stray"));
        QVERIFY(stray.open(QIODevice::WriteOnly));
        stray.close();
        update->click();
        QCOMPARE(stray.exists(), !safe);
        QCOMPARE(dialog.isDownloading(), safe);
    }

    void cancelWhileFinishing_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("after the head") << "stall";
        QTest::newRow("at the last byte") << "ok";
    }
    void cancelWhileFinishing()
    {
        QFETCH(QString, mode);
        QVERIFY(api.start({QStringLiteral("--installer-mode"), mode}));
        const VersionInfo record{true, QStringLiteral("2.4.0.0"), QString(), api.base() + QStringLiteral("/download/x"), 0};
        NuvoHomeUpdateDesc dialog;
        dialog.setVersionRecord(&record);
        dialog.show();
        child<QPushButton>(&dialog, "BNUpdate")->click();
        auto *reply = dialog.findChild<QNetworkReply *>();
        QVERIFY(reply);
        bool cancelled = false;
        // Cancelling a running transfer reports "finished" at once, inside reject().
        auto cancel = [&] {
            if (cancelled)
                return;
            cancelled = true;
            dialog.reject();
            dialog.UpdateFinished(reply); // a late report of the reply just released
        };
        if (mode == QLatin1String("ok"))
            connect(reply, &QNetworkReply::downloadProgress, this, [&](qint64 got, qint64 total) {
                if (got == total)
                    cancel();
            });
        else
            connect(reply, &QNetworkReply::metaDataChanged, this, cancel);
        QTRY_VERIFY(cancelled);
        QVERIFY(!dialog.isVisible() && !dialog.isDownloading());
        QCOMPARE(child<QLabel>(&dialog, "lbNewVersion")->text(), QStringLiteral("Updating"));
    }

    void programEnds_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("forced");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("cancelText");
        QTest::newRow("good download") << "update" << 0 << 0 << "cancel";
        QTest::newRow("forced, close button") << "close" << 1 << 0 << "quit";
        QTest::newRow("forced, cancel button") << "cancel" << 1 << 0 << "quit";
        QTest::newRow("forced, Escape") << "escape" << 1 << 3 << "quit";
        QTest::newRow("optional, close button") << "close" << 0 << 3 << "cancel";
    }
    void programEnds()
    {
        QFETCH(QString, action);
        QFETCH(int, exitCode);
        QFETCH(QString, cancelText);
        QFETCH(int, forced);
        QTemporaryDir home;
        const QString record = home.filePath(QStringLiteral("installer-argument"));
        QFile script(home.filePath(QStringLiteral("installer")));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf '%s' \"$1\" > \"$CORVANE_TEST_RECORD\"\n");
        script.close();
        QVERIFY(api.start({QStringLiteral("--forced"), QString::number(forced), QStringLiteral("--installer"), script.fileName()}));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
        env.insert(QStringLiteral("CORVANE_TEST_RECORD"), record);
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
        writeOnlineSettings(api.base(), 5);
        qputenv("XDG_DATA_HOME", data.path().toUtf8());
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), action});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), exitCode);
        QVERIFY(program.readAllStandardOutput().contains("cancel text: " + cancelText.toUtf8()));
        if (action == QLatin1String("update")) {
            const QString folder = home.path() + QStringLiteral("/NuvoVR/Brindlecast/update");
            QVERIFY(QFileInfo(folder + QStringLiteral("/NuvoUpdate2.4.0.0")).isExecutable());
            QTRY_VERIFY(QFile::exists(record));
            QFile argument(record);
            QVERIFY(argument.open(QIODevice::ReadOnly));
            QCOMPARE(QString::fromUtf8(argument.readAll()), folder);
        } else {
            QCOMPARE(api.requests(QStringLiteral("/download/")), 0);
        }
    }
};

namespace {
bool g_mayExit = false;
}

int main(int argc, char **argv)
{
    if (argc > 2 && qstrcmp(argv[1], "--child") == 0)
        return runChild(argc, argv);
    NetLab::isolate();
    // Starting an installer ends the process with code 0: in here that must
    // read as a failure, never as a pass.
    std::atexit([] {
        if (!g_mayExit)
            _exit(97);
    });
    QApplication app(argc, argv);
    TestOnlineUi test;
    const int result = QTest::qExec(&test, argc, argv);
    g_mayExit = true;
    return result;
}

#include "tst_online_ui.moc"
