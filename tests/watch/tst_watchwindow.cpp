// The window's side of watched folders: a folder kept watched from the
// library page, its videos added in the background as one batch, and the
// list where the user stops watching one.

#include "../library_ui/dialogpump.h"
#include "processes.h"
#include "testvideos.h"

#include "library/corvanevideoinfo.h"
#include "library/videolibraryfile.h"
#include "library/watchedfolders.h"
#include "settings/session.h"
#include "ui/library/confirmdelete.h"
#include "ui/library/homepage.h"
#include "ui/library/homesub.h"
#include "ui/library/parseprocess.h"
#include "ui/library/watchedfoldersdialog.h"
#include "ui/shell/mainwidget.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestWatchWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void watchedFolderAddsInBackground();
    void backgroundAddThatCannotBeStored();
    void backgroundAddKeepsTilesInOrder();

private:
    QTemporaryDir m_home;
};

void TestWatchWindow::initTestCase()
{
    qputenv("XDG_DATA_HOME", m_home.path().toUtf8());
    TestSupport::writeLanguage(QStringLiteral("us"));
}

void TestWatchWindow::watchedFolderAddsInBackground()
{
    const QString folder = m_home.filePath(QStringLiteral("Recordings"));
    QVERIFY(QDir().mkpath(folder + QStringLiteral("/Later")));
    QVERIFY(TestVideos::clip(folder + QStringLiteral("/one.mp4"), 1));
    QVERIFY(TestVideos::clip(folder + QStringLiteral("/Later/two.mkv"), 1));
    QVERIFY(TestSupport::writeFile(folder + QStringLiteral("/notes.txt"), "not a video"));
    const QString missing = m_home.filePath(QStringLiteral("Not mounted"));

    MainWidget pages(nullptr, nullptr);
    HomePage *page = pages.homePage();
    page->loadVideoList();
    pages.watchedFolders()->setSettleInterval(10);
    pages.startWatchedFolders();
    QSignalSpy updates(page, &HomePage::sglSendUpdateUDP);
    QSignalSpy published(page, &HomePage::sglSendJson);
    auto *entry = page->findChild<QPushButton *>(QStringLiteral("tb_watchedFolders"));
    QVERIFY(!entry->isVisibleTo(page));
    emit page->sglWatchFolder(folder);
    emit page->sglWatchFolder(missing);
    QVERIFY(entry->isVisibleTo(page));
    page->slotDelVideoFile(); // delete mode has its select-all in that place, also under the confirmation
    QVERIFY(!entry->isVisibleTo(page));
    page->slotCancelDelVideoFile();
    QVERIFY(entry->isVisibleTo(page));

    QTRY_COMPARE_WITH_TIMEOUT(page->tileList().size(), 2, 60000);
    QTRY_COMPARE_WITH_TIMEOUT(updates.count(), 1, 60000);
    QCOMPARE(published.count(), 1);
    QVERIFY(!page->parseProcess()->isVisible());
    QList<CorvaneVideoInfo *> stored;
    QStringList texts;
    QVERIFY(VideoLibraryFile().load(&texts, &stored));
    QCOMPARE(stored.size(), 2);
    qDeleteAll(stored);

    // The list: the missing folder greyed and marked, then no longer watched.
    pages.slotShowWatchedFolders();
    auto *list = pages.watchedFoldersDialog()->findChild<QListWidget *>(QStringLiteral("list_watchedFolders"));
    QVERIFY(list && pages.watchedFoldersDialog()->isVisible());
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(0)->text(), folder);
    QVERIFY(list->item(1)->text().contains(missing) && list->item(1)->text() != missing);
    QVERIFY(list->item(1)->foreground() != list->item(0)->foreground());
    list->setCurrentRow(0);
    pages.watchedFoldersDialog()->findChild<QPushButton *>(QStringLiteral("pb_stopWatching"))->click();
    QCOMPARE(pages.watchedFolders()->folders(), QStringList{missing});
    QCOMPARE(list->count(), 1);
    QCOMPARE(page->videos().size(), 2);

    // A video the user deletes is left out of its watched folder for good.
    pages.watchedFolders()->add(folder);
    const QString deleted = page->videos().first()->videoPathReal;
    page->slotSelectForDelete(page->videos().first(), true);
    emit pages.confirmDelete()->sglDoDelVideoFile();
    QCOMPARE(page->videos().size(), 1);
    QCOMPARE(WatchedFolders(Session::instance()->getDataPath()).leftOut(), QStringList{deleted});
}

void TestWatchWindow::backgroundAddThatCannotBeStored()
{
    // The library file is the largest file written: a limit just above it
    // stops the next record, as a full disk would.
    const QString libraryFile = Session::instance()->getDataPath() + QStringLiteral("/corvanevideo.dat");
    const QByteArray before = TestSupport::fileBytes(libraryFile);
    const QStringList files{m_home.filePath(QStringLiteral("full/a.mp4")), m_home.filePath(QStringLiteral("full/b.mp4"))};
    QVERIFY(QDir().mkpath(m_home.filePath(QStringLiteral("full"))));
    for (const QString &file : files)
        QVERIFY(TestVideos::clip(file, 1));
    HomePage page;
    page.loadVideoList();
    const int known = page.videos().size();
    DialogPump pump;
    pump.start();
    {
        FileSizeLimit limit(before.size() + 16);
        page.addFilesInBackground(files);
        QTRY_COMPARE_WITH_TIMEOUT(pump.prompts.size(), 1, 60000);
    }
    pump.stop();
    QCOMPARE(pump.prompts.constFirst(), QCoreApplication::translate("HomePage",
        "The video could not be saved to the library. Please check the free disk space and try again."));
    QCOMPARE(page.videos().size(), known);
    QCOMPARE(TestSupport::fileBytes(libraryFile), before);
}

void TestWatchWindow::backgroundAddKeepsTilesInOrder()
{
    // More videos than tiles built: the new one must not take the tile of a
    // stored one whose turn has not come yet.
    QList<CorvaneVideoInfo *> stored;
    for (int i = 0; i < 60; ++i) {
        stored << new CorvaneVideoInfo;
        stored.last()->video = stored.last()->videoPath = QString::number(1607300000000LL + i);
    }
    QStringList texts;
    QVERIFY(VideoLibraryFile().rewrite(stored, &texts));
    qDeleteAll(stored);
    const QString file = m_home.filePath(QStringLiteral("late.mp4"));
    QVERIFY(TestVideos::clip(file, 1));
    HomePage page;
    page.loadVideoList();
    page.addFilesInBackground({file});
    QTRY_COMPARE_WITH_TIMEOUT(page.videos().size(), 61, 60000);
    QTRY_VERIFY(!page.tileList().isEmpty());
    QVERIFY(page.tileList().size() < 61);
    for (int i = 0; i < page.tileList().size(); ++i)
        QCOMPARE(page.tileList().at(i)->videoInfo(), page.videos().at(i));
}

QTEST_MAIN(TestWatchWindow)

#include "tst_watchwindow.moc"
