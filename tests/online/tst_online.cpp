// The online services against tools/webapi.py on 127.0.0.1 inside the test's
// own network namespace; the paths that end the program run in child processes.

#include "dialogs/prompt.h"
#include "online/ccorvanedataprocresourceguide.h"
#include "online/cnuvohomedataprocresourcemgr.h"
#include "online/cnuvohomedataprocresourceversion.h"
#include "online/aboutus.h"
#include "online/nuvohomeupdatedesc.h"
#include "online/opensourcedialog.h"
#include "online/updatefiles.h"
#include "online/userguide.h"
#include "online/versioninfo.h"
#include "shell/corvane.h"

#include "httpclients.h"
#include "logcapture.h"
#include "netlab.h"
#include "webapi.h"

#include <QApplication>
#include <QDirIterator>
#include <QLabel>
#include <QNetworkReply>
#include <QPushButton>
#include <QScrollBar>
#include <QSysInfo>
#include <QTextBrowser>
#include <QtTest>

#include <cstdlib>
#include <functional>
#include <unistd.h>

namespace {
QString summary(const VersionInfo *info)
{
    if (!info)
        return QStringLiteral("none");
    return QStringLiteral("%1 %2 %3 %4 %5").arg(info->hasNewVersion).arg(info->version, info->notes).arg(info->forced)
        .arg(info->url.section(QLatin1Char('/'), -1));
}

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
        qInfo("shown: %s", qPrintable(answer.shown.last()));
        if (action == "escape")
            QTest::keyClick(dialog, Qt::Key_Escape);
        else
            button(dialog, action == "update" ? "BNUpdate" : action == "close" ? "pushButtonClose" : "BNCancel")->click();
        // A failed update ("Update again" back, nothing running) is cancelled.
        auto *failed = new QTimer(dialog);
        QObject::connect(failed, &QTimer::timeout, dialog, [dialog] {
            if (button(dialog, "BNUpdate")->isVisible() && !dialog->isDownloading())
                button(dialog, "BNCancel")->click();
        });
        failed->start(20);
    };
    Corvane window;
    return 3; // the program went on past the dialog
}
} // namespace

class TestOnline : public QObject
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
        keys.base = api.base();
        QCoreApplication::installTranslator(&keys);
    }
    void cleanup() { api.stop(); }

    void releaseNotesScrollInTheirPlace()
    {
        NuvoHomeUpdateDesc dialog;
        dialog.fillOffer(QStringLiteral("t"), QString(), QStringLiteral("Change\\n").repeated(29) + QStringLiteral("Last"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *notes = child<QLabel>(&dialog, "label_2");
        auto *area = qobject_cast<QAbstractScrollArea *>(notes->parentWidget()->parentWidget());
        QVERIFY(notes->isVisible() && area && notes->text().endsWith(QLatin1String("Change\nLast\n")));
        QVERIFY(area->verticalScrollBar()->maximum() > 0);
        QVERIFY(area->geometry().bottom() < button(&dialog, "BNUpdate")->mapTo(&dialog, QPoint()).y());
    }

    void versionCheck_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("localVersion");
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("logged");
        const QString offer = QStringLiteral("1 2.4.0.0 \\nFaster start\\n\\nFixes\\n %1 NuvoUpdate2.4.0.0");
        QTest::newRow("offer") << "--forced 1" << "2.3.0.0" << offer.arg(1) << "status_code:";
        QTest::newRow("forced missing") << "--forced -1" << "2.3.0.0" << offer.arg(0) << "status_code:";
        QTest::newRow("error") << "--checkupdate error" << "2.3.0.0" << "0  4001 0 " << "status_code:";
        QTest::newRow("version and error") << "--checkupdate both" << "2.3.0.0" << offer.arg(0) << "status_code:";
        QTest::newRow("empty object") << "--checkupdate empty" << "2.3.0.0" << "none" << "status_code:";
        QTest::newRow("404 with JSON") << "--checkupdate 404" << "2.3.0.0" << "none" << "error:";
        QTest::newRow("invalid JSON") << "--checkupdate invalid" << "2.3.0.0" << "none" << "Unable to read json data";
        QTest::newRow("never answers") << "--checkupdate hang" << "2.3.0.0" << "none" << "error:";
        QTest::newRow("no local version") << "" << "" << "none" << "nothing asked";
    }
    void versionCheck()
    {
        QFETCH(QString, server);
        QFETCH(QString, localVersion);
        QFETCH(QString, record);
        QVERIFY(api.start(server.split(QLatin1Char(' '), Qt::SkipEmptyParts)));
        writeOnlineSettings(api.base(), 1, localVersion);
        CNuvoHomeDataProcResourceVersion checker;
        LogCapture log;
        const VersionInfo *info = checker.GetNuvoHomeVersionData();
        QTEST(summary(info), "record");
        QFETCH(QString, logged);
        QCOMPARE(log.count(QtDebugMsg, logged), 1);
        const int asked = localVersion.isEmpty() ? 0 : 1;
        QCOMPARE(api.requests(QStringLiteral("checkupdate")).size(), asked);
        QCOMPARE(api.requests(QStringLiteral("checkupdate")).value(0).section(QLatin1Char(' '), 3),
                 asked ? QStringLiteral("&version=2.3.0.0&platform=linux") : QString());
        // A record is kept for good; without one the next call asks again.
        QCOMPARE(checker.GetNuvoHomeVersionData(), info);
        QCOMPARE(api.requests(QStringLiteral("checkupdate")).size(), info || !asked ? asked : 2);
    }

    void guide_data()
    {
        QTest::addColumn<QString>("faq"); // empty: no server at start, one comes up later
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("background");
        QTest::addColumn<int>("onDemand");
        QTest::newRow("background") << "ok" << "(us)" << 1 << 0;
        QTest::newRow("offline, then back") << "" << "(domestic)" << 0 << 1;
        QTest::newRow("200 with empty body") << "empty" << "" << 3 << 3;
        QTest::newRow("500 with a page") << "500" << "" << 3 << 3;
        QTest::newRow("never answers") << "hang" << "" << 3 << 3;
    }
    void guide()
    {
        QFETCH(QString, faq);
        QFETCH(QString, text);
        QFETCH(int, background);
        QFETCH(int, onDemand);
        writeOnlineSettings(api.base(), 1);
        if (!faq.isEmpty())
            QVERIFY(api.start({QStringLiteral("--faq"), faq}));
        CCorvaneDataProcResourceGuide loader;
        loader.StartGuideDownload();
        QTRY_VERIFY_WITH_TIMEOUT(!loader.isFetching(), 20000);
        if (faq.isEmpty())
            QVERIFY(api.start());
        const QString html = loader.GetFaqHtml();
        QVERIFY(html.contains(text) && html.isEmpty() == text.isEmpty());
        // Text once held is never fetched again.
        QCOMPARE(loader.GetFaqHtml(), html);
        QCOMPARE(api.requests(QStringLiteral("/faq/us.html")).size(), background);
        QCOMPARE(api.requests(QStringLiteral("/faq/domestic.html")).size(), onDemand * (html.isEmpty() ? 2 : 1));
    }

    void pictureFolderEmptied()
    {
        const QString picture = CNuvoHomeDataProcResourceMgr::pictureFolder();
        QVERIFY(QDir().mkpath(picture + QStringLiteral("/sub")));
        CNuvoHomeDataProcResourceMgr mgr;
        mgr.setCleanupInterval(20);
        for (const QString &name : {QStringLiteral("/a.png"), QStringLiteral("/sub/b.png")})
            QVERIFY(QFile(picture + name).open(QIODevice::WriteOnly));
        QTRY_VERIFY(QDir(picture).entryList(QDir::Files).isEmpty() && QDir(picture + QStringLiteral("/sub")).isEmpty());
        QVERIFY(QFileInfo(picture + QStringLiteral("/sub")).isDir());
        QDir(picture).removeRecursively();
    }

    // The cases up to startupWithOffer share the process-wide online facade, in this order.
    void startupWithServerUnreachable()
    {
        writeOnlineSettings(api.base(), 1);
        LogCapture log;
        Corvane window;
        // The TLS library is among the dependencies, so HTTPS addresses work.
        QCOMPARE(log.count(QtDebugMsg, QStringLiteral("support ssl? :  true")), 1);
        QVERIFY(RawClient::get(window.serverPort(), "/list").statusLine.contains(" 200 "));
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
        // A second check asked for while the first waits on a stalled API starts nothing.
        QVERIFY(api.start({QStringLiteral("--checkupdate"), QStringLiteral("hang")}));
        bool disabledMeanwhile = false;
        QTimer::singleShot(0, check, [&] { disabledMeanwhile = !check->isEnabled(), page.slotVersionDetect(); });
        check->click();
        QVERIFY(disabledMeanwhile && check->isEnabled());
        QCOMPARE(api.requests(QStringLiteral("checkupdate")).size(), 1);
        api.stop();
        check->click();
        QVERIFY(api.start());
        check->click();
        NuvoHomeUpdateDesc *dialog = page.updateDialog();
        check->click();
        QCOMPARE(page.updateDialog(), dialog);
        const QString offer = QStringLiteral("latest version: 2.4.0.0|cancel|Faster start\nFixes\n");
        QCOMPARE(answer.shown, (QStringList{QStringLiteral("net error"), QStringLiteral("net error"), offer, offer}));
        QCOMPARE(api.requests(QStringLiteral("checkupdate")).size(), 1);

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
        // Notes: separators at the ends and doubled ones give no empty line.
        // The port was chosen, and the server started, only after the dialog closed.
        const QString cancel = QCoreApplication::translate("Corvane", "cancel"); // the window's catalogue is loaded
        QCOMPARE(answer.shown, (QStringList{QStringLiteral("Latest version: 2.4.0.0|%1|Faster start\nFixes\n").arg(cancel), "0"}));
        QVERIFY(RawClient::get(window.serverPort(), "/list").statusLine.contains(" 200 "));
    }

    void downloadFails_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("version");
        QTest::addColumn<bool>("closeAfterHead"); // closed by the user as the transfer starts
        for (const char *mode : {"stall", "wrongsize", "halfway", "500", "404"})
            QTest::newRow(mode) << QString::fromLatin1(mode) << "2.4.0.0" << false;
        for (const char *version : {"../x", "1/2", "/../../escaped"})
            QTest::newRow(version) << "ok" << QString::fromLatin1(version) << false;
        QTest::newRow("closed after the head") << "stall" << "2.4.0.0" << true;
    }
    void downloadFails()
    {
        QFETCH(QString, mode);
        QFETCH(QString, version);
        QFETCH(bool, closeAfterHead);
        QVERIFY(api.start({QStringLiteral("--installer-mode"), mode}));
        const QString folder = UpdateFiles::updateFolder();
        // Folders an unchecked version would write through.
        QDir(folder).removeRecursively();
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/NuvoUpdate1")) && QDir().mkpath(folder + QStringLiteral("/NuvoUpdate")));
        const VersionInfo record{true, version, QString(), api.base() + QStringLiteral("/download/NuvoUpdate") + version, 0, QString()};
        NuvoHomeUpdateDesc dialog;
        dialog.setVersionRecord(&record);
        dialog.setStallInterval(200);
        dialog.show();
        button(&dialog, "BNUpdate")->click();
        if (closeAfterHead) {
            // Cancelling a running transfer reports "finished" at once, inside reject().
            QNetworkReply *reply = dialog.findChild<QNetworkReply *>();
            connect(reply, &QNetworkReply::metaDataChanged, &dialog, [&] {
                dialog.reject();
                dialog.UpdateFinished(reply); // a late report of the reply just released
            });
            QTRY_VERIFY(!dialog.isVisible());
            QVERIFY(!dialog.isDownloading());
            QCOMPARE(child<QLabel>(&dialog, "lbNewVersion")->text(), QStringLiteral("Updating"));
            return;
        }
        QTRY_COMPARE(child<QLabel>(&dialog, "lbNewVersion")->text(), QStringLiteral("Update failed"));
        QVERIFY(button(&dialog, "BNUpdate")->isVisible() && button(&dialog, "BNUpdate")->text() == QLatin1String("Update again"));
        const bool safe = UpdateFiles::isSafeVersion(version);
        QCOMPARE(api.requests(QStringLiteral("/download/")).size(), safe ? 1 : 0);
        QStringList files;
        for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            files << it.next().mid(folder.size() + 1);
        QCOMPARE(files, safe ? QStringList{QStringLiteral("NuvoUpdate2.4.0.0")} : QStringList{});
        QVERIFY(!QFile::exists(folder + QStringLiteral("/../escaped")));
        // "Update again" starts from an empty folder.
        QVERIFY(QFile(folder + QStringLiteral("/stray")).open(QIODevice::WriteOnly));
        button(&dialog, "BNUpdate")->click();
        QVERIFY(QFile::exists(folder + QStringLiteral("/stray")) != safe && dialog.isDownloading() == safe);
    }

    void packagedInstall_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("packaged");
        QTest::newRow("Debian package") << "/opt/../usr/lib/corvane" << true;
        QTest::newRow("like /usr") << "/usrdata/corvane" << false;
        QTest::newRow("its build") << QCoreApplication::applicationDirPath() << false;
    }
    void packagedInstall()
    {
        QFETCH(QString, folder);
        QFETCH(bool, packaged);
        QCOMPARE(UpdateFiles::isPackaged(folder), packaged);
        const VersionInfo record{true, QStringLiteral("2.4.0.0"), QString(), api.base() + QStringLiteral("/download/x"), 0, QString()};
        NuvoHomeUpdateDesc dialog;
        dialog.setVersionRecord(&record);
        dialog.setProgramFolder(folder);
        dialog.fillOffer(QStringLiteral("latest version: 2.4.0.0"), QStringLiteral("cancel"), QStringLiteral("Faster start\\nFixes"));
        dialog.show();
        QLabel *note = child<QLabel>(&dialog, "packageNote");
        QVERIFY(child<QLabel>(&dialog, "label_2")->isVisible() && !note->text().isEmpty());
        QCOMPARE(note->isVisible() && !button(&dialog, "BNUpdate")->isVisible(), packaged);
        dialog.slotBNUpdate_Clicked(); // no download is started (the API is not even up)
        QCOMPARE(dialog.isDownloading(), !packaged);
    }

    void programEnds_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("forced");
        QTest::addColumn<QStringList>("server"); // more options of the web API
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("downloads"); // asked of either server
        QTest::newRow("good download from the API") << "update" << "0" << QStringList() << 0 << 1;
        QTest::newRow("sha256 matches") << "update" << "0" << QStringList{"--sha256", "good"} << 0 << 1;
        QTest::newRow("sha256 differs") << "update" << "0" << QStringList{"--sha256", QString(64, '0')} << 3 << 1;
        QTest::newRow("redirect on the API's host") << "update" << "0" << QStringList{"--installer-mode", "redirect"} << 0 << 2;
        QTest::newRow("redirect to another host") << "update" << "0" << QStringList{"--installer-mode", "redirect-away"} << 3 << 1;
        QTest::newRow("plain http, another host")
            << "update" << "0" << QStringList{"--url", "http://localhost:{port}/download/NuvoUpdate2.4.0.0"} << 3 << 0;
        QTest::newRow("plain http, another port") << "update" << "0" << QStringList{"--url", "{other}/download/NuvoUpdate2.4.0.0"} << 3 << 0;
        QTest::newRow("forced, close button") << "close" << "1" << QStringList() << 0 << 0;
        QTest::newRow("forced, cancel button") << "cancel" << "1" << QStringList() << 0 << 0;
        QTest::newRow("forced, Escape") << "escape" << "1" << QStringList() << 3 << 0;
        QTest::newRow("optional, close button") << "close" << "0" << QStringList() << 3 << 0;
    }
    void programEnds()
    {
        QFETCH(QString, action);
        QFETCH(QString, forced);
        QFETCH(QStringList, server);
        QFETCH(int, exitCode);
        WebApi other; // the same host, another port
        QVERIFY(other.start());
        server.replaceInStrings(QStringLiteral("{other}"), other.base());
        QTemporaryDir home;
        const QString record = home.filePath(QStringLiteral("installer-argument"));
        QVERIFY(api.start(QStringList{QStringLiteral("--forced"), forced, QStringLiteral("--record"), record} + server));
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
        writeOnlineSettings(api.base(), 5);
        QProcess program;
        program.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), action});
        qputenv("XDG_DATA_HOME", data.path().toUtf8());
        QVERIFY(program.waitForFinished(60000) && program.exitStatus() == QProcess::NormalExit);
        QCOMPARE(program.exitCode(), exitCode);
        QVERIFY(QString::fromUtf8(program.readAllStandardError())
                    .contains(forced == QLatin1String("1") ? QLatin1String("|quit|") : QLatin1String("|cancel|"), Qt::CaseInsensitive));
        QTEST(int(api.requests(QStringLiteral("/download/")).size() + other.requests(QStringLiteral("/download/")).size()), "downloads");
        const QString folder = home.path() + QStringLiteral("/NuvoVR/Brindlecast/update");
        if (action == QLatin1String("update") && exitCode == 0) {
            QVERIFY(QFileInfo(folder + QStringLiteral("/NuvoUpdate2.4.0.0")).isExecutable());
            QTRY_VERIFY(QFileInfo(record).size() > 0);
            QFile argument(record);
            QVERIFY(argument.open(QIODevice::ReadOnly) && argument.readAll() == folder.toUtf8());
        } else {
            QVERIFY(!QFileInfo::exists(record));
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
    std::atexit([] { g_mayExit ? void() : _exit(97); });
    QApplication app(argc, argv);
    TestOnline test;
    const int result = QTest::qExec(&test, argc, argv);
    g_mayExit = true;
    return result;
}

#include "tst_online.moc"
