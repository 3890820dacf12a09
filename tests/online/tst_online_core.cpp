// The online services' network logic against tools/webapi.py on 127.0.0.1
// inside the test's own network namespace, and the pure decisions under it.

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

namespace {
QString summary(const VersionInfo *info)
{
    if (!info)
        return QStringLiteral("none");
    return QStringLiteral("%1 %2 %3 %4 %5").arg(info->hasNewVersion).arg(info->version, info->notes).arg(info->forced)
        .arg(info->url.section(QLatin1Char('/'), -1));
}
} // namespace

class TestOnlineCore : public QObject
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

    void versionCheck_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("localVersion");
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("logged");
        const QString offer = QStringLiteral("1 2.4.0.0 Faster start\\nFixes %1 NuvoUpdate2.4.0.0");
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
        QCOMPARE(api.requests(QStringLiteral("checkupdate")), asked);
        QCOMPARE(api.lastRequest(QStringLiteral("checkupdate")).section(QLatin1Char(' '), 3), asked ? QStringLiteral("&version=2.3.0.0&platform=linux") : QString());
        // A record is kept for good; without one the next call asks again.
        QCOMPARE(checker.GetNuvoHomeVersionData(), info);
        QCOMPARE(api.requests(QStringLiteral("checkupdate")), info || !asked ? asked : 2);
    }

    void namesAndNotes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("safeVersion");
        QTest::addColumn<QString>("notesShown");
        QTest::newRow("two lines") << "a\\nb" << false << "a\nb\n";
        QTest::newRow("leading, trailing, doubled") << "\\na\\n\\nb\\n" << false << "a\nb\n";
        QTest::newRow("version") << "2.4.0.0" << true << "2.4.0.0\n";
        QTest::newRow("letters, _ and -") << "v2_rc-1" << true << "v2_rc-1\n";
        for (const char *bad : {"../x", "1/2", "..", "a b", "2.4\n"})
            QTest::newRow(bad) << QString::fromLatin1(bad) << false << QString::fromLatin1(bad) + QLatin1Char('\n');
        QTest::newRow("empty") << "" << false << "";
    }
    void namesAndNotes()
    {
        QFETCH(QString, text);
        QTEST(UpdateFiles::isSafeVersion(text), "safeVersion");
        QTEST(UpdateFiles::notesText(text), "notesShown");
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
        QCOMPARE(api.requests(QStringLiteral("/faq/us.html")), background);
        QCOMPARE(api.requests(QStringLiteral("/faq/domestic.html")), onDemand * (html.isEmpty() ? 2 : 1));
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
        QTRY_VERIFY(QDir(picture).entryList(QDir::Files).isEmpty() && QDir(picture + QStringLiteral("/sub")).isEmpty());
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
