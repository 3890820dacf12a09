// The online side of the shell against tools/webapi.py on 127.0.0.1 inside
// the test's own network namespace. The paths that end the program run in
// child processes of this same executable.

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
template <typename T> T *child(QWidget *w, const char *name) { return w->findChild<T *>(QLatin1String(name)); }
QPushButton *button(QWidget *w, const char *name) { return child<QPushButton>(w, name); }

// Answers every prompt and update dialog that shows up, also inside the
// nested loops of exec(): notes what it showed, then acts (default: Escape).
struct Answerer
{
    QStringList shown;
    std::function<void(NuvoHomeUpdateDesc *)> act = [](NuvoHomeUpdateDesc *d) { d->reject(); };
    QTimer timer;
    QPointer<QWidget> answered; // still open after its answer
    Answerer()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                auto *prompt = qobject_cast<Prompt *>(w);
                auto *dialog = qobject_cast<NuvoHomeUpdateDesc *>(w);
                if (prompt && prompt->isVisible()) {
                    shown << prompt->promptText();
                    prompt->reject();
                } else if (dialog && dialog->isVisible() && dialog != answered) {
                    shown << child<QLabel>(dialog, "labeltitle")->text() + QLatin1Char('|') + button(dialog, "BNCancel")->text()
                                 + QLatin1Char('|') + child<QLabel>(dialog, "label_2")->text();
                    answered = dialog;
                    act(dialog);
                    if (!dialog->isVisible()) // closed: may be shown again
                        answered = nullptr;
                }
            }
        });
        timer.start(20);
    }
};

// Child: the main window's start-up, its update dialog answered with argv[2].
int runChild(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QByteArray action = argv[2];
    Answerer answer;
    answer.act = [&](NuvoHomeUpdateDesc *dialog) {
        printf("shown: %s\n", qPrintable(answer.shown.last()));
        fflush(stdout);
        if (action == "escape")
            QTest::keyClick(dialog, Qt::Key_Escape);
        else
            button(dialog, action == "update" ? "BNUpdate" : action == "close" ? "pushButtonClose" : "BNCancel")->click();
    };
    Corvane window;
    return 3; // the program went on past the dialog
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
        QTest::mouseClick(button(&page, "pbOffline"), Qt::LeftButton);
        QVERIFY(page.isLoaded() && !page.isOffline() && page.guideText().contains(QLatin1String("(domestic)")));
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
        QVERIFY(did->isVisible() && did->text() == QString::fromLatin1(QSysInfo::machineUniqueId()));

        Answerer answer;
        QPushButton *check = button(&page, "pushButtonVersionDetect");
        check->click();
        QVERIFY(api.start());
        check->click();
        NuvoHomeUpdateDesc *dialog = page.updateDialog();
        check->click();
        QCOMPARE(page.updateDialog(), dialog);
        const QString offer = QStringLiteral("latest version: 2.4.0.0|cancel|Faster start\nFixes\n");
        QCOMPARE(answer.shown, (QStringList{QStringLiteral("net error"), offer, offer}));
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
        Answerer answer;
        answer.act = [&](NuvoHomeUpdateDesc *dialog) {
            answer.shown << QString::number(log.count(QtDebugMsg, QStringLiteral("Available Port")));
            button(dialog, "BNCancel")->click();
        };
        Corvane window;
        // The port was chosen, and the server started, only after the dialog closed.
        QCOMPARE(answer.shown, (QStringList{QStringLiteral("Latest version: 2.4.0.0|cancel|Faster start\nFixes\n"), "0"}));
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
        button(&dialog, "BNUpdate")->click();
        QTRY_COMPARE(child<QLabel>(&dialog, "lbNewVersion")->text(), QStringLiteral("Update failed"));
        QVERIFY(button(&dialog, "BNUpdate")->isVisible() && button(&dialog, "BNUpdate")->text() == QLatin1String("Update again"));
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
        button(&dialog, "BNUpdate")->click();
        QVERIFY(stray.exists() != safe && dialog.isDownloading() == safe);
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
        button(&dialog, "BNUpdate")->click();
        auto *reply = dialog.findChild<QNetworkReply *>();
        QVERIFY(reply);
        bool cancelled = false;
        // Cancelling a running transfer reports "finished" at once, inside reject().
        auto cancel = [&] {
            if (!cancelled) {
                cancelled = true;
                dialog.reject();
                dialog.UpdateFinished(reply); // a late report of the reply just released
            }
        };
        connect(reply, &QNetworkReply::metaDataChanged, this, [&] {
            if (mode == QLatin1String("stall"))
                cancel();
        });
        connect(reply, &QNetworkReply::downloadProgress, this, [&](qint64 got, qint64 total) {
            if (got == total && mode == QLatin1String("ok"))
                cancel();
        });
        QTRY_VERIFY(cancelled);
        QVERIFY(!dialog.isVisible() && !dialog.isDownloading());
        QCOMPARE(child<QLabel>(&dialog, "lbNewVersion")->text(), QStringLiteral("Updating"));
    }

    void programEnds_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("forced");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("good download") << "update" << "0" << 0;
        QTest::newRow("forced, close button") << "close" << "1" << 0;
        QTest::newRow("forced, cancel button") << "cancel" << "1" << 0;
        QTest::newRow("forced, Escape") << "escape" << "1" << 3;
        QTest::newRow("optional, close button") << "close" << "0" << 3;
    }
    void programEnds()
    {
        QFETCH(QString, action);
        QFETCH(QString, forced);
        QTemporaryDir home;
        const QString record = home.filePath(QStringLiteral("installer-argument"));
        QFile script(home.filePath(QStringLiteral("installer")));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf '%s' \"$1\" > \"$CORVANE_TEST_RECORD\"\n");
        script.close();
        QVERIFY(api.start({QStringLiteral("--forced"), forced, QStringLiteral("--installer"), script.fileName()}));
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
        writeOnlineSettings(api.base(), 5);
        qputenv("CORVANE_TEST_RECORD", record.toUtf8());
        QProcess program;
        program.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), action});
        qputenv("XDG_DATA_HOME", data.path().toUtf8());
        QVERIFY(program.waitForFinished(60000) && program.exitStatus() == QProcess::NormalExit);
        QTEST(program.exitCode(), "exitCode");
        QVERIFY(program.readAllStandardOutput().contains(forced == QLatin1String("1") ? "|quit|" : "|cancel|"));
        const QString folder = home.path() + QStringLiteral("/NuvoVR/Brindlecast/update");
        if (action == QLatin1String("update")) {
            QVERIFY(QFileInfo(folder + QStringLiteral("/NuvoUpdate2.4.0.0")).isExecutable());
            QTRY_VERIFY(QFile::exists(record));
            QFile argument(record);
            QVERIFY(argument.open(QIODevice::ReadOnly) && argument.readAll() == folder.toUtf8());
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
