#include "homesub.h"
#include "ui_homesub.h"

#include "library/corvanevideoinfo.h"
#include "library/projectionstore.h"
#include "settings/appsettings.h"
#include "settings/session.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QDebug>
#include <QFile>
#include <QFontMetrics>
#include <QGraphicsColorizeEffect>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QTimer>

namespace {

const char *const kDefaultPosterStyle =
    "QPushButton{border-image:url(:/Corvane/Skin/new/DefaultPoster.png);}";

const char *const kCheckUnselectedStyle =
    "QToolButton{background-image:url(:/Corvane/Skin/new/delete_select_normal.png);border:0px;background-color:transparent;}"
    "QToolButton:hover{background-image:url(:/Corvane/Skin/new/delete_select_hover.png);}"
    "QToolButton:pressed{background-image:url(:/Corvane/Skin/new/delete_select_Press.png);}";

const char *const kCheckSelectedStyle =
    "QToolButton{background-image:url(:/Corvane/Skin/new/delete_select_Press.png);border:0px;background-color:transparent;}";

// The banner that marks a vanished video file, drawn once per language.
QString bannerImageFor(const QString &language)
{
    static const struct { const char *code; const char *image; } table[] = {
        {"cn", ":/Corvane/Skin/new/delvideo.png"},    {"us", ":/Corvane/Skin/new/delvideo_us.png"},
        {"jp", ":/Corvane/Skin/new/delvideo_jp.png"}, {"fr", ":/Corvane/Skin/new/delvideo_fr.png"},
        {"it", ":/Corvane/Skin/new/delvideo_it.png"}, {"de", ":/Corvane/Skin/new/delvideo_de.png"},
        {"es", ":/Corvane/Skin/new/delvideo_es.png"},
    };
    for (const auto &entry : table) {
        if (language == QLatin1String(entry.code))
            return QString::fromLatin1(entry.image);
    }
    return QString();
}

QString twoDigits(int value)
{
    return value < 10 ? QStringLiteral("0") + QString::number(value) : QString::number(value);
}

} // namespace

HomeSub::HomeSub(QWidget *parent) : QWidget(parent), ui(new Ui::HomeSub)
{
    // The record pointer travels in sglSelectForDelete, also through queued connections.
    qRegisterMetaType<CorvaneVideoInfo *>("CorvaneVideoInfo*");
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    ui->groupBox->hide();

    // Created after the form so it lies above the poster.
    m_banner = new QLabel(ui->widget);
    m_banner->setObjectName(QStringLiteral("labelBanner"));
    m_banner->setGeometry(0, 45, 212, 28);
    const QString image = bannerImageFor(AppSettings::instance()->language());
    if (!image.isEmpty()) {
        m_banner->setStyleSheet(QStringLiteral("QLabel{background-image: url(%1);border:0px;background-color:transparent;};")
                                    .arg(image));
    }
    // The words drawn on the banner images, also for languages that have no
    // image and for screen readers.
    m_banner->setToolTip(tr("Video file missing"));
    m_banner->setAccessibleName(m_banner->toolTip());
    m_banner->hide();

    m_badge = new QLabel(ui->widget);
    m_badge->setObjectName(QStringLiteral("labelProjection"));
    m_badge->setStyleSheet(QStringLiteral(
        "QLabel{background-color:rgba(0,0,0,150);color:#ffffff;border-radius:3px;padding:1px 5px;font-size:11px;}"));
    m_badge->move(6, 6);
    m_badge->hide();

    // The words for languages without a drawn banner, whose banner is blank.
    m_missingBadge = new QLabel(m_banner->toolTip(), ui->widget);
    m_missingBadge->setObjectName(QStringLiteral("labelMissing"));
    m_missingBadge->setStyleSheet(QStringLiteral(
        "QLabel{background-color:#e5484d;color:#ffffff;border-radius:3px;padding:1px 5px;font-size:11px;}"));
    m_missingBadge->ensurePolished();
    m_missingBadge->adjustSize();
    m_missingBadge->move(212 - 6 - m_missingBadge->width(), 6);
    m_missingBadge->hide();
    connect(ProjectionStore::shared(), &ProjectionStore::changed, this, &HomeSub::updateBadge);

    ui->tb_check->hide();
    applyCheckImages();

    m_scrollTimer = new QTimer(this);
    m_scrollTimer->setObjectName(QStringLiteral("scrollTimer"));
    connect(ui->tb_check, &QToolButton::clicked, this, &HomeSub::slotDeleteVideo);
    connect(m_scrollTimer, &QTimer::timeout, this, &HomeSub::scrollCaption);
}

HomeSub::~HomeSub()
{
    delete ui;
}

QString HomeSub::formatSize(int kib)
{
    const float mib = float(kib) * (1.0f / 1024);
    if (mib < 1024)
        return QString::number(mib, 'f', 2) + QStringLiteral("MB");
    return QString::number(mib / 1024, 'f', 2) + QStringLiteral("GB");
}

QString HomeSub::formatDuration(int seconds)
{
    const int hours = (seconds / 60) / 60;
    const int minutes = (seconds / 60) % 60;
    const int secs = seconds % 60;
    return tr("%1:").arg(twoDigits(hours)) + tr("%1:").arg(twoDigits(minutes)) + tr("%1").arg(twoDigits(secs));
}

void HomeSub::setVideoInfo(CorvaneVideoInfo *info)
{
    if (!info)
        return;
    m_videoInfo = info;
    ui->tb_check->hide();

    // A file name is text: "<img src=x>.mp4" must not be drawn as markup.
    ui->labelName->setTextFormat(Qt::PlainText);
    ui->labelName->setText(info->video);
    m_fullName = info->video;
    scrollMax = m_fullName.size();

    ui->labelSize->setText(formatSize(info->size));
    ui->labelTime->setText(info->length > 0 ? formatDuration(info->length) : QString());

    updateBanner();
    updateBadge(info->videoPath);

    if (info->posterPathReal.isEmpty()) {
        ui->pushButtonPic->setStyleSheet(QLatin1String(kDefaultPosterStyle));
    } else if (!QFile::exists(info->posterPathReal)) {
        copyDefaultPoster();
        ui->pushButtonPic->setStyleSheet(QLatin1String(kDefaultPosterStyle));
    } else {
        showPosterImage();
    }
}

void HomeSub::setDeleteMode(bool on)
{
    ui->tb_check->setVisible(on);
}

void HomeSub::setSelected(bool on)
{
    selected = on;
    applyCheckImages();
    emit sglSelectForDelete(m_videoInfo, selected);
}

void HomeSub::ChangeState()
{
    if (!m_videoInfo)
        return;
    updateBanner();
    if (m_videoInfo->posterPathReal.isEmpty()) {
        ui->pushButtonPic->setStyleSheet(QLatin1String(kDefaultPosterStyle));
        return;
    }
    if (!QFile::exists(m_videoInfo->posterPathReal)) {
        qDebug() << m_videoInfo->video << "ChangeState:: poster is deleted";
        copyDefaultPoster();
    }
    showPosterImage();
}

void HomeSub::slotDeleteVideo()
{
    selected = !selected;
    applyCheckImages();
    ui->tb_check->show();
    emit sglSelectForDelete(m_videoInfo, selected);
}

void HomeSub::scrollCaption()
{
    if (scrollPos > scrollMax)
        scrollPos = 0;
    ui->labelName->setText(m_fullName.mid(scrollPos));
    ++scrollPos;
}

void HomeSub::enterEvent(QEvent *event)
{
    QWidget::enterEvent(event);
    scrollPos = 0;
    // The style sheet sets the label's font; make sure it is applied before measuring.
    ui->labelName->ensurePolished();
    const int textWidth = QFontMetrics(ui->labelName->font()).horizontalAdvance(m_fullName);
    if (textWidth > ui->labelName->width() + 5)
        m_scrollTimer->start(500);
}

void HomeSub::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    m_scrollTimer->stop();
    ui->labelName->setText(m_fullName);
}

void HomeSub::contextMenuEvent(QContextMenuEvent *event)
{
    if (!m_videoInfo)
        return;
    QMenu *menu = projectionMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

QMenu *HomeSub::projectionMenu(QWidget *parent)
{
    using Kind = VideoProjection::Kind;
    using Stereo = VideoProjection::Stereo;
    auto *menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("projectionMenu"));
    if (!m_videoInfo)
        return menu;
    ProjectionStore *store = ProjectionStore::shared();
    const QString id = m_videoInfo->videoPath;
    ProjectionStore::Info info;
    const bool known = store->cachedInfo(id, info);
    const VideoProjection current = info.projection;

    QAction *automatic = menu->addAction(tr("Detect automatically"));
    automatic->setObjectName(QStringLiteral("projectionAuto"));
    automatic->setCheckable(true);
    automatic->setChecked(!store->hasOverride(id));
    connect(automatic, &QAction::triggered, this, [store, id] { store->clearOverride(id); });

    auto choose = [store, id, current](const VideoProjection &chosen) {
        VideoProjection corrected = chosen;
        // A fisheye keeps the field of view that was found for it.
        if (corrected.kind == current.kind)
            corrected.fov = current.fov;
        store->setOverride(id, corrected);
    };
    QMenu *kinds = menu->addMenu(tr("Projection"));
    auto *kindGroup = new QActionGroup(kinds);
    for (Kind kind : {Kind::Flat, Kind::Equirect180, Kind::Equirect360, Kind::Fisheye, Kind::Cubemap,
                      Kind::MKX200, Kind::MKX220, Kind::VRCA220, Kind::RF52}) {
        QAction *action = kinds->addAction(VideoProjection::kindTitle(kind));
        action->setObjectName(QStringLiteral("projection_") + VideoProjection::kindName(kind));
        action->setCheckable(true);
        action->setChecked(known && current.kind == kind);
        kindGroup->addAction(action);
        connect(action, &QAction::triggered, this, [choose, current, kind] {
            choose({kind, current.stereo, 0, VideoProjection::Source::User});
        });
    }
    QMenu *layouts = menu->addMenu(tr("Stereo layout"));
    auto *layoutGroup = new QActionGroup(layouts);
    const struct { Stereo stereo; QString title; } layoutRows[] = {
        {Stereo::Mono, tr("Mono (2D)")}, {Stereo::SideBySide, tr("Side by side")}, {Stereo::TopBottom, tr("Top-bottom")}};
    for (const auto &row : layoutRows) {
        QAction *action = layouts->addAction(row.title);
        action->setObjectName(QStringLiteral("layout_") + VideoProjection::stereoName(row.stereo));
        action->setCheckable(true);
        action->setChecked(known && current.stereo == row.stereo);
        layoutGroup->addAction(action);
        const Stereo stereo = row.stereo;
        connect(action, &QAction::triggered, this, [choose, current, stereo] {
            choose({current.kind, stereo, 0, VideoProjection::Source::User});
        });
    }
    return menu;
}

void HomeSub::updateBadge(const QString &id)
{
    if (!m_videoInfo || id != m_videoInfo->videoPath)
        return;
    ProjectionStore::Info info;
    if (!ProjectionStore::shared()->cachedInfo(id, info)) {
        m_badge->hide();
        return;
    }
    m_badge->setText(info.projection.badge());
    m_badge->adjustSize();
    m_badge->show();
    m_badge->raise();
}

void HomeSub::applyCheckImages()
{
    ui->tb_check->setStyleSheet(QLatin1String(selected ? kCheckSelectedStyle : kCheckUnselectedStyle));
}

void HomeSub::showPosterImage()
{
    const QImage image(m_videoInfo->posterPathReal);
    if (image.isNull())
        qDebug() << "poster cannot be read as an image:" << m_videoInfo->posterPathReal;
    const int w = ui->pushButtonPic->width();
    const int h = w * 9 / 16;
    const QPixmap pixmap = image.isNull()
        ? QPixmap()
        : QPixmap::fromImage(image.scaled(w, h, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    ui->pushButtonPic->setIcon(QIcon(pixmap));
    ui->pushButtonPic->setIconSize(QSize(w, h));
}

void HomeSub::copyDefaultPoster()
{
    const QString source = Session::instance()->appDirFile(QStringLiteral("DefaultPoster/DefaultPoster.png"));
    if (!QFile::copy(source, m_videoInfo->posterPathReal))
        qWarning() << "cannot copy the default poster" << source << "to" << m_videoInfo->posterPathReal;
}

void HomeSub::checkVideoFile()
{
    if (m_videoInfo)
        updateBanner();
}

void HomeSub::updateBanner()
{
    const bool missing = !QFile::exists(m_videoInfo->videoPathReal);
    // Unchanged: the effect stays (a new one would repaint the poster).
    if (missing == m_missing && m_banner->isHidden() != missing)
        return;
    m_missing = missing;
    m_banner->setVisible(missing);
    m_missingBadge->setVisible(missing && m_banner->styleSheet().isEmpty());
    m_missingBadge->raise();
    // Greyed over whatever poster is shown, however it was drawn.
    if (missing) {
        auto *grey = new QGraphicsColorizeEffect(ui->pushButtonPic);
        grey->setColor(QColor(0x95, 0x95, 0x95));
        grey->setStrength(1.0);
        ui->pushButtonPic->setGraphicsEffect(grey);
    } else {
        ui->pushButtonPic->setGraphicsEffect(nullptr);
    }
}
