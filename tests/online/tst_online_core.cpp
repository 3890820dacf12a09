// The online services' network logic against tools/webapi.py, run on
// 127.0.0.1 inside the test's own network namespace: the version check, the
// FAQ fetch, the picture-folder clean-up, and the pure decisions they rest on.

#include "online/ccorvanedataprocresourceguide.h"
#include "online/cnuvohomedataprocresourcemgr.h"
#include "online/cnuvohomedataprocresourceversion.h"
#include "online/updatefiles.h"

#include "logcapture.h"
#include "netlab.h"
#include "webapi.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestOnlineCore : public QObject
{
    Q_OBJECT
    QTemporaryDir data;
    WebApi api;
    FaqKeys keys;

    void settings(const QString &localVersion, int outTime) { writeOnlineSettings(api.base(), outTime, localVersion); }

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

    void versionCheck_data()
    {
        QTest::addColumn<QStringList>("server");
        QTest::addColumn<QString>("localVersion");
        QTest::addColumn<bool>("record");
        QTest::addColumn<bool>("hasNew");
        QTest::addColumn<QString>("notes");
        QTest::addColumn<int>("forced");
        QTest::addColumn<QString>("logged");
        const QString offerNotes = QStringLiteral("Faster start\\nFixes");
        QTest::newRow("offer") << QStringList{"--forced", "1"} << "2.3.0.0" << true << true << offerNotes << 1 << "status_code:";
        QTest::newRow("forced missing") << QStringList{"--forced", "-1"} << "2.3.0.0" << true << true << offerNotes << 0 << "status_code:";
        QTest::newRow("error") << QStringList{"--checkupdate", "error"} << "2.3.0.0" << true << false << "4001" << 0 << "status_code:";
        QTest::newRow("version and error") << QStringList{"--checkupdate", "both"} << "2.3.0.0" << true << true << offerNotes << 0 << "status_code:";
        QTest::newRow("empty object") << QStringList{"--checkupdate", "empty"} << "2.3.0.0" << false << false << "" << 0 << "status_code:";
        QTest::newRow("404 with JSON") << QStringList{"--checkupdate", "404"} << "2.3.0.0" << false << false << "" << 0 << "error:";
        QTest::newRow("invalid JSON") << QStringList{"--checkupdate", "invalid"} << "2.3.0.0" << false << false << "" << 0 << "Unable to read json data";
        QTest::newRow("never answers") << QStringList{"--checkupdate", "hang"} << "2.3.0.0" << false << false << "" << 0 << "error:";
        QTest::newRow("no local version") << QStringList{} << "" << false << false << "" << 0 << "nothing asked";
    }
    void versionCheck()
    {
        QFETCH(QStringList, server);
        QFETCH(QString, localVersion);
        QFETCH(bool, record);
        QFETCH(QString, logged);
        QVERIFY(api.start(server));
        settings(localVersion, 1);
        CNuvoHomeDataProcResourceVersion checker;
        LogCapture log;
        const VersionInfo *info = checker.GetNuvoHomeVersionData();
        QCOMPARE(log.count(QtDebugMsg, logged), 1);
        const int asked = localVersion.isEmpty() ? 0 : 1;
        QCOMPARE(api.requests(QStringLiteral("checkupdate")), asked);
        if (asked)
            QVERIFY(api.lastRequest(QStringLiteral("checkupdate")).endsWith(QLatin1String("&version=2.3.0.0&platform=linux")));
        QCOMPARE(info != nullptr, record);
        if (info) {
            QTEST(info->hasNewVersion, "hasNew");
            QTEST(info->notes, "notes");
            QTEST(info->forced, "forced");
            QCOMPARE(info->version, info->hasNewVersion ? QStringLiteral("2.4.0.0") : QString());
            QCOMPARE(info->url.isEmpty(), !info->hasNewVersion);
        }
        // A record is kept for good; without one the next call asks again.
        QCOMPARE(checker.GetNuvoHomeVersionData(), info);
        QCOMPARE(api.requests(QStringLiteral("checkupdate")), record || !asked ? asked : 2);
    }

    void parseVersionJson_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<bool>("record");
        QTest::addColumn<QString>("notes");
        QTest::newRow("string for version") << QByteArray(R"({"version":"2.4"})") << true << true << "";
        QTest::newRow("numeric error code") << QByteArray(R"({"error":{"errorcode":7}})") << true << true << "7";
        QTest::newRow("array") << QByteArray("[1,2]") << true << false << "";
        QTest::newRow("truncated") << QByteArray(R"({"version":{)") << false << false << "";
        QTest::newRow("binary") << QByteArray("\x00\xff{", 3) << false << false << "";
    }
    void parseVersionJson()
    {
        QFETCH(QByteArray, body);
        std::unique_ptr<VersionInfo> slot;
        QTEST(CNuvoHomeDataProcResourceVersion::ParseVersionBody(body, slot), "valid");
        QTEST(slot != nullptr, "record");
        if (slot) {
            QVERIFY(!slot->hasNewVersion);
            QTEST(slot->notes, "notes");
        }
    }

    void safeVersion_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<bool>("safe");
        for (const char *ok : {"2.4.0.0", "v2_rc-1", "A9"})
            QTest::newRow(ok) << QString::fromLatin1(ok) << true;
        for (const char *bad : {"../x", "1/2", "", "..", "a b", "x\\y", "2.4\n"})
            QTest::newRow(bad) << QString::fromLatin1(bad) << false;
    }
    void safeVersion()
    {
        QFETCH(QString, version);
        QTEST(UpdateFiles::isSafeVersion(version), "safe");
    }

    void notes_data()
    {
        QTest::addColumn<QString>("notes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("two lines") << "a\\nb" << "a\nb\n";
        QTest::newRow("leading and trailing") << "\\na\\n" << "a\n";
        QTest::newRow("doubled") << "a\\n\\nb" << "a\nb\n";
        QTest::newRow("real line feed kept") << "a\nb" << "a\nb\n";
    }
    void notes()
    {
        QFETCH(QString, notes);
        QTEST(UpdateFiles::notesText(notes), "shown");
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
        settings(QStringLiteral("2.3.0.0"), 1);
        if (!faq.isEmpty())
            QVERIFY(api.start({QStringLiteral("--faq"), faq}));
        CCorvaneDataProcResourceGuide loader;
        loader.StartGuideDownload();
        QTRY_VERIFY_WITH_TIMEOUT(!loader.isFetching(), 20000);
        if (faq.isEmpty())
            QVERIFY(api.start());
        const QString html = loader.GetFaqHtml();
        QCOMPARE(html.isEmpty(), text.isEmpty());
        QVERIFY(html.contains(text));
        QCOMPARE(api.requests(QStringLiteral("/faq/us.html")), background);
        QCOMPARE(api.requests(QStringLiteral("/faq/domestic.html")), onDemand);
        // Text once held is never fetched again.
        if (!html.isEmpty()) {
            QCOMPARE(loader.GetFaqHtml(), html);
            QCOMPARE(api.requests(QStringLiteral("/faq/")), background + onDemand);
        }
    }

    void pictureFolderEmptied()
    {
        const QString picture = CNuvoHomeDataProcResourceMgr::pictureFolder();
        QVERIFY(QDir().mkpath(picture + QStringLiteral("/sub")));
        CNuvoHomeDataProcResourceMgr mgr;
        mgr.setCleanupInterval(20);
        for (const QString &name : {QStringLiteral("/a.png"), QStringLiteral("/sub/b.png")}) {
            QFile file(picture + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QTRY_VERIFY(QDir(picture).entryList(QDir::Files).isEmpty() && QDir(picture + "/sub").isEmpty());
        QVERIFY(QFileInfo(picture + QStringLiteral("/sub")).isDir());
        QDir(picture).removeRecursively();
    }
};

int main(int argc, char **argv)
{
    NetLab::isolate();
    QCoreApplication app(argc, argv);
    TestOnlineCore test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_online_core.moc"
