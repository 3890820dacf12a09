// The video tile and the two small dialogs of the library page, as real
// widgets on the offscreen platform, with files in a temporary data folder.

#include "dialogpump.h"
#include "testvideos.h"

#include "library/corvanevideoinfo.h"
#include "library/projectionstore.h"
#include "settings/session.h"
#include "ui/library/confirmdelete.h"
#include "ui/library/homesub.h"
#include "ui/library/parseprocess.h"

#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <memory>

class TestHomeSub : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void sizeText_data();
    void sizeText();
    void durationText_data();
    void durationText();
    void nullRecordLeavesTileEmpty();

    void banner_data();
    void banner();
    void blankBannerFollowsVideoFile();

    void posterShownAsScaledIcon();
    void missingPosterReplacedAtBinding();
    void emptyPosterPathUsesDefaultStyle();
    void changeStateRecreatesDeletedPoster();
    void unreadablePosterLeavesEmptyIcon();

    void captionScrolling_data();
    void captionScrolling();

    void checkButtonAndSelection();
    void projectionBadgeAndMenu();

    void confirmDeleteButtons_data();
    void confirmDeleteButtons();
    void confirmDeleteForm();
    void parseProcessProgress();
    void parseProcessIgnoresEscape();

private:
    std::unique_ptr<CorvaneVideoInfo> makeRecord(const QString &name, bool withVideo, bool withPoster);
    QString defaultPosterFile() const;

    QTemporaryDir m_dataHome;
    QString m_media;
};

void TestHomeSub::initTestCase()
{
    QVERIFY(m_dataHome.isValid());
    qputenv("XDG_DATA_HOME", m_dataHome.path().toUtf8());
    QVERIFY(!Session::instance()->getDataPath().isEmpty());
    QVERIFY(Session::instance()->getDataPath().startsWith(m_dataHome.path()));
    m_media = m_dataHome.path() + QStringLiteral("/media");
    QVERIFY(QDir().mkpath(m_media));
    QVERIFY(QDir().mkpath(Session::instance()->getDataPath() + QStringLiteral("/videoPictures")));
    QVERIFY2(QFile::exists(defaultPosterFile()), qPrintable(defaultPosterFile()));
}

void TestHomeSub::init()
{
    TestSupport::writeLanguage(QStringLiteral("us"));
}

QString TestHomeSub::defaultPosterFile() const
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/DefaultPoster/DefaultPoster.png");
}

std::unique_ptr<CorvaneVideoInfo> TestHomeSub::makeRecord(const QString &name, bool withVideo, bool withPoster)
{
    auto info = std::make_unique<CorvaneVideoInfo>();
    static int serial = 0;
    const QString id = QStringLiteral("16073000000%1").arg(++serial, 2, 10, QLatin1Char('0'));
    info->videoPath = info->posterPath = id;
    info->video = name;
    info->videoPathReal = m_media + QLatin1Char('/') + id + QLatin1Char('_') + name;
    info->poster = id + QStringLiteral(".png");
    info->posterPathReal = Session::instance()->getDataPath() + QStringLiteral("/videoPictures/") + info->poster;
    info->size = 2048;
    info->length = 95;
    if (withVideo) {
        QFile video(info->videoPathReal);
        if (video.open(QIODevice::WriteOnly))
            video.write("not really a video, the tile only looks at its existence");
    }
    if (withPoster) {
        // A picture the size the probe writes, in a colour the default poster does not have.
        QImage poster(212, 119, QImage::Format_RGB32);
        poster.fill(QColor(200, 30, 60));
        poster.save(info->posterPathReal, "PNG");
    }
    return info;
}

void TestHomeSub::sizeText_data()
{
    QTest::addColumn<int>("kib");
    QTest::addColumn<QString>("text");
    QTest::newRow("1023 KiB rounds up") << 1023 << QStringLiteral("1.00MB");
    QTest::newRow("2048 KiB") << 2048 << QStringLiteral("2.00MB");
    QTest::newRow("just under a GiB") << 1048575 << QStringLiteral("1024.00MB");
    QTest::newRow("1048576 KiB") << 1048576 << QStringLiteral("1.00GB");
    QTest::newRow("1572864 KiB") << 1572864 << QStringLiteral("1.50GB");
    QTest::newRow("empty file") << 0 << QStringLiteral("0.00MB");
}

void TestHomeSub::sizeText()
{
    QFETCH(int, kib);
    QFETCH(QString, text);
    auto info = makeRecord(QStringLiteral("size.mp4"), true, true);
    info->size = kib;
    HomeSub tile;
    tile.setVideoInfo(info.get());
    QCOMPARE(tile.findChild<QLabel *>(QStringLiteral("labelSize"))->text(), text);
}

void TestHomeSub::durationText_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("59 s") << 59 << QStringLiteral("00:00:59");
    QTest::newRow("one minute") << 60 << QStringLiteral("00:01:00");
    QTest::newRow("3725 s") << 3725 << QStringLiteral("01:02:05");
    QTest::newRow("100 hours") << 360000 << QStringLiteral("100:00:00");
    QTest::newRow("length 0 shows nothing") << 0 << QString();
    QTest::newRow("negative shows nothing") << -5 << QString();
}

void TestHomeSub::durationText()
{
    QFETCH(int, seconds);
    QFETCH(QString, text);
    auto info = makeRecord(QStringLiteral("time.mp4"), true, true);
    info->length = seconds;
    HomeSub tile;
    tile.setVideoInfo(info.get());
    QCOMPARE(tile.findChild<QLabel *>(QStringLiteral("labelTime"))->text(), text);
}

void TestHomeSub::nullRecordLeavesTileEmpty()
{
    HomeSub tile;
    QCOMPARE(tile.objectName(), QStringLiteral("frmHomeSub"));
    QCOMPARE(tile.size(), QSize(212, 182));
    QVERIFY(!tile.findChild<QWidget *>(QStringLiteral("groupBox"))->isVisibleTo(&tile));
    tile.setVideoInfo(nullptr);
    QVERIFY(!tile.videoInfo());
    QVERIFY(tile.findChild<QLabel *>(QStringLiteral("labelName"))->text().isEmpty());
    tile.ChangeState(); // nothing bound: must not touch anything
    QSignalSpy spy(&tile, &HomeSub::sglSelectForDelete);
    tile.setSelected(true);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<CorvaneVideoInfo *>(), static_cast<CorvaneVideoInfo *>(nullptr));
}

void TestHomeSub::banner_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("image");
    QTest::newRow("cn") << QStringLiteral("cn") << QStringLiteral(":/Corvane/Skin/new/delvideo.png");
    QTest::newRow("us") << QStringLiteral("us") << QStringLiteral(":/Corvane/Skin/new/delvideo_us.png");
    QTest::newRow("jp") << QStringLiteral("jp") << QStringLiteral(":/Corvane/Skin/new/delvideo_jp.png");
    QTest::newRow("fr") << QStringLiteral("fr") << QStringLiteral(":/Corvane/Skin/new/delvideo_fr.png");
    QTest::newRow("it") << QStringLiteral("it") << QStringLiteral(":/Corvane/Skin/new/delvideo_it.png");
    QTest::newRow("de") << QStringLiteral("de") << QStringLiteral(":/Corvane/Skin/new/delvideo_de.png");
    QTest::newRow("es") << QStringLiteral("es") << QStringLiteral(":/Corvane/Skin/new/delvideo_es.png");
    QTest::newRow("ko has none") << QStringLiteral("ko") << QString();
    QTest::newRow("unknown has none") << QStringLiteral("xx") << QString();
}

void TestHomeSub::banner()
{
    QFETCH(QString, language);
    QFETCH(QString, image);
    TestSupport::writeLanguage(language);

    auto present = makeRecord(QStringLiteral("here.mp4"), true, true);
    auto missing = makeRecord(QStringLiteral("gone.mp4"), false, true);
    HomeSub presentTile, missingTile;
    presentTile.setVideoInfo(present.get());
    missingTile.setVideoInfo(missing.get());
    presentTile.show();
    missingTile.show();

    QLabel *presentBanner = presentTile.findChild<QLabel *>(QStringLiteral("labelBanner"));
    QLabel *missingBanner = missingTile.findChild<QLabel *>(QStringLiteral("labelBanner"));
    QVERIFY(presentBanner && missingBanner);
    QVERIFY(!presentBanner->isVisible());
    QVERIFY(missingBanner->isVisible());
    QCOMPARE(missingBanner->geometry(), QRect(0, 45, 212, 28));
    if (image.isEmpty()) {
        QVERIFY(missingBanner->styleSheet().isEmpty());
    } else {
        QCOMPARE(missingBanner->styleSheet(),
                 QStringLiteral("QLabel{background-image: url(%1);border:0px;background-color:transparent;};").arg(image));
        QVERIFY2(QFile::exists(image), qPrintable(image));
    }
}

void TestHomeSub::blankBannerFollowsVideoFile()
{
    TestSupport::writeLanguage(QStringLiteral("ko"));
    auto info = makeRecord(QStringLiteral("comes_and_goes.mp4"), true, true);
    HomeSub tile;
    tile.setVideoInfo(info.get());
    tile.show();
    QLabel *banner = tile.findChild<QLabel *>(QStringLiteral("labelBanner"));
    QVERIFY(!banner->isVisible());

    QVERIFY(QFile::rename(info->videoPathReal, info->videoPathReal + QStringLiteral(".away")));
    tile.ChangeState();
    QVERIFY(banner->isVisible());
    QVERIFY(banner->styleSheet().isEmpty());
    // The blank banner's words, as a badge.
    QVERIFY(tile.findChild<QLabel *>(QStringLiteral("labelMissing"))->isVisible());

    QVERIFY(QFile::rename(info->videoPathReal + QStringLiteral(".away"), info->videoPathReal));
    tile.ChangeState();
    QVERIFY(!banner->isVisible());
}

void TestHomeSub::posterShownAsScaledIcon()
{
    auto info = makeRecord(QStringLiteral("poster.mp4"), true, false);
    // A poster of another size: the tile scales it to the button's 16:9 box.
    QImage big(640, 200, QImage::Format_RGB32);
    big.fill(Qt::green);
    QVERIFY(big.save(info->posterPathReal, "PNG"));

    HomeSub tile;
    tile.setVideoInfo(info.get());
    auto *button = tile.findChild<QPushButton *>(QStringLiteral("pushButtonPic"));
    QCOMPARE(button->iconSize(), QSize(212, 119));
    QVERIFY(!button->icon().isNull());
    const QImage shown = button->icon().pixmap(QSize(212, 119)).toImage();
    QCOMPARE(shown.size(), QSize(212, 119));
    QCOMPARE(QColor(shown.pixel(100, 60)), QColor(Qt::green));
    QVERIFY(button->styleSheet().isEmpty());
    QCOMPARE(tile.findChild<QLabel *>(QStringLiteral("labelName"))->text(), QStringLiteral("poster.mp4"));
    QCOMPARE(tile.findChild<QLabel *>(QStringLiteral("labelName"))->textFormat(), Qt::PlainText);
}

void TestHomeSub::missingPosterReplacedAtBinding()
{
    auto info = makeRecord(QStringLiteral("noposter.mp4"), true, false);
    QVERIFY(!QFile::exists(info->posterPathReal));
    HomeSub tile;
    tile.setVideoInfo(info.get());
    QVERIFY(QFile::exists(info->posterPathReal));
    QFile copy(info->posterPathReal), original(defaultPosterFile());
    QVERIFY(copy.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), original.readAll());
    QCOMPARE(tile.findChild<QPushButton *>(QStringLiteral("pushButtonPic"))->styleSheet(),
             QStringLiteral("QPushButton{border-image:url(:/Corvane/Skin/new/DefaultPoster.png);}"));
}

void TestHomeSub::emptyPosterPathUsesDefaultStyle()
{
    auto info = makeRecord(QStringLiteral("nopath.mp4"), true, false);
    info->posterPathReal.clear();
    HomeSub tile;
    tile.setVideoInfo(info.get());
    auto *button = tile.findChild<QPushButton *>(QStringLiteral("pushButtonPic"));
    QCOMPARE(button->styleSheet(), QStringLiteral("QPushButton{border-image:url(:/Corvane/Skin/new/DefaultPoster.png);}"));
    QVERIFY(button->icon().isNull());
    button->setStyleSheet(QString());
    tile.ChangeState();
    QCOMPARE(button->styleSheet(), QStringLiteral("QPushButton{border-image:url(:/Corvane/Skin/new/DefaultPoster.png);}"));
}

void TestHomeSub::changeStateRecreatesDeletedPoster()
{
    auto info = makeRecord(QStringLiteral("repair.mp4"), true, true);
    HomeSub tile;
    tile.setVideoInfo(info.get());
    auto *button = tile.findChild<QPushButton *>(QStringLiteral("pushButtonPic"));
    QCOMPARE(QColor(button->icon().pixmap(QSize(212, 119)).toImage().pixel(10, 10)), QColor(200, 30, 60));

    QVERIFY(QFile::remove(info->posterPathReal));
    QTest::ignoreMessage(QtDebugMsg, "\"repair.mp4\" ChangeState:: poster is deleted");
    tile.ChangeState();
    QVERIFY(QFile::exists(info->posterPathReal));
    QFile copy(info->posterPathReal), original(defaultPosterFile());
    QVERIFY(copy.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), original.readAll());
    // The icon now shows the default poster, scaled as any poster.
    const QImage expected = QImage(defaultPosterFile()).scaled(212, 119, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QImage shown = button->icon().pixmap(QSize(212, 119)).toImage();
    QCOMPARE(shown.convertToFormat(QImage::Format_RGB32), expected.convertToFormat(QImage::Format_RGB32));
}

void TestHomeSub::unreadablePosterLeavesEmptyIcon()
{
    auto info = makeRecord(QStringLiteral("broken.mp4"), true, false);
    QFile junk(info->posterPathReal);
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("this is not a PNG");
    junk.close();
    HomeSub tile;
    tile.setVideoInfo(info.get());
    QVERIFY(tile.findChild<QPushButton *>(QStringLiteral("pushButtonPic"))->icon().isNull());
    QFile again(info->posterPathReal);
    QVERIFY(again.open(QIODevice::ReadOnly));
    QCOMPARE(again.readAll(), QByteArray("this is not a PNG")); // never overwritten
}

void TestHomeSub::captionScrolling_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("scrolls");
    QTest::newRow("10 characters fit") << QStringLiteral("abcdef.mp4") << false;
    QTest::newRow("long name") << QStringLiteral("a very long video file name that cannot fit the tile.mp4") << true;
}

void TestHomeSub::captionScrolling()
{
    QFETCH(QString, name);
    QFETCH(bool, scrolls);
    auto info = makeRecord(name, true, true);
    HomeSub tile;
    tile.setVideoInfo(info.get());
    tile.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tile));
    auto *label = tile.findChild<QLabel *>(QStringLiteral("labelName"));
    auto *timer = tile.findChild<QTimer *>(QStringLiteral("scrollTimer"));
    QVERIFY(label && timer);
    QVERIFY(!timer->isActive());

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&tile, &enter);
    QCOMPARE(timer->isActive(), scrolls);
    if (scrolls) {
        QCOMPARE(timer->interval(), 500);
        // Each tick moves the caption left by one character.
        QTRY_COMPARE(label->text(), name);             // first tick: from character 0
        QTRY_COMPARE(label->text(), name.mid(1));
        QTRY_COMPARE(label->text(), name.mid(2));
    }

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&tile, &leave);
    QVERIFY(!timer->isActive());
    QCOMPARE(label->text(), name);
}

void TestHomeSub::checkButtonAndSelection()
{
    auto info = makeRecord(QStringLiteral("check.mp4"), true, true);
    HomeSub tile;
    tile.setVideoInfo(info.get());
    tile.show();
    auto *check = tile.findChild<QToolButton *>(QStringLiteral("tb_check"));
    QVERIFY(!check->isVisible());
    tile.setDeleteMode(true);
    QVERIFY(check->isVisible());
    QVERIFY(check->styleSheet().contains(QStringLiteral("delete_select_normal.png")));

    QSignalSpy spy(&tile, &HomeSub::sglSelectForDelete);
    QTest::mouseClick(check, Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<CorvaneVideoInfo *>(), info.get());
    QCOMPARE(spy.at(0).at(1).toBool(), true);
    QVERIFY(tile.isSelected());
    QCOMPARE(check->styleSheet(),
             QStringLiteral("QToolButton{background-image:url(:/Corvane/Skin/new/delete_select_Press.png);border:0px;"
                            "background-color:transparent;}"));

    QTest::mouseClick(check, Qt::LeftButton);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(1).toBool(), false);
    QVERIFY(check->styleSheet().contains(QStringLiteral(":hover")));

    tile.setSelected(true);
    QCOMPARE(spy.count(), 3);
    QCOMPARE(spy.at(2).at(1).toBool(), true);
    tile.setDeleteMode(false);
    QVERIFY(!check->isVisible());
}

void TestHomeSub::projectionBadgeAndMenu()
{
    auto info = makeRecord(QStringLiteral("beach_180_sbs.mp4"), false, true);
    QVERIFY(TestVideos::clip(info->videoPathReal));
    HomeSub tile;
    tile.setVideoInfo(info.get());
    auto *badge = tile.findChild<QLabel *>(QStringLiteral("labelProjection"));
    QVERIFY(badge);
    QVERIFY(badge->isHidden()); // nothing read yet: no guess shown
    ProjectionStore *store = ProjectionStore::shared();
    store->info(info->videoPath, info->videoPathReal);
    QCOMPARE(badge->text(), QStringLiteral("180 3D"));

    std::unique_ptr<QMenu> menu(tile.projectionMenu(nullptr));
    QVERIFY(menu->findChild<QAction *>(QStringLiteral("projection_equirect180"))->isChecked());
    menu->findChild<QAction *>(QStringLiteral("layout_mono"))->trigger();
    QCOMPARE(badge->text(), QStringLiteral("180"));
    menu.reset(tile.projectionMenu(nullptr));
    menu->findChild<QAction *>(QStringLiteral("projection_equirect360"))->trigger();
    QCOMPARE(badge->text(), QStringLiteral("360"));
    QVERIFY(store->hasOverride(info->videoPath));
    menu.reset(tile.projectionMenu(nullptr));
    QAction *automatic = menu->findChild<QAction *>(QStringLiteral("projectionAuto"));
    QVERIFY(!automatic->isChecked());
    automatic->trigger();
    QCOMPARE(badge->text(), QStringLiteral("180 3D"));
    QVERIFY(!store->hasOverride(info->videoPath));
}

void TestHomeSub::confirmDeleteButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("deletes");
    QTest::addColumn<bool>("visibleAtSignal");
    // "yes" tells first and closes after; "cancel" and the cross close first.
    QTest::newRow("yes") << QStringLiteral("pb_delete") << true << true;
    QTest::newRow("cancel") << QStringLiteral("pb_cancel") << false << false;
    QTest::newRow("close") << QStringLiteral("tb_close") << false << false;
}

void TestHomeSub::confirmDeleteButtons()
{
    QFETCH(QString, button);
    QFETCH(bool, deletes);
    QFETCH(bool, visibleAtSignal);
    ConfirmDelete dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    int doCount = 0, cancelCount = 0;
    bool visible = !visibleAtSignal;
    connect(&dialog, &ConfirmDelete::sglDoDelVideoFile, this, [&] { ++doCount; visible = dialog.isVisible(); });
    connect(&dialog, &ConfirmDelete::sglCancelDelVideoFile, this, [&] { ++cancelCount; visible = dialog.isVisible(); });
    auto *target = dialog.findChild<QAbstractButton *>(button);
    QVERIFY(target);
    QTest::mouseClick(target, Qt::LeftButton);
    QCOMPARE(doCount, deletes ? 1 : 0);
    QCOMPARE(cancelCount, deletes ? 0 : 1);
    QCOMPARE(visible, visibleAtSignal);
    QVERIFY(!dialog.isVisible());
}

void TestHomeSub::confirmDeleteForm()
{
    ConfirmDelete dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("frmConfirmDelete"));
    QCOMPARE(dialog.size(), QSize(510, 330));
    QCOMPARE(dialog.windowModality(), Qt::ApplicationModal);
    QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(dialog.testAttribute(Qt::WA_TranslucentBackground));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Nuvo helper"));
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("label_hint"))->text(), QStringLiteral("do you confirm to delete?"));
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("label_hint"))->geometry(), QRect(10, 127, 491, 51));
    QCOMPARE(dialog.findChild<QPushButton *>(QStringLiteral("pb_delete"))->text(), QStringLiteral("yes"));
    QCOMPARE(dialog.findChild<QPushButton *>(QStringLiteral("pb_cancel"))->text(), QStringLiteral("cancel"));
    QCOMPARE(dialog.findChild<QPushButton *>(QStringLiteral("pb_delete"))->geometry(), QRect(81, 237, 150, 40));
    QCOMPARE(dialog.findChild<QAbstractButton *>(QStringLiteral("tb_close"))->geometry(), QRect(430, 13, 50, 20));
    QVERIFY(QFile::exists(QStringLiteral(":/Corvane/Skin/new/update_popup.png")));

    // Dragged with the left button only.
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.move(100, 100);
    const QPoint start = dialog.pos();
    QTest::mousePress(&dialog, Qt::RightButton, Qt::NoModifier, QPoint(20, 20));
    QMouseEvent rightMove(QEvent::MouseMove, QPointF(70, 60), QPointF(start + QPoint(70, 60)), Qt::NoButton,
                          Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &rightMove);
    QTest::mouseRelease(&dialog, Qt::RightButton, Qt::NoModifier, QPoint(70, 60));
    QCOMPARE(dialog.pos(), start);

    QTest::mousePress(&dialog, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    QMouseEvent leftMove(QEvent::MouseMove, QPointF(70, 60), QPointF(start + QPoint(70, 60)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &leftMove);
    QTest::mouseRelease(&dialog, Qt::LeftButton, Qt::NoModifier, QPoint(70, 60));
    QCOMPARE(dialog.pos(), start + QPoint(50, 40));
}

void TestHomeSub::parseProcessProgress()
{
    ParseProcess dialog;
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.size(), QSize(380, 220));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("ParseProcess"));
    QVERIFY(dialog.isModal());
    auto *bar = dialog.findChild<QProgressBar *>(QStringLiteral("progressBar"));
    auto *label = dialog.findChild<QLabel *>(QStringLiteral("label"));
    QVERIFY(bar && label);
    QVERIFY(!bar->isTextVisible());
    QCOMPARE(label->font().letterSpacing(), 1.5);
    QCOMPARE(label->font().letterSpacingType(), QFont::AbsoluteSpacing);

    dialog.slotUpdateDataReadProgress(1, 3);
    QCOMPARE(label->text(), QStringLiteral("1/3"));
    QCOMPARE(bar->maximum(), 3);
    QCOMPARE(bar->value(), 1);

    bool parsingInside = false;
    int valueInside = -1;
    QString styleInside;
    QTimer::singleShot(0, &dialog, [&] {
        parsingInside = dialog.isParsing;
        valueInside = bar->value();
        styleInside = bar->styleSheet();
        dialog.slotUpdateDataReadProgress(2, 3);
        dialog.close();
    });
    dialog.exec();
    QVERIFY(parsingInside);
    QCOMPARE(valueInside, 0);
    QVERIFY(styleInside.contains(QStringLiteral("Download-progress_background.png")));
    QVERIFY(styleInside.contains(QStringLiteral("QProgressBar::chunk")));
    QCOMPARE(label->text(), QStringLiteral("2/3"));
    QVERIFY(dialog.isParsing); // until the page resets it

    dialog.resetProgress();
    QVERIFY(!dialog.isParsing);
    QCOMPARE(bar->maximum(), 100);
    QCOMPARE(bar->value(), 0);
}

void TestHomeSub::parseProcessIgnoresEscape()
{
    ParseProcess dialog;
    bool stillOpen = false;
    QTimer::singleShot(0, &dialog, [&] {
        QTest::keyClick(&dialog, Qt::Key_Escape);
        stillOpen = dialog.isVisible();
        dialog.close();
    });
    dialog.exec();
    QVERIFY(stillOpen);
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(TestHomeSub)
#include "tst_homesub.moc"
