// The library page driven as the user drives it: the real file dialog, real
// drops of file URLs, the real probing thread on videos made by ffmpeg, the
// shared message dialog, the delete confirmation, and the library files in
// a temporary data folder.

#include "dialogpump.h"
#include "processes.h"
#include "testvideos.h"

#include "library/corvanevideoinfo.h"
#include "library/libraryglobals.h"
#include "library/videolibraryfile.h"
#include "library/videolisttext.h"
#include "settings/session.h"
#include "ui/library/confirmdelete.h"
#include "ui/library/homepage.h"
#include "ui/library/homesub.h"
#include "ui/library/parseprocess.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

#include <memory>

namespace {

const char *const kAllSelectedStyle =
    "QPushButton{background-image:url(:/Corvane/Skin/new/delete_select_Press.png);border:0px;}";
const char *const kAllInDeleteModeStyle =
    "QPushButton{background-image:url(:/Corvane/Skin/new/delete_select_normal.png);border:0px;}"
    "QPushButton:hover{background-image:url(:/Corvane/Skin/new/delete_select_hover.png);border:0px;}"
    "QPushButton:pressed{background-image:url(:/Corvane/Skin/new/delete_select_Press.png);border:0px;}";

} // namespace

class TestHomePage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void emptyLibraryShowsHint();
    void sevenVideosFillTheGrid();
    void dialogWithTextFileProbesTwoThenReports();
    void onlyKnownFilesReportEachAndStartNoRun();
    void secondAddDuringRunRefused();
    void emptyLibraryFileGivesEmptyList();
    void onlyRejectedFilesKeepHintHidden();
    void sameFileTwiceInOneDropAcceptedOnce();
    void dropRejections_data();
    void dropRejections();
    void selectingEveryTileSelectsAll();
    void selectAllButtonToggles();
    void deleteButtonTwiceWithNothingSelected();
    void confirmedDeleteRemovesPosterAndRenumbers();
    void cancelledDeleteKeepsEverything();
    void deletingLastVideoRemovesLibraryFile();
    void loadRestoresLibraryAndAnnounces();
    void announcementsAfterChange();
    void refreshVideoStateRepairsPosters();
    void refreshVideoStateCoalesced();
    void addThatCannotBeStoredShowsNoTile();
    void deleteKeepsPageAndFileInStep_data();
    void deleteKeepsPageAndFileInStep();
    void libraryTextMembers();
    void addFolder_data();
    void addFolder();
    void missingVideosMarkedThenRemoved();

private:
    QString dataPath() const { return Session::instance()->getDataPath(); }
    QString libraryFile() const { return dataPath() + QStringLiteral("/corvanevideo.dat"); }
    // Adds the named media files through the file dialog and waits for the run.
    void addThroughDialog(HomePage *page, const QStringList &names, DialogPump *pump);
    // Drags the URLs onto the page and drops them; true when the page took the drop.
    bool drop(HomePage *page, const QList<QUrl> &urls);
    QUrl mediaUrl(const QString &name) const { return QUrl::fromLocalFile(m_media + QLatin1Char('/') + name); }
    std::unique_ptr<HomePage> newPage();
    // Wired as the page container wires them.
    static void wireConfirmation(HomePage *page, ConfirmDelete *dialog);
    QStringList storedIndexes() const;
    // A tree of two clips with a text file, a hidden folder and a link loop.
    QString makeTree(const QString &name) const;

    QTemporaryDir m_dataHome;
    QString m_media;
};

void TestHomePage::initTestCase()
{
    QVERIFY(m_dataHome.isValid());
    qputenv("XDG_DATA_HOME", m_dataHome.path().toUtf8());
    QVERIFY(dataPath().startsWith(m_dataHome.path()));
    TestSupport::writeLanguage(QStringLiteral("us"));

    m_media = m_dataHome.path() + QStringLiteral("/media");
    QVERIFY(QDir().mkpath(m_media));
    QVERIFY(TestVideos::clip(m_media + QStringLiteral("/clip0.mp4"), 2));
    QVERIFY(TestVideos::clip(m_media + QStringLiteral("/clip1.mkv"), 3, QStringLiteral("96x54")));
    // Further clips are copies: each path is a video of its own to the library.
    for (int i = 2; i < 8; ++i)
        QVERIFY(QFile::copy(m_media + QStringLiteral("/clip0.mp4"), m_media + QStringLiteral("/clip%1.mp4").arg(i)));
    QFile notes(m_media + QStringLiteral("/notes.txt"));
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.write("not a video\n");
    notes.close();
    QFile noDot(m_media + QStringLiteral("/README"));
    QVERIFY(noDot.open(QIODevice::WriteOnly));
    noDot.close();
}

void TestHomePage::init()
{
    // Every case starts from an empty library.
    QDir(dataPath() + QStringLiteral("/videoPictures")).removeRecursively();
    QFile::remove(libraryFile());
    QFile::remove(dataPath() + QStringLiteral("/corvanevideojson.json"));
    isAddingFiles = false;
}

void TestHomePage::cleanup()
{
    // No test may leave a modal window behind.
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && (qobject_cast<QDialog *>(w) || qobject_cast<ConfirmDelete *>(w)))
            w->close();
    }
}

std::unique_ptr<HomePage> TestHomePage::newPage()
{
    auto page = std::make_unique<HomePage>();
    page->show();
    page->loadVideoList();
    return page;
}

void TestHomePage::wireConfirmation(HomePage *page, ConfirmDelete *dialog)
{
    connect(page, &HomePage::sglShowConfirmDel, dialog, &QWidget::show);
    connect(dialog, &ConfirmDelete::sglDoDelVideoFile, page, &HomePage::slotDoDelVideoFile);
    connect(dialog, &ConfirmDelete::sglCancelDelVideoFile, page, &HomePage::slotCancelDelVideoFile);
}

void TestHomePage::addThroughDialog(HomePage *page, const QStringList &names, DialogPump *pump)
{
    const QString folder = m_media;
    pump->onFileDialog = [folder, names](QFileDialog *dialog) { chooseFiles(dialog, folder, names); };
    pump->start();
    QTest::mouseClick(page->findChild<QPushButton *>(QStringLiteral("tb_add")), Qt::LeftButton);
    pump->stop();
    QVERIFY2(pump->unexpected.isEmpty(), qPrintable(pump->unexpected.join(QLatin1Char('|'))));
}

bool TestHomePage::drop(HomePage *page, const QList<QUrl> &urls)
{
    QMimeData mime;
    mime.setUrls(urls);
    QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(page, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent dropEvent(QPointF(300, 300), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(page, &dropEvent);
    return dropEvent.isAccepted();
}

QStringList TestHomePage::storedIndexes() const
{
    QStringList texts;
    if (!VideoLibraryFile().readTexts(&texts))
        return {QStringLiteral("no file")};
    QStringList indexes;
    for (const QString &text : texts)
        indexes << QJsonDocument::fromJson(text.toUtf8()).object().value(QStringLiteral("index")).toString();
    return indexes;
}

void TestHomePage::emptyLibraryShowsHint()
{
    auto page = std::make_unique<HomePage>();
    QSignalSpy published(page.get(), &HomePage::sglSendJson);
    QSignalSpy update(page.get(), &HomePage::sglSendUpdateUDP);
    page->show();
    QCOMPARE(page->objectName(), QStringLiteral("frmHomePage"));
    QCOMPARE(page->windowTitle(), QStringLiteral("Corvane"));
    QVERIFY(page->acceptDrops());
    QVERIFY(!page->findChild<QWidget *>(QStringLiteral("scrollAreaWidgetContents"))->acceptDrops());
    auto *image = page->findChild<QLabel *>(QStringLiteral("label_addVideoImage"));
    auto *text = page->findChild<QLabel *>(QStringLiteral("label_addVideoText"));
    QVERIFY(image && text);
    QVERIFY(!image->isVisible());
    page->loadVideoList();
    QVERIFY(image->isVisible());
    QVERIFY(text->isVisible());
    QCOMPARE(text->text(), QStringLiteral("add video"));
    QCOMPARE(text->geometry(), QRect(10, 410, 753, 30));
    QCOMPARE(image->geometry(), QRect(264, 155, 236, 236));
    // No library file: nothing published, nothing announced.
    QCOMPARE(published.count(), 0);
    QCOMPARE(update.count(), 0);
    QVERIFY(!page->findChild<QPushButton *>(QStringLiteral("pb_All"))->isVisible());
}

void TestHomePage::sevenVideosFillTheGrid()
{
    auto page = newPage();
    DialogPump pump;
    pump.start();
    QList<QUrl> urls;
    for (int i = 0; i < 7; ++i)
        urls << mediaUrl(i == 1 ? QStringLiteral("clip1.mkv") : QStringLiteral("clip%1.mp4").arg(i));
    QSignalSpy progress(page.get(), &HomePage::slgUpdateDataReadProgress);
    QVERIFY(drop(page.get(), urls));
    // The drop is answered at once; the run follows and ends with one last progress report.
    QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty() && progress.last().at(1).toLongLong() == 0, 60000);
    pump.stop();
    QVERIFY(pump.messages.isEmpty());
    QVERIFY(!isAddingFiles);

    QCOMPARE(page->videos().size(), 7);
    QCOMPARE(page->tileList().size(), 7);
    auto *grid = page->findChild<QGridLayout *>(QStringLiteral("gridLayout"));
    QVERIFY(grid);
    QCOMPARE(grid->count(), 7);
    for (int i = 0; i < 7; ++i) {
        const int at = grid->indexOf(page->tileList().at(i));
        int row, column, rowSpan, columnSpan;
        grid->getItemPosition(at, &row, &column, &rowSpan, &columnSpan);
        QCOMPARE(row, i / 3);
        QCOMPARE(column, i % 3);
        QCOMPARE(page->tileList().at(i)->videoInfo(), page->videos().at(i));
    }
    QVERIFY(!grid->itemAtPosition(2, 1));
    QVERIFY(!grid->itemAtPosition(2, 2));
    QCOMPARE(grid->contentsMargins(), QMargins(6, 0, 32, 20));
    QCOMPARE(grid->horizontalSpacing(), 47);

    // The probe read the real files: durations and posters.
    QCOMPARE(page->videos().at(0)->length, 2);
    QCOMPARE(page->videos().at(1)->length, 3);
    for (CorvaneVideoInfo *info : page->videos()) {
        QCOMPARE(QImage(info->posterPathReal).size(), QSize(212, 119));
        QCOMPARE(info->index, 0); // all of one run carry the library size at its start
    }
    QCOMPARE(storedIndexes().size(), 7);
    QVERIFY(!page->findChild<QLabel *>(QStringLiteral("label_addVideoImage"))->isVisible());
}

void TestHomePage::dialogWithTextFileProbesTwoThenReports()
{
    auto page = newPage();
    DialogPump pump;
    QSignalSpy progress(page.get(), &HomePage::slgUpdateDataReadProgress);
    QSignalSpy published(page.get(), &HomePage::sglSendJson);
    QString title;
    QStringList filters;
    const QString folder = m_media;
    pump.onFileDialog = [&](QFileDialog *dialog) {
        title = dialog->windowTitle();
        filters = dialog->nameFilters();
        chooseFiles(dialog, folder, {QStringLiteral("clip0.mp4"), QStringLiteral("notes.txt"), QStringLiteral("clip1.mkv")});
    };
    pump.start();
    QTest::mouseClick(page->findChild<QPushButton *>(QStringLiteral("tb_add")), Qt::LeftButton);
    pump.stop();
    QVERIFY(pump.unexpected.isEmpty());
    QCOMPARE(pump.fileDialogs, 1);
    QCOMPARE(title, QStringLiteral("Open Video File"));
    QCOMPARE(filters, QStringList({QStringLiteral("Video File(*.mp4 *.avi *.mkv *.mov *.mpg *.rmvb *.wmv *.flv *.3gp "
                                                  "*.asf *.f4v *.m4v *.mpeg *.webm *.vob *.swf *.rm *.ts)"),
                                   QStringLiteral("All File(*.*)")}));
    QCOMPARE(page->videos().size(), 2);
    QStringList added;
    for (CorvaneVideoInfo *info : page->videos())
        added << info->video;
    added.sort();
    QCOMPARE(added, QStringList({QStringLiteral("clip0.mp4"), QStringLiteral("clip1.mkv")}));

    // A run of two files: 0 of 2, 1 of 2, then the closing report.
    QCOMPARE(progress.count(), 3);
    QCOMPARE(progress.at(0).at(0).toLongLong(), 0);
    QCOMPARE(progress.at(0).at(1).toLongLong(), 2);
    QCOMPARE(progress.at(1).at(0).toLongLong(), 1);
    QCOMPARE(progress.at(1).at(1).toLongLong(), 2);
    QCOMPARE(progress.at(2).at(1).toLongLong(), 0);

    // One message after the run, while the progress dialog is still open.
    QCOMPARE(pump.messages.size(), 1);
    QCOMPARE(pump.messages.at(0).message, QStringLiteral("not video file"));
    QCOMPARE(pump.messages.at(0).name, QStringLiteral("notes.txt"));
    QVERIFY(pump.messages.at(0).progressVisible);
    QVERIFY(!page->parseProcess()->isVisible());
    QVERIFY(!page->parseProcess()->isParsing);

    // Each record published as it arrived; the last list has both.
    QCOMPARE(published.count(), 2);
    const QJsonObject last = published.last().at(0).toJsonObject();
    QCOMPARE(last.value(QStringLiteral("number")).toString(), QStringLiteral("2"));
    QCOMPARE(last.value(QStringLiteral("items")).toArray().size(), 2);

    // tb_add is back to an ordinary, connected button.
    auto *add = page->findChild<QPushButton *>(QStringLiteral("tb_add"));
    QVERIFY(!add->isCheckable());
    QVERIFY(QFile::exists(dataPath() + QStringLiteral("/corvanevideojson.json")));
}

void TestHomePage::onlyKnownFilesReportEachAndStartNoRun()
{
    auto page = newPage();
    DialogPump first;
    addThroughDialog(page.get(), {QStringLiteral("clip2.mp4"), QStringLiteral("clip3.mp4")}, &first);
    QCOMPARE(page->videos().size(), 2);
    QVERIFY(first.messages.isEmpty());

    QSignalSpy progress(page.get(), &HomePage::slgUpdateDataReadProgress);
    QSignalSpy published(page.get(), &HomePage::sglSendJson);
    DialogPump again;
    addThroughDialog(page.get(), {QStringLiteral("clip3.mp4"), QStringLiteral("clip2.mp4")}, &again);
    QCOMPARE(again.messages.size(), 2);
    QCOMPARE(again.messages.at(0).message, QStringLiteral("already add the video"));
    QCOMPARE(again.messages.at(1).message, QStringLiteral("already add the video"));
    QStringList names{again.messages.at(0).name, again.messages.at(1).name};
    names.sort();
    QCOMPARE(names, QStringList({QStringLiteral("clip2.mp4"), QStringLiteral("clip3.mp4")}));
    // No run: no progress dialog, no progress report, nothing republished.
    QVERIFY(!again.sawProgress);
    QVERIFY(!again.messages.at(0).progressVisible);
    QCOMPARE(progress.count(), 0);
    QCOMPARE(published.count(), 0);
    QCOMPARE(page->videos().size(), 2);
}

void TestHomePage::secondAddDuringRunRefused()
{
    auto page = newPage();
    DialogPump pump;
    pump.start();
    // Inside the run (the first record has just arrived), both ways in are refused.
    bool tried = false;
    connect(page.get(), &HomePage::slgUpdateDataReadProgress, this, [&](qint64, qint64 total) {
        if (tried || total == 0)
            return;
        tried = true;
        QVERIFY(page->parseProcess()->isParsing);
        QVERIFY(isAddingFiles);
        QTest::ignoreMessage(QtDebugMsg, "is parseing ");
        page->slotAddVideoFile();
        QTest::ignoreMessage(QtDebugMsg, "is parseing ");
        QVERIFY(!drop(page.get(), {mediaUrl(QStringLiteral("clip5.mp4"))}));
    });
    QSignalSpy progress(page.get(), &HomePage::slgUpdateDataReadProgress);
    QVERIFY(drop(page.get(), {mediaUrl(QStringLiteral("clip2.mp4")), mediaUrl(QStringLiteral("clip3.mp4"))}));
    QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty() && progress.last().at(1).toLongLong() == 0, 60000);
    pump.stop();
    QVERIFY(tried);
    QCOMPARE(pump.fileDialogs, 0);
    QVERIFY(pump.messages.isEmpty());
    QCOMPARE(page->videos().size(), 2);
    QVERIFY(!isAddingFiles);
    QVERIFY(!page->parseProcess()->isParsing);
}

void TestHomePage::emptyLibraryFileGivesEmptyList()
{
    QFile empty(libraryFile());
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();
    auto page = std::make_unique<HomePage>();
    QSignalSpy published(page.get(), &HomePage::sglSendJson);
    QSignalSpy update(page.get(), &HomePage::sglSendUpdateUDP);
    page->show();
    page->loadVideoList();
    QVERIFY(!page->findChild<QLabel *>(QStringLiteral("label_addVideoImage"))->isVisible());
    QCOMPARE(published.count(), 1);
    const QJsonObject list = published.at(0).at(0).toJsonObject();
    QCOMPARE(list.value(QStringLiteral("number")).toString(), QStringLiteral("0"));
    QVERIFY(list.value(QStringLiteral("items")).toArray().isEmpty());
    QCOMPARE(update.count(), 0);
    QVERIFY(!page->findChild<QPushButton *>(QStringLiteral("tb_del"))->isEnabled());
}

void TestHomePage::onlyRejectedFilesKeepHintHidden()
{
    auto page = newPage();
    auto *hint = page->findChild<QLabel *>(QStringLiteral("label_addVideoImage"));
    QVERIFY(hint->isVisible());
    DialogPump pump;
    addThroughDialog(page.get(), {QStringLiteral("notes.txt")}, &pump);
    QCOMPARE(pump.messages.size(), 1);
    QCOMPARE(pump.messages.at(0).message, QStringLiteral("not video file"));
    QVERIFY(page->videos().isEmpty());
    QVERIFY(!hint->isVisible());
}

void TestHomePage::sameFileTwiceInOneDropAcceptedOnce()
{
    auto page = newPage();
    DialogPump pump;
    pump.start();
    QSignalSpy progress(page.get(), &HomePage::slgUpdateDataReadProgress);
    QVERIFY(drop(page.get(), {mediaUrl(QStringLiteral("clip4.mp4")), mediaUrl(QStringLiteral("clip4.mp4"))}));
    QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty() && progress.last().at(1).toLongLong() == 0, 60000);
    pump.stop();
    QCOMPARE(page->videos().size(), 1);
    QCOMPARE(page->videos().at(0)->videoPathReal, m_media + QStringLiteral("/clip4.mp4"));
    QCOMPARE(pump.messages.size(), 1);
    QCOMPARE(pump.messages.at(0).message, QStringLiteral("already add the video"));
    QCOMPARE(pump.messages.at(0).name, QStringLiteral("clip4.mp4"));
    // A run of one file.
    QCOMPARE(progress.first().at(1).toLongLong(), 1);
}

void TestHomePage::dropRejections_data()
{
    QTest::addColumn<QList<QUrl>>("urls");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("no dot") << QList<QUrl>{mediaUrl(QStringLiteral("README"))} << QStringList{QStringLiteral("README")};
    QTest::newRow("text file") << QList<QUrl>{mediaUrl(QStringLiteral("notes.txt"))}
                               << QStringList{QStringLiteral("notes.txt")};
    QTest::newRow("not a local file") << QList<QUrl>{QUrl(QStringLiteral("http://127.0.0.1/remote.mp4"))}
                                      << QStringList{QStringLiteral("http://127.0.0.1/remote.mp4")};
    QTest::newRow("two at once") << QList<QUrl>{mediaUrl(QStringLiteral("notes.txt")), mediaUrl(QStringLiteral("README"))}
                                 << QStringList{QStringLiteral("notes.txt"), QStringLiteral("README")};
}

void TestHomePage::dropRejections()
{
    QFETCH(QList<QUrl>, urls);
    QFETCH(QStringList, names);
    auto page = newPage();
    DialogPump pump;
    pump.start();
    QSignalSpy progress(page.get(), &HomePage::slgUpdateDataReadProgress);
    QVERIFY(drop(page.get(), urls));
    QTRY_COMPARE(pump.messages.size(), names.size());
    pump.stop();
    for (int i = 0; i < names.size(); ++i) {
        QCOMPARE(pump.messages.at(i).message, QStringLiteral("not video file"));
        QCOMPARE(pump.messages.at(i).name, names.at(i));
    }
    QVERIFY(!pump.sawProgress);
    QCOMPARE(progress.count(), 0);
    QVERIFY(page->videos().isEmpty());
}

void TestHomePage::selectingEveryTileSelectsAll()
{
    auto page = newPage();
    DialogPump pump;
    addThroughDialog(page.get(), {QStringLiteral("clip0.mp4"), QStringLiteral("clip2.mp4"), QStringLiteral("clip3.mp4")},
                     &pump);
    QCOMPARE(page->tileList().size(), 3);
    auto *del = page->findChild<QPushButton *>(QStringLiteral("tb_del"));
    auto *all = page->findChild<QPushButton *>(QStringLiteral("pb_All"));
    auto *label = page->findChild<QLabel *>(QStringLiteral("label_all"));
    QTest::mouseClick(del, Qt::LeftButton);
    QVERIFY(page->isDeleteMode());
    QVERIFY(all->isVisible());
    QVERIFY(label->isVisible());
    QCOMPARE(all->styleSheet(), QLatin1String(kAllInDeleteModeStyle));

    for (HomeSub *tile : page->tileList()) {
        QVERIFY(!page->isAllSelected());
        auto *check = tile->findChild<QToolButton *>(QStringLiteral("tb_check"));
        QVERIFY(check->isVisible());
        QTest::mouseClick(check, Qt::LeftButton);
    }
    QVERIFY(page->isAllSelected());
    QCOMPARE(page->selectedVideoList().size(), 3);
    QCOMPARE(all->styleSheet(), QLatin1String(kAllSelectedStyle));
    QVERIFY(label->styleSheet().contains(QStringLiteral("#28acb8")));

    QTest::mouseClick(page->tileList().at(1)->findChild<QToolButton *>(QStringLiteral("tb_check")), Qt::LeftButton);
    QVERIFY(!page->isAllSelected());
    QCOMPARE(page->selectedVideoList().size(), 2);
    QVERIFY(!page->selectedVideoList().contains(page->videos().at(1)));
    QCOMPARE(all->styleSheet(), QLatin1String(kAllInDeleteModeStyle));
    QVERIFY(label->styleSheet().contains(QStringLiteral("#9da1a3")));

    // Leaving the page's delete mode from outside clears every selection.
    page->resetDeleteMode();
    QVERIFY(!page->isDeleteMode());
    QVERIFY(page->selectedVideoList().isEmpty());
    QVERIFY(!all->isVisible());
    for (HomeSub *tile : page->tileList()) {
        QVERIFY(!tile->isSelected());
        QVERIFY(!tile->findChild<QToolButton *>(QStringLiteral("tb_check"))->isVisible());
    }
}

void TestHomePage::selectAllButtonToggles()
{
    auto page = newPage();
    DialogPump pump;
    addThroughDialog(page.get(), {QStringLiteral("clip0.mp4"), QStringLiteral("clip2.mp4")}, &pump);
    QTest::mouseClick(page->findChild<QPushButton *>(QStringLiteral("tb_del")), Qt::LeftButton);
    auto *all = page->findChild<QPushButton *>(QStringLiteral("pb_All"));
    QTest::mouseClick(all, Qt::LeftButton);
    QVERIFY(page->isAllSelected());
    QCOMPARE(page->selectedVideoList(), page->videos());
    for (HomeSub *tile : page->tileList())
        QVERIFY(tile->isSelected());
    QTest::mouseClick(all, Qt::LeftButton);
    QVERIFY(!page->isAllSelected());
    QVERIFY(page->selectedVideoList().isEmpty());
    for (HomeSub *tile : page->tileList())
        QVERIFY(!tile->isSelected());
}

void TestHomePage::deleteButtonTwiceWithNothingSelected()
{
    auto page = newPage();
    DialogPump pump;
    addThroughDialog(page.get(), {QStringLiteral("clip0.mp4"), QStringLiteral("clip2.mp4")}, &pump);
    QSignalSpy confirm(page.get(), &HomePage::sglShowConfirmDel);
    auto *del = page->findChild<QPushButton *>(QStringLiteral("tb_del"));
    QTest::mouseClick(del, Qt::LeftButton);
    QVERIFY(page->isDeleteMode());
    QCOMPARE(del->styleSheet(), QStringLiteral("QPushButton{background-image:url(:/Corvane/Skin/new/delete_press.png);border:0px;}"));
    QTest::mouseClick(del, Qt::LeftButton);
    QVERIFY(!page->isDeleteMode());
    QCOMPARE(confirm.count(), 0);
    QVERIFY(del->styleSheet().contains(QStringLiteral("delete_normal.png")));
    QVERIFY(!page->findChild<QPushButton *>(QStringLiteral("pb_All"))->isVisible());
    QVERIFY(!page->findChild<QLabel *>(QStringLiteral("label_all"))->isVisible());
    for (HomeSub *tile : page->tileList())
        QVERIFY(!tile->findChild<QToolButton *>(QStringLiteral("tb_check"))->isVisible());
    QCOMPARE(page->videos().size(), 2);
}

void TestHomePage::confirmedDeleteRemovesPosterAndRenumbers()
{
    auto page = newPage();
    ConfirmDelete confirmDialog;
    wireConfirmation(page.get(), &confirmDialog);

    DialogPump pump;
    addThroughDialog(page.get(), {QStringLiteral("clip0.mp4"), QStringLiteral("clip2.mp4")}, &pump);
    addThroughDialog(page.get(), {QStringLiteral("clip3.mp4"), QStringLiteral("clip5.mp4")}, &pump);
    QCOMPARE(page->videos().size(), 4);
    // Two runs: the stored indexes are the library sizes at their starts.
    QCOMPARE(storedIndexes(), QStringList({QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("2"), QStringLiteral("2")}));

    CorvaneVideoInfo *doomed = page->videos().at(1);
    const QString doomedPoster = doomed->posterPathReal;
    const QString doomedVideo = doomed->videoPathReal;
    QVERIFY(QFile::exists(doomedPoster));
    QStringList keptPosters, keptNames;
    for (CorvaneVideoInfo *info : page->videos()) {
        if (info != doomed) {
            keptPosters << info->posterPathReal;
            keptNames << info->video;
        }
    }

    auto *del = page->findChild<QPushButton *>(QStringLiteral("tb_del"));
    QTest::mouseClick(del, Qt::LeftButton);
    QTest::mouseClick(page->tileList().at(1)->findChild<QToolButton *>(QStringLiteral("tb_check")), Qt::LeftButton);
    QTest::mouseClick(del, Qt::LeftButton);
    QVERIFY(confirmDialog.isVisible());
    QSignalSpy published(page.get(), &HomePage::sglSendJson);
    QTest::mouseClick(confirmDialog.findChild<QPushButton *>(QStringLiteral("pb_delete")), Qt::LeftButton);
    QVERIFY(!confirmDialog.isVisible());

    QVERIFY(!QFile::exists(doomedPoster));
    QVERIFY(QFile::exists(doomedVideo)); // the video file itself is never deleted
    for (const QString &poster : keptPosters)
        QVERIFY(QFile::exists(poster));
    QCOMPARE(page->videos().size(), 3);
    QCOMPARE(page->tileList().size(), 3);
    QStringList names;
    for (int i = 0; i < 3; ++i) {
        names << page->videos().at(i)->video;
        QCOMPARE(page->videos().at(i)->index, i);
        QCOMPARE(page->tileList().at(i)->videoInfo(), page->videos().at(i));
    }
    QCOMPARE(names, keptNames);
    QCOMPARE(storedIndexes(), QStringList({QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")}));
    QCOMPARE(published.count(), 1);
    QCOMPARE(published.last().at(0).toJsonObject().value(QStringLiteral("number")).toString(), QStringLiteral("3"));
    QVERIFY(!page->findChild<QPushButton *>(QStringLiteral("pb_All"))->isVisible());

    // The export follows the library.
    QFile exported(dataPath() + QStringLiteral("/corvanevideojson.json"));
    QVERIFY(exported.open(QIODevice::ReadOnly));
    const QJsonObject exportedList = QJsonDocument::fromJson(exported.readAll()).object();
    QCOMPARE(exportedList.value(QStringLiteral("items")).toArray().size(), 3);

    // The deleted file can be added again.
    addThroughDialog(page.get(), {QFileInfo(doomedVideo).fileName()}, &pump);
    QCOMPARE(page->videos().size(), 4);
}

void TestHomePage::cancelledDeleteKeepsEverything()
{
    auto page = newPage();
    ConfirmDelete confirmDialog;
    wireConfirmation(page.get(), &confirmDialog);
    DialogPump pump;
    addThroughDialog(page.get(), {QStringLiteral("clip0.mp4"), QStringLiteral("clip2.mp4")}, &pump);
    const QByteArray before = [this] { QFile f(libraryFile()); f.open(QIODevice::ReadOnly); return f.readAll(); }();

    auto *del = page->findChild<QPushButton *>(QStringLiteral("tb_del"));
    QTest::mouseClick(del, Qt::LeftButton);
    QTest::mouseClick(page->findChild<QPushButton *>(QStringLiteral("pb_All")), Qt::LeftButton);
    QTest::mouseClick(del, Qt::LeftButton);
    QVERIFY(confirmDialog.isVisible());
    QTest::mouseClick(confirmDialog.findChild<QPushButton *>(QStringLiteral("pb_cancel")), Qt::LeftButton);
    QVERIFY(!page->isDeleteMode());
    QCOMPARE(page->videos().size(), 2);
    for (CorvaneVideoInfo *info : page->videos())
        QVERIFY(QFile::exists(info->posterPathReal));
    QFile after(libraryFile());
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), before);
    for (HomeSub *tile : page->tileList())
        QVERIFY(!tile->findChild<QToolButton *>(QStringLiteral("tb_check"))->isVisible());
}

void TestHomePage::deletingLastVideoRemovesLibraryFile()
{
    auto page = newPage();
    DialogPump pump;
    addThroughDialog(page.get(), {QStringLiteral("clip6.mp4")}, &pump);
    QVERIFY(QFile::exists(libraryFile()));
    const QString poster = page->videos().at(0)->posterPathReal;

    QSignalSpy published(page.get(), &HomePage::sglSendJson);
    QSignalSpy confirm(page.get(), &HomePage::sglShowConfirmDel);
    auto *del = page->findChild<QPushButton *>(QStringLiteral("tb_del"));
    QTest::mouseClick(del, Qt::LeftButton);
    QTest::mouseClick(page->findChild<QPushButton *>(QStringLiteral("pb_All")), Qt::LeftButton);
    QTest::mouseClick(del, Qt::LeftButton);
    QCOMPARE(confirm.count(), 1);
    page->slotDoDelVideoFile(); // the container's "yes"

    QVERIFY(!QFile::exists(libraryFile()));
    QVERIFY(!QFile::exists(poster));
    QVERIFY(QFile::exists(m_media + QStringLiteral("/clip6.mp4")));
    QVERIFY(page->videos().isEmpty());
    QVERIFY(page->tileList().isEmpty());
    QVERIFY(page->findChild<QLabel *>(QStringLiteral("label_addVideoImage"))->isVisible());
    QVERIFY(!del->isEnabled());
    QCOMPARE(published.count(), 1);
    const QJsonObject list = published.last().at(0).toJsonObject();
    QCOMPARE(list.value(QStringLiteral("number")).toString(), QStringLiteral("0"));
    QVERIFY(list.value(QStringLiteral("items")).toArray().isEmpty());

    // The next added video creates the file again.
    addThroughDialog(page.get(), {QStringLiteral("clip6.mp4")}, &pump);
    QCOMPARE(storedIndexes(), QStringList({QStringLiteral("0")}));
    QVERIFY(del->isEnabled());
}

void TestHomePage::loadRestoresLibraryAndAnnounces()
{
    {
        auto page = newPage();
        DialogPump pump;
        addThroughDialog(page.get(), {QStringLiteral("clip0.mp4"), QStringLiteral("clip1.mkv"), QStringLiteral("clip2.mp4")},
                         &pump);
        QCOMPARE(storedIndexes(), QStringList({QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")}));
    }
    auto page = std::make_unique<HomePage>();
    QSignalSpy published(page.get(), &HomePage::sglSendJson);
    QSignalSpy update(page.get(), &HomePage::sglSendUpdateUDP);
    page->show();
    const int counterBefore = udpRefreshCounter;
    page->loadVideoList();
    QCOMPARE(page->videos().size(), 3);
    QCOMPARE(page->tileList().size(), 3);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(page->videos().at(i)->index, i);
    QCOMPARE(published.count(), 1);
    QCOMPARE(published.at(0).at(0).toJsonObject().value(QStringLiteral("number")).toString(), QStringLiteral("3"));
    QCOMPARE(update.count(), 1);
    QCOMPARE(int(udpRefreshCounter), counterBefore + 1);
    QVERIFY(page->findChild<QPushButton *>(QStringLiteral("tb_del"))->isEnabled());
    QVERIFY(!page->findChild<QLabel *>(QStringLiteral("label_addVideoImage"))->isVisible());

    // Loaded paths count as added.
    DialogPump pump;
    addThroughDialog(page.get(), {QStringLiteral("clip1.mkv")}, &pump);
    QCOMPARE(pump.messages.size(), 1);
    QCOMPARE(pump.messages.at(0).message, QStringLiteral("already add the video"));
}

void TestHomePage::announcementsAfterChange()
{
    auto page = newPage();
    DialogPump pump;
    QSignalSpy update(page.get(), &HomePage::sglSendUpdateUDP);
    QSignalSpy refresh(page.get(), &HomePage::sglSendRefreshUDP);
    auto *timer = page->findChild<QTimer *>(QStringLiteral("announceTimer"));
    QVERIFY(timer);
    const int counterBefore = udpRefreshCounter;
    addThroughDialog(page.get(), {QStringLiteral("clip7.mp4")}, &pump);
    QCOMPARE(update.count(), 1);
    QCOMPARE(int(udpRefreshCounter), counterBefore + 1);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 900);
    QTRY_COMPARE_WITH_TIMEOUT(refresh.count(), 3, 10000);
    // The third refresh stops the timer: nothing more follows.
    QVERIFY(!timer->isActive());
    QCOMPARE(update.count(), 1);

    // A batch whose only file is rejected changes nothing: nothing is announced.
    update.clear();
    refresh.clear();
    DialogPump rejected;
    addThroughDialog(page.get(), {QStringLiteral("notes.txt")}, &rejected);
    QCOMPARE(update.count(), 0);
    QVERIFY(!timer->isActive());

    // Deleting is a change too, with its own sequence.
    page->slotDelVideoFile();
    page->slotSelectAll();
    page->slotDelVideoFile();
    page->slotDoDelVideoFile();
    QCOMPARE(update.count(), 1);
    QVERIFY(timer->isActive());
    QTRY_COMPARE_WITH_TIMEOUT(refresh.count(), 3, 10000);
    QVERIFY(!timer->isActive());
}

void TestHomePage::refreshVideoStateRepairsPosters()
{
    auto page = newPage();
    DialogPump pump;
    addThroughDialog(page.get(), {QStringLiteral("clip0.mp4"), QStringLiteral("clip2.mp4")}, &pump);
    const QString poster = page->videos().at(1)->posterPathReal;
    QVERIFY(QFile::remove(poster));
    QSignalSpy update(page.get(), &HomePage::sglSendUpdateUDP);
    QSignalSpy published(page.get(), &HomePage::sglSendJson);
    const int counterBefore = udpRefreshCounter;
    page->refreshVideoState();
    QVERIFY(QFile::exists(poster));
    QCOMPARE(QImage(poster).size(), QImage(QCoreApplication::applicationDirPath()
                                           + QStringLiteral("/DefaultPoster/DefaultPoster.png")).size());
    QCOMPARE(update.count(), 1);
    QCOMPARE(published.count(), 1);
    QCOMPARE(int(udpRefreshCounter), counterBefore); // no counter change
}

void TestHomePage::refreshVideoStateCoalesced()
{
    // A client's stream of bad requests: the first refresh runs at once, the
    // rest of the burst makes one more, later.
    auto page = newPage();
    DialogPump pump;
    addThroughDialog(page.get(), {QStringLiteral("clip0.mp4")}, &pump);
    QSignalSpy update(page.get(), &HomePage::sglSendUpdateUDP);
    QSignalSpy published(page.get(), &HomePage::sglSendJson);
    for (int i = 0; i < 50; ++i)
        page->refreshVideoState();
    QCOMPARE(update.count(), 1);
    QCOMPARE(published.count(), 1);
    auto *timer = page->findChild<QTimer *>(QStringLiteral("refreshTimer"));
    QVERIFY(timer);
    QTRY_COMPARE(update.count(), 2);
    QTRY_VERIFY(!timer->isActive());
    QCOMPARE(update.count(), 2);
    QCOMPARE(published.count(), 2);
}

void TestHomePage::addThatCannotBeStoredShowsNoTile()
{
    // A library larger than any poster: a file-size limit just above it
    // stops the next record (as a full disk would), not the posters.
    QList<CorvaneVideoInfo *> stored;
    for (int i = 0; i < 60; ++i) {
        stored << new CorvaneVideoInfo;
        stored.last()->videoPathReal = m_media + QStringLiteral("/clip1.mkv");
        stored.last()->video = stored.last()->videoPath = QString::number(1607300000000LL + i);
    }
    QStringList texts;
    QVERIFY(VideoLibraryFile().rewrite(stored, &texts));
    qDeleteAll(stored);
    const QByteArray before = TestSupport::fileBytes(libraryFile());
    auto page = newPage();
    DialogPump pump;
    const QStringList two{QStringLiteral("clip0.mp4"), QStringLiteral("clip2.mp4")};
    {
        FileSizeLimit limit(before.size() + 16);
        addThroughDialog(page.get(), two, &pump);
    }
    QCOMPARE(TestSupport::fileBytes(libraryFile()), before);
    QCOMPARE(page->tileList().size(), 60);
    QCOMPARE(page->itemTextList(), texts);
    QCOMPARE(QDir(dataPath() + QStringLiteral("/videoPictures")).entryList(QDir::Files), QStringList());
    QCOMPARE(pump.messages.size(), 2);
    QCOMPARE(pump.messages.at(1).message, QCoreApplication::translate("HomePage",
        "The video could not be saved to the library. Please check the free disk space and try again."));
    QCOMPARE(pump.messages.at(1).name, two.at(1));
    // A folder's videos that cannot be stored are told in its one summary.
    const QString tree = makeTree(QStringLiteral("no room"));
    pump.start();
    {
        FileSizeLimit limit(before.size() + 16);
        page->addFolders({tree});
    }
    pump.stop();
    QCOMPARE(pump.prompts, QStringList{QStringLiteral("1 not video files, 2 could not be stored in the library")});
    QCOMPARE(page->tileList().size(), 60);
    addThroughDialog(page.get(), two, &pump); // with room again
    QCOMPARE(page->tileList().size(), 62);
}

void TestHomePage::deleteKeepsPageAndFileInStep_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("all");
    QTest::newRow("one video") << QString() << false;
    QTest::newRow("every video, then All selects the next ones") << QString() << true;
    QTest::newRow("file-size limit during the rewrite") << QStringLiteral("fsize") << false;
    QTest::newRow("a probe run is active") << QStringLiteral("adding") << false;
}

void TestHomePage::deleteKeepsPageAndFileInStep()
{
    QFETCH(QString, fault);
    QFETCH(bool, all);
    auto page = newPage();
    DialogPump pump;
    const QStringList three{QStringLiteral("clip0.mp4"), QStringLiteral("clip2.mp4"), QStringLiteral("clip3.mp4")};
    addThroughDialog(page.get(), three, &pump);
    QCOMPARE(page->videos().size(), 3);
    const QByteArray before = TestSupport::fileBytes(libraryFile());
    const QString doomedPoster = page->videos().at(1)->posterPathReal;

    page->slotDelVideoFile();
    if (all)
        page->slotSelectAll();
    else
        page->slotSelectForDelete(page->videos().at(1), true);
    page->slotDelVideoFile(); // asks for the confirmation
    pump.start();
    {
        std::unique_ptr<FileSizeLimit> limit;
        if (fault == QLatin1String("fsize"))
            limit = std::make_unique<FileSizeLimit>(before.size() / 2);
        isAddingFiles = fault == QLatin1String("adding");
        page->slotDoDelVideoFile(); // the container's "yes"
        isAddingFiles = false;
    }
    QTRY_COMPARE(pump.prompts.size(), fault.isEmpty() ? 0 : 1);

    // What the page shows is what the file holds, before and after a restart.
    const int expected = !fault.isEmpty() ? 3 : all ? 0 : 2;
    QCOMPARE(page->videos().size(), expected);
    QCOMPARE(page->tileList().size(), expected);
    QCOMPARE(page->itemTextList().size(), expected);
    QStringList stored;
    VideoLibraryFile().readTexts(&stored);
    QCOMPARE(stored.size(), expected);
    QCOMPARE(QFile::exists(doomedPoster), !fault.isEmpty());
    if (!fault.isEmpty())
        QCOMPARE(TestSupport::fileBytes(libraryFile()), before);
    QVERIFY(!page->isDeleteMode());
    QVERIFY(!page->isAllSelected());
    QVERIFY(page->selectedVideoList().isEmpty());

    // The next delete starts from nothing selected; All selects every video.
    if (all) { // dropped this time: a drop does not pass through the add button
        QList<QUrl> urls;
        for (const QString &name : three)
            urls << mediaUrl(name);
        QVERIFY(drop(page.get(), urls));
        QTRY_COMPARE(page->videos().size(), 3);
        QTRY_VERIFY(!isAddingFiles);
    }
    page->slotDelVideoFile();
    QVERIFY(page->selectedVideoList().isEmpty());
    QTest::mouseClick(page->findChild<QPushButton *>(QStringLiteral("pb_All")), Qt::LeftButton);
    QVERIFY(page->isAllSelected());
    QCOMPARE(page->selectedVideoList().size(), page->videos().size());
    page->resetDeleteMode();
    pump.stop();
}

void TestHomePage::libraryTextMembers()
{
    auto page = newPage();
    DialogPump pump;
    addThroughDialog(page.get(), {QStringLiteral("clip0.mp4"), QStringLiteral("clip1.mkv")}, &pump);
    QCOMPARE(page->videos().size(), 2);

    // The list text is built from itemTexts and is what the page publishes.
    const QString list = page->buildVideoListText();
    QCOMPARE(list, QStringLiteral("{\"number\":\"2\",\"items\": [") + page->itemTextList().join(QLatin1Char(','))
                       + QStringLiteral("]}"));
    QSignalSpy published(page.get(), &HomePage::sglSendJson);
    page->publishVideoList();
    QCOMPARE(published.count(), 1);
    QCOMPARE(published.at(0).at(0).toJsonObject(), QJsonDocument::fromJson(list.toUtf8()).object());

    // Item texts of the page's own records.
    QCOMPARE(page->videoInfoToJsonText(page->videos().at(1)), page->itemTextList().at(1));
    QCOMPARE(page->videoInfoToJsonText(nullptr), QString());

    // A record made from an item object takes the library's size as index.
    const QJsonObject item = page->getJsonObjectFromString(page->itemTextList().at(0));
    QCOMPARE(item.value(QStringLiteral("video")).toString(), QStringLiteral("clip0.mp4"));
    std::unique_ptr<CorvaneVideoInfo> copy(page->videoInfoFromJson(item));
    QVERIFY(copy);
    QCOMPARE(copy->index, 2);
    QCOMPARE(copy->videoPath, page->videos().at(0)->videoPath);
    QCOMPARE(copy->videoPathReal, page->videos().at(0)->videoPathReal);
    QVERIFY(!page->videoInfoFromJson(QJsonObject()));
    QVERIFY(page->getJsonObjectFromString(QStringLiteral("{\"index\":")).isEmpty());
}


QString TestHomePage::makeTree(const QString &name) const
{
    const QString root = m_dataHome.path() + QLatin1Char('/') + name;
    QDir(root).removeRecursively();
    QDir().mkpath(root + QStringLiteral("/a"));
    QDir().mkpath(root + QStringLiteral("/.hidden"));
    QFile::copy(m_media + QStringLiteral("/clip0.mp4"), root + QStringLiteral("/a/first.mp4"));
    QFile::copy(m_media + QStringLiteral("/clip1.mkv"), root + QStringLiteral("/second.mkv"));
    QFile::copy(m_media + QStringLiteral("/clip0.mp4"), root + QStringLiteral("/.hidden/third.mp4"));
    QFile::copy(m_media + QStringLiteral("/notes.txt"), root + QStringLiteral("/a/notes.txt"));
    QFile::link(QStringLiteral(".."), root + QStringLiteral("/a/loop"));
    return root;
}

void TestHomePage::addFolder_data()
{
    QTest::addColumn<bool>("chooser");
    QTest::addColumn<bool>("watch");
    QTest::addColumn<QString>("summary");
    QTest::newRow("chooser, kept watched") << true << true << QStringLiteral("2 added, 1 not video file");
    QTest::newRow("chooser") << true << false << QStringLiteral("2 added, 1 not video file");
    QTest::newRow("drop with a loose file") << false << false << QStringLiteral("2 added, 2 not video files");
}

void TestHomePage::addFolder()
{
    QFETCH(bool, chooser);
    QFETCH(bool, watch);
    QFETCH(QString, summary);
    const QString root = makeTree(QStringLiteral("tree"));
    // The plural forms as the shipped language (us) has them.
    QTranslator english;
    QVERIFY(english.load(QCoreApplication::applicationDirPath() + QStringLiteral("/translation/corvane_en.qm")));
    QCoreApplication::installTranslator(&english);
    auto page = newPage();
    QSignalSpy watched(page.get(), &HomePage::sglWatchFolder);
    QSignalSpy progress(page.get(), &HomePage::slgUpdateDataReadProgress);
    DialogPump pump;
    pump.onFileDialog = [this, watch](QFileDialog *dialog) {
        if (auto *keep = dialog->findChild<QCheckBox *>(QStringLiteral("keepWatching")))
            keep->setChecked(watch);
        chooseFiles(dialog, m_dataHome.path(), {QStringLiteral("tree")});
    };
    pump.start();
    if (chooser)
        QTest::mouseClick(page->findChild<QPushButton *>(QStringLiteral("tb_addFolder")), Qt::LeftButton);
    else
        QVERIFY(drop(page.get(), {QUrl::fromLocalFile(root), mediaUrl(QStringLiteral("notes.txt"))}));
    QTRY_COMPARE_WITH_TIMEOUT(pump.prompts.size(), 1, 60000);
    QCOMPARE(pump.prompts.first(), summary);
    QVERIFY(!progress.isEmpty());
    QVERIFY(pump.messages.isEmpty()); // one message, not one per file
    QCOMPARE(pump.fileDialogs, chooser ? 1 : 0);
    QCOMPARE(watched.count(), watch ? 1 : 0);
    if (watch)
        QCOMPARE(watched.first().first().toString(), root);
    QStringList added;
    for (CorvaneVideoInfo *info : page->videos())
        added << info->videoPathReal;
    QCOMPARE(added, QStringList({root + QStringLiteral("/a/first.mp4"), root + QStringLiteral("/second.mkv")}));

    // Again: all known, told at once, no probe run.
    progress.clear();
    QVERIFY(drop(page.get(), {QUrl::fromLocalFile(root)}));
    QTRY_COMPARE(pump.prompts.size(), 2);
    pump.stop();
    QCOMPARE(pump.prompts.last(), QStringLiteral("2 already in the library, 1 not video file"));
    QVERIFY(progress.isEmpty());
    QCOMPARE(page->videos().size(), 2);
}

void TestHomePage::missingVideosMarkedThenRemoved()
{
    const QString root = makeTree(QStringLiteral("moving"));
    QVERIFY(QFile::copy(root + QStringLiteral("/second.mkv"), root + QStringLiteral("/a/kept.mkv")));
    QWidget window; // the page is a child of the main window, as in the program
    auto page = newPage();
    page->setParent(&window);
    window.show();
    page->show();
    ConfirmDelete confirmDialog;
    wireConfirmation(page.get(), &confirmDialog);
    DialogPump pump;
    pump.start();
    page->addFolders({root});
    QTRY_COMPARE_WITH_TIMEOUT(page->videos().size(), 3, 60000);
    pump.stop();
    auto *remove = page->findChild<QPushButton *>(QStringLiteral("tb_removeMissing"));
    QVERIFY(!remove->isVisible());

    // Moved away while the window was in the background.
    QVERIFY(QFile::rename(root + QStringLiteral("/a/first.mp4"), m_dataHome.path() + QStringLiteral("/first.mp4")));
    QVERIFY(QFile::remove(root + QStringLiteral("/second.mkv")));
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(&window);
    QTRY_VERIFY(remove->isVisible());
    QCOMPARE(remove->text(), QStringLiteral("Remove missing videos (2)"));
    QList<bool> greyed;
    for (HomeSub *tile : page->tileList())
        greyed << (tile->isVideoMissing() && tile->findChild<QLabel *>(QStringLiteral("labelBanner"))->isVisible()
                   && tile->findChild<QPushButton *>(QStringLiteral("pushButtonPic"))->graphicsEffect());
    QCOMPARE(greyed, QList<bool>({true, false, true}));
    CorvaneVideoInfo *kept = page->videos().at(1);
    const QByteArray before = TestSupport::fileBytes(libraryFile());

    // Nothing goes without the user's word; then exactly the gone ones go.
    QTest::mouseClick(remove, Qt::LeftButton);
    QVERIFY(confirmDialog.isVisible());
    QTest::mouseClick(confirmDialog.findChild<QPushButton *>(QStringLiteral("pb_cancel")), Qt::LeftButton);
    QCOMPARE(page->videos().size(), 3);
    QCOMPARE(TestSupport::fileBytes(libraryFile()), before);
    QTest::mouseClick(remove, Qt::LeftButton);
    QTest::mouseClick(confirmDialog.findChild<QPushButton *>(QStringLiteral("pb_delete")), Qt::LeftButton);
    QCOMPARE(page->videos(), QList<CorvaneVideoInfo *>({kept}));
    QCOMPARE(storedIndexes(), QStringList({QStringLiteral("0")}));
    QVERIFY(!remove->isVisible());
    QVERIFY(QFile::exists(m_dataHome.path() + QStringLiteral("/first.mp4")));
}

QTEST_MAIN(TestHomePage)
#include "tst_homepage.moc"
