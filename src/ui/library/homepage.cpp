#include "homepage.h"
#include "ui_homepage.h"
#include "shell/textfit.h"

#include "homesub.h"
#include "parseprocess.h"

#include "dialogs/formmessage.h"
#include "dialogs/prompt.h"
#include "library/corvanevideoinfo.h"
#include "library/folderscan.h"
#include "library/libraryglobals.h"
#include "library/libraryservice.h"
#include "library/runner.h"
#include "library/videolibraryfile.h"
#include "library/videolisttext.h"
#include "shell/utils.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMimeData>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

namespace {

// How long one turn of a folder's queued videos may keep the window busy.
constexpr qint64 kBatchTurnMs = 15;

QString buttonStyle(const char *normal, const char *hover = nullptr, const char *pressed = nullptr,
                    const char *checked = nullptr)
{
    const QString rule = QStringLiteral("QPushButton%1{background-image:url(:/Corvane/Skin/new/%2);border:0px;}");
    QString style = rule.arg(QString(), QLatin1String(normal));
    if (hover)
        style += rule.arg(QStringLiteral(":hover"), QLatin1String(hover));
    if (pressed)
        style += rule.arg(QStringLiteral(":pressed"), QLatin1String(pressed));
    if (checked)
        style += rule.arg(QStringLiteral(":checked"), QLatin1String(checked));
    return style;
}

const char *const kLabelAllGrey =
    "QLabel{font:16px \"Microsoft YaHei\";color:#9da1a3;background-color:transparent;};";
const char *const kLabelAllTeal =
    "QLabel{font:16px \"Microsoft YaHei\";color:#28acb8;background-color:transparent;};";
const char *const kTextButtonStyle =
    "QPushButton{font:14px \"Microsoft YaHei\";color:#6d6d6d;background-color:#ffffff;"
    "border:1px solid #d5d8d9;border-radius:16px;padding:0px 14px;}"
    "QPushButton:hover{color:#00a9b3;border-color:#00ecf6;}"
    "QPushButton:pressed{color:#ffffff;background-color:#00ecf6;border-color:#00ecf6;}";

} // namespace

HomePage::HomePage(QWidget *parent) : QWidget(parent), ui(new Ui::HomePage)
{
    qRegisterMetaType<CorvaneVideoInfo *>("CorvaneVideoInfo*");
    ui->setupUi(this);
    ui->gridLayout->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    lastOpenDir = QDir::currentPath();

    // The empty-library hint lies on the page itself, above the grid.
    m_hintImage = new QLabel(this);
    m_hintImage->setObjectName(QStringLiteral("label_addVideoImage"));
    m_hintImage->setGeometry(264, 155, 236, 236);
    m_hintImage->setStyleSheet(QStringLiteral("QLabel{border-image:url(:/Corvane/Skin/new/Add-video.png);}"));
    m_hintImage->hide();
    m_hintText = new QLabel(this);
    m_hintText->setObjectName(QStringLiteral("label_addVideoText"));
    m_hintText->setGeometry(10, 410, width() - 30, 30);
    m_hintText->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    m_hintText->setStyleSheet(QStringLiteral("QLabel{color:#9da1a3;font:20px \"Microsoft YaHei\";}"));
    m_hintText->setText(tr("add video"));
    m_hintText->hide();

    ui->pb_All->hide();
    ui->label_all->hide();
    ui->label_all->setStyleSheet(QLatin1String(kLabelAllGrey));
    TextFit::keep({ui->label_all, m_hintText});
    setAddButtonStyle();
    setDelButtonNormal();
    setAllButtonReset();

    // Beside the designed add and delete buttons, in the same tool row.
    m_addFolderButton = new QPushButton(tr("Add folder"), ui->widget_tool);
    m_addFolderButton->setObjectName(QStringLiteral("tb_addFolder"));
    m_addFolderButton->setGeometry(150, 20, 160, 32);
    m_removeMissingButton = new QPushButton(ui->widget_tool);
    m_removeMissingButton->setObjectName(QStringLiteral("tb_removeMissing"));
    m_removeMissingButton->setGeometry(320, 20, 250, 32);
    m_removeMissingButton->hide();
    // Shown while a folder is watched: the list to stop watching one.
    m_watchedButton = new QPushButton(QCoreApplication::translate("WatchedFoldersDialog", "Watched folders"),
                                      ui->widget_tool);
    m_watchedButton->setObjectName(QStringLiteral("tb_watchedFolders"));
    m_watchedButton->hide();
    connect(m_watchedButton, &QPushButton::clicked, this, &HomePage::sglShowWatchedFolders);
    ui->pb_All->installEventFilter(this);
    for (QPushButton *button : {m_addFolderButton, m_removeMissingButton, m_watchedButton}) {
        button->setCursor(Qt::PointingHandCursor);
        button->setStyleSheet(QLatin1String(kTextButtonStyle));
    }
    TextFit::keep({m_addFolderButton, m_removeMissingButton, m_watchedButton});

    ui->scrollAreaWidgetContents->setAcceptDrops(false);
    setAcceptDrops(true);

    announceTimer = new QTimer(this);
    announceTimer->setObjectName(QStringLiteral("announceTimer"));
    refreshTimer = new QTimer(this);
    refreshTimer->setObjectName(QStringLiteral("refreshTimer"));
    refreshTimer->setSingleShot(true);
    refreshTimer->setInterval(1000);
    connect(refreshTimer, &QTimer::timeout, this, [this] {
        if (refreshPending) {
            refreshPending = false;
            doRefreshVideoState();
            refreshTimer->start();
        }
    });

    // Tiles are built from the event loop, so the window shows first; a
    // scroll builds what comes into view at once.
    tileFillTimer = new QTimer(this);
    tileFillTimer->setSingleShot(true);
    tileFillTimer->setInterval(0);
    connect(tileFillTimer, &QTimer::timeout, this, &HomePage::fillTiles);
    connect(ui->scrollArea->verticalScrollBar(), &QScrollBar::valueChanged, this, &HomePage::fillTiles);

    m_parseProcess = new ParseProcess;
    m_batchTimer = new QTimer(this);
    m_batchTimer->setObjectName(QStringLiteral("batchTimer"));
    m_batchTimer->setInterval(0);
    connect(m_batchTimer, &QTimer::timeout, this, &HomePage::takeBatchTurn);

    connect(ui->tb_add, &QPushButton::clicked, this, &HomePage::slotAddVideoFile);
    connect(ui->tb_del, &QPushButton::clicked, this, &HomePage::slotDelVideoFile);
    connect(m_addFolderButton, &QPushButton::clicked, this, &HomePage::slotAddFolder);
    connect(m_removeMissingButton, &QPushButton::clicked, this, &HomePage::slotRemoveMissingVideos);
    connect(ui->pb_All, &QPushButton::clicked, this, &HomePage::slotSelectAll);
    connect(announceTimer, &QTimer::timeout, this, &HomePage::slotSendUpdateUDPMessage);
    connect(this, &HomePage::slgUpdateDataReadProgress, m_parseProcess, &ParseProcess::slotUpdateDataReadProgress);
}

HomePage::~HomePage()
{
    // A run still going (the program quitting mid-probe) must end before
    // its QThread object goes away.
    stopProbeRuns();
    // The grid goes after the records: no scroll may build a tile then.
    disconnect(ui->scrollArea->verticalScrollBar(), nullptr, this, nullptr);
    tileFillTimer->stop();
    qDeleteAll(videoList);
    videoList.clear();
    delete m_parseProcess;
    delete ui;
}

// ---------------------------------------------------------------------------
// Library state and files

void HomePage::loadVideoList()
{
    clearVideoTiles();
    selectedVideos.clear();
    qDeleteAll(videoList);
    videoList.clear();
    itemTexts.clear();
    addedPaths.clear();

    QList<CorvaneVideoInfo *> records;
    if (!VideoLibraryFile().load(&itemTexts, &records)) {
        qDebug() << "no library file to load, the library is empty";
        setEmptyHintVisible(true);
        fillTiles();
        return;
    }
    // The list comes from the records, not from the tiles: the headset sees
    // the whole library before the first tile is built.
    for (CorvaneVideoInfo *info : records) {
        videoList.append(info);
        addedPaths.append(info->videoPathReal);
    }
    if (!videoList.isEmpty())
        setEmptyHintVisible(false);
    publishVideoList();
    if (!videoList.isEmpty())
        announceChange();
    ui->tb_del->setEnabled(!videoList.isEmpty());
    scheduleTileFill();
    updateMissingState();
}

bool HomePage::appendVideoRecord(CorvaneVideoInfo *info, bool first)
{
    if (!info)
        return false;
    if (VideoLibraryFile().appendRecord(info, first, &itemTexts))
        return true;
    qWarning() << "the library file cannot be written; not stored:" << info->videoPathReal;
    return false;
}

// Tiles, publication and announcement of the list as it now stands; the
// item texts are already in step with it.
void HomePage::showVideoList()
{
    setEmptyHintVisible(videoList.isEmpty());
    fillTiles();
    publishVideoList();
    announceChange();
    ui->tb_del->setEnabled(!videoList.isEmpty());
    updateMissingState();
}

void HomePage::writeVideoListJsonFile()
{
    if (!VideoLibraryFile().writeJsonExport(itemTexts))
        qDebug() << "the library export cannot be written";
}

QString HomePage::videoInfoToJsonText(const CorvaneVideoInfo *info) const
{
    return VideoListText::videoInfoToJsonText(info);
}

QString HomePage::buildVideoListText() const
{
    return VideoListText::buildVideoListText(itemTexts);
}

QJsonObject HomePage::getJsonObjectFromString(const QString &text) const
{
    return VideoListText::getJsonObjectFromString(text);
}

CorvaneVideoInfo *HomePage::videoInfoFromJson(const QJsonObject &object) const
{
    return VideoListText::videoInfoFromJson(object, videoList.size());
}

void HomePage::publishVideoList()
{
    emit sglSendJson(getJsonObjectFromString(buildVideoListText()));
}

void HomePage::announceChange()
{
    emit sglSendUpdateUDP();
    ++udpRefreshCounter;
    udpRepeatCount = 0;
    announceTimer->stop();
    announceTimer->start(900);
}

// ---------------------------------------------------------------------------
// Tiles

void HomePage::addVideoTile(CorvaneVideoInfo *info)
{
    if (!info)
        return;
    setEmptyHintVisible(false);
    const int n = tiles.size();
    // Made in the grid's widget: a move there would polish the whole tile again.
    auto *tile = new HomeSub(ui->scrollAreaWidgetContents);
    connect(tile, &HomeSub::sglSelectForDelete, this, &HomePage::slotSelectForDelete);
    tiles.append(tile);
    tile->setPosterShown(false);
    tile->setVideoInfo(info);
    ui->gridLayout->addWidget(tile, n / 3, n % 3);
    if (deleteMode) {
        tile->setDeleteMode(true);
        if (selectedVideos.contains(info))
            tile->setSelected(true);
    }
    tile->show();
}

int HomePage::tileRowPitch() const
{
    const QSize tileSize = tiles.isEmpty() ? QSize(212, 182) : tiles.first()->sizeHint().expandedTo(tiles.first()->minimumSize());
    return tileSize.height() + qMax(0, ui->gridLayout->verticalSpacing());
}

void HomePage::scheduleTileFill()
{
    tileFillTimer->start();
}

void HomePage::fillTiles()
{
    tileFillTimer->stop();
    const int viewTop = ui->scrollArea->verticalScrollBar()->value();
    const int viewHeight = qMax(1, ui->scrollArea->viewport()->height());
    const int top = ui->gridLayout->contentsMargins().top();
    const int pitch = tileRowPitch();
    auto rowTop = [top, pitch](int index) { return top + (index / 3) * pitch; };

    // Built up to a screen below the view, so a scroll finds its tiles
    // ready; a built tile stays (its selection and caption live in it).
    const int builtBefore = tiles.size();
    while (tiles.size() < videoList.size() && rowTop(tiles.size()) < viewTop + 2 * viewHeight)
        addVideoTile(videoList.at(tiles.size()));
    if (tiles.size() != builtBefore)
        qDebug() << "library page:" << tiles.size() << "of" << videoList.size() << "tiles built";

    // The grid is as tall as every video's row, built or not, so the scroll
    // bar covers the whole library.
    const int rows = (int(videoList.size()) + 2) / 3;
    const QMargins margins = ui->gridLayout->contentsMargins();
    ui->scrollAreaWidgetContents->setMinimumHeight(
        rows == 0 ? 0 : margins.top() + rows * pitch - qMax(0, ui->gridLayout->verticalSpacing()) + margins.bottom());

    // Posters within a screen of the view are decoded; those more than
    // three screens away are dropped, so memory follows the view, not the
    // library's size. In between a poster stays as it is.
    for (int i = 0; i < tiles.size(); ++i) {
        const int tileTop = rowTop(i);
        const int tileBottom = tileTop + pitch;
        if (tileBottom >= viewTop - viewHeight && tileTop < viewTop + 2 * viewHeight)
            tiles.at(i)->setPosterShown(true);
        else if (tileBottom < viewTop - 3 * viewHeight || tileTop >= viewTop + 4 * viewHeight)
            tiles.at(i)->setPosterShown(false);
    }
}

void HomePage::clearVideoTiles()
{
    const QList<HomeSub *> all = ui->scrollArea->findChildren<HomeSub *>();
    for (HomeSub *tile : all)
        delete tile;
    tiles.clear();
    itemTexts.clear();
}

bool HomePage::isVideoAdded(const QString &path) const
{
    return addedPaths.contains(path);
}

void HomePage::setEmptyHintVisible(bool visible)
{
    m_hintImage->setVisible(visible);
    m_hintText->setVisible(visible);
}

void HomePage::stopProbeRuns()
{
    for (Runner *runner : findChildren<Runner *>()) {
        if (runner->isRunning())
            qDebug() << "HomePage: stopping the probe run" << runner;
        runner->requestInterruption();
        runner->wait();
    }
}

void HomePage::refreshVideoState()
{
    // Every error reply asks for a refresh; a client sending many bad
    // requests must neither stall the window nor flood the network.
    if (refreshTimer->isActive()) {
        refreshPending = true;
        return;
    }
    doRefreshVideoState();
    refreshTimer->start();
}

void HomePage::doRefreshVideoState()
{
    // A tile not built yet looks at its files when it is.
    for (HomeSub *tile : qAsConst(tiles))
        tile->ChangeState();
    updateMissingState(false);
    publishVideoList();
    emit sglSendUpdateUDP();
}

// ---------------------------------------------------------------------------
// Adding videos

bool HomePage::acceptCandidate(const QString &path, const QString &name, bool fromDialog, AddSummary *summary)
{
    if (fromDialog && path.isEmpty()) {
        pendingErrors.append({tr("not video file"), path});
        return false;
    }
    const LibraryService::Outcome outcome = LibraryService::accepts(path, name, addedPaths);
    if (outcome != LibraryService::Outcome::Added && summary) {
        qDebug() << "HomePage: refused" << path << int(outcome);
        LibraryService::count(outcome, summary);
        return false;
    }
    if (outcome != LibraryService::Outcome::Added) {
        pendingErrors.append({outcome == LibraryService::Outcome::Duplicate ? tr("already add the video")
                                                                            : tr("not video file"),
                              name});
        return false;
    }
    // Recorded at once, so a second copy in the same batch is a duplicate.
    addedPaths.append(path);
    return true;
}

void HomePage::acceptCandidateFiles(QStringList *paths)
{
    QStringList accepted;
    for (const QString &path : qAsConst(*paths)) {
        if (acceptCandidate(path, QFileInfo(path).fileName(), true))
            accepted.append(path);
    }
    *paths = accepted;
}

void HomePage::acceptCandidateFiles(QList<QUrl> *urls)
{
    QList<QUrl> accepted;
    for (const QUrl &url : qAsConst(*urls)) {
        // Only files on this machine can be served to the headset.
        if (!url.isLocalFile()) {
            qDebug() << "dropped URL is not a local file:" << url;
            pendingErrors.append({tr("not video file"), url.toDisplayString()});
            continue;
        }
        if (acceptCandidate(url.toLocalFile(), url.fileName(QUrl::FullyDecoded), false))
            accepted.append(url);
    }
    *urls = accepted;
}

void HomePage::showPendingErrors()
{
    const QList<QStringList> errors = pendingErrors;
    pendingErrors.clear();
    FormMessage *message = Utils::instance().getFormMessage();
    for (const QStringList &error : errors) {
        qDebug() << "rejected file:" << error;
        if (!message)
            continue;
        message->setMessage(error);
        message->exec();
    }
}

void HomePage::setWatchedFoldersShown(bool shown)
{
    m_watchedShown = shown;
    placeWatchedButton();
}

// Next to the last button shown in the tool row, so the row has no gap;
// delete mode has its select-all there instead.
void HomePage::placeWatchedButton()
{
    m_watchedButton->setVisible(m_watchedShown && ui->pb_All->isHidden());
    m_watchedButton->setGeometry(m_removeMissingButton->isHidden() ? 320 : 580, 20, 190, 32);
}

void HomePage::updateMissingState(bool lookAgain)
{
    if (lookAgain) {
        for (HomeSub *tile : qAsConst(tiles))
            tile->checkVideoFile();
    }
    const int missing = missingVideos().size();
    m_removeMissingButton->setText(tr("Remove missing videos (%n)", nullptr, missing));
    m_removeMissingButton->setVisible(missing > 0);
    placeWatchedButton();
}

// Over the records, not the tiles: a video whose tile is not built yet
// counts too. One stat a video.
QList<CorvaneVideoInfo *> HomePage::missingVideos() const
{
    QList<CorvaneVideoInfo *> missing;
    for (CorvaneVideoInfo *info : videoList) {
        if (!QFileInfo::exists(info->videoPathReal))
            missing.append(info);
    }
    return missing;
}

void HomePage::addFolders(const QStringList &folders, const QStringList &files, AddSummary summary)
{
    QStringList candidates = files;
    for (const QString &folder : folders) {
        const FolderScanResult found = FolderScan::scan(folder);
        summary.notVideo += found.notVideo;
        candidates += found.videos;
    }
    QStringList accepted;
    for (const QString &path : qAsConst(candidates)) {
        if (acceptCandidate(path, QFileInfo(path).fileName(), false, &summary))
            accepted.append(path);
    }
    if (accepted.isEmpty()) {
        qDebug() << "HomePage: nothing to probe in" << folders;
        showPrompt(summary.text());
        return;
    }
    setEmptyHintVisible(false);
    m_batch = summary;
    startProbeRun(accepted, {});
}

void HomePage::startProbeRun(const QStringList &files, const QList<QUrl> &urls)
{
    auto *runner = new Runner(this);
    runner->setKnownVideos(videoList);
    if (!urls.isEmpty())
        runner->setUrls(urls);
    else
        runner->setFiles(files);

    connect(runner, &Runner::sglParse, this, &HomePage::slotParse, Qt::QueuedConnection);
    connect(runner, &QThread::finished, this, &HomePage::slotParsefinished, Qt::QueuedConnection);
    connect(runner, &Runner::sglAbnormal, this, &HomePage::slotAbnormal, Qt::QueuedConnection);
    connect(runner, &Runner::sglUpdateFinish, this, &HomePage::slotUpdateFinish, Qt::QueuedConnection);
    runner->start(QThread::InheritPriority);

    parseTotal = urls.isEmpty() ? files.size() : urls.size();

    if (!m_parseProcess->isParsing) {
        m_parseProcess->resetProgress();
        m_parseProcess->exec();
        emit slgUpdateDataReadProgress(parseDone, parseTotal);
    }
}

void HomePage::leaveDeleteModeForAdd()
{
    deleteMode = false;
    setDelButtonNormal();
    allSelected = false;
    ui->pb_All->hide();
    ui->label_all->hide();
    setAllButtonReset();
    setAllLabelGrey();
    for (HomeSub *tile : qAsConst(tiles)) {
        tile->setDeleteMode(false);
        tile->setSelected(false);
    }
    // Also the videos whose tile is not built yet.
    selectedVideos.clear();
}

void HomePage::slotAddVideoFile()
{
    if (m_parseProcess->isParsing) {
        qDebug() << "is parseing ";
        return;
    }
    disconnect(ui->tb_add, &QPushButton::clicked, this, &HomePage::slotAddVideoFile);
    ui->tb_add->setCheckable(true);
    ui->tb_add->setChecked(true);

    leaveDeleteModeForAdd();

    QStringList files = QFileDialog::getOpenFileNames(
        this, tr("Open Video File"), lastOpenDir,
        tr("Video File(*.mp4 *.avi *.mkv *.mov *.mpg *.rmvb *.wmv *.flv *.3gp *.asf *.f4v *.m4v *.mpeg *.webm "
           "*.vob *.swf *.rm *.ts);;All File(*.*)"));
    if (!files.isEmpty()) {
        setEmptyHintVisible(false);
        lastOpenDir = QFileInfo(files.first()).absolutePath();
        acceptCandidateFiles(&files);
        if (files.isEmpty())
            showPendingErrors();
        else
            startProbeRun(files, {});
    }

    ui->tb_add->setChecked(false);
    ui->tb_add->setCheckable(false);
    connect(ui->tb_add, &QPushButton::clicked, this, &HomePage::slotAddVideoFile);
}

void HomePage::slotAddFolder()
{
    if (m_parseProcess->isParsing) {
        qDebug() << "HomePage::slotAddFolder: a probe run is going";
        return;
    }
    leaveDeleteModeForAdd();

    // Qt's own dialog: a native one has no room for the check box.
    QFileDialog dialog(this, tr("Add Folder"), lastOpenDir);
    dialog.setObjectName(QStringLiteral("addFolderDialog"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    auto *keepWatching = new QCheckBox(tr("Keep watching this folder"), &dialog);
    keepWatching->setObjectName(QStringLiteral("keepWatching"));
    keepWatching->setToolTip(tr("Videos saved into this folder later join the library by themselves."));
    if (auto *grid = qobject_cast<QGridLayout *>(dialog.layout()))
        grid->addWidget(keepWatching, grid->rowCount(), 0, 1, grid->columnCount());
    else
        qWarning() << "HomePage::slotAddFolder: the folder dialog has no grid; no watch choice offered";
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString folder = QDir::cleanPath(dialog.selectedFiles().constFirst());
    lastOpenDir = folder;
    const bool watch = keepWatching->isChecked();
    addFolders({folder});
    // After the run: a watcher's first look then finds these videos known.
    if (watch)
        emit sglWatchFolder(folder);
}

void HomePage::slotRemoveMissingVideos()
{
    updateMissingState();
    const QList<CorvaneVideoInfo *> missing = missingVideos();
    if (missing.isEmpty())
        return;
    if (!deleteMode)
        slotDelVideoFile();
    // The gone ones checked, so the user sees what the confirmation
    // removes; those without a tile yet are selected all the same.
    selectedVideos = missing;
    for (HomeSub *tile : qAsConst(tiles))
        tile->setSelected(missing.contains(tile->videoInfo()));
    slotDelVideoFile();
}

bool HomePage::event(QEvent *event)
{
    // Back to the window (the activation reaches the page as a child too):
    // files may have been moved or deleted meanwhile.
    if (event->type() == QEvent::WindowActivate)
        updateMissingState();
    return QWidget::event(event);
}

bool HomePage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->pb_All && (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        placeWatchedButton();
    return QWidget::eventFilter(watched, event);
}

void HomePage::dragEnterEvent(QDragEnterEvent *event)
{
    event->acceptProposedAction();
}

void HomePage::dropEvent(QDropEvent *event)
{
    if (m_parseProcess->isParsing) {
        qDebug() << "is parseing ";
        return;
    }
    const QList<QUrl> urls = event->mimeData() ? event->mimeData()->urls() : QList<QUrl>();
    event->acceptProposedAction();
    if (urls.isEmpty())
        return;
    // The probe run is modal; run it after the drop has been answered, so
    // the drag source is not kept waiting for the whole run.
    QTimer::singleShot(0, this, [this, urls] { processDroppedUrls(urls); });
}

void HomePage::processDroppedUrls(const QList<QUrl> &dropped)
{
    if (m_parseProcess->isParsing) {
        qDebug() << "is parseing ";
        return;
    }
    QStringList folders;
    QStringList files;
    AddSummary remote;
    for (const QUrl &url : dropped) {
        if (!url.isLocalFile())
            ++remote.notVideo; // only files on this machine can be served
        else if (QFileInfo(url.toLocalFile()).isDir())
            folders.append(url.toLocalFile());
        else
            files.append(url.toLocalFile());
    }
    // A folder in the drop: the whole drop is one batch with one summary.
    if (!folders.isEmpty()) {
        addFolders(folders, files, remote);
        return;
    }
    QList<QUrl> urls = dropped;
    acceptCandidateFiles(&urls);
    if (urls.isEmpty()) {
        showPendingErrors();
        return;
    }
    setEmptyHintVisible(false);
    startProbeRun({}, urls);
}

void HomePage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // A taller view shows more rows.
    scheduleTileFill();
}

void HomePage::slotParse(const CorvaneVideoInfo &parsed)
{
    // A folder's videos arrive faster than tiles are made: they wait here
    // and are taken in short turns, so the window keeps answering while a
    // thousand come in, and the export and list are written once a turn.
    if (m_batch) {
        m_batchQueue.append(parsed);
        if (!m_batchTimer->isActive())
            m_batchTimer->start();
        return;
    }
    if (storeParsed(parsed)) {
        writeVideoListJsonFile();
        publishVideoList();
    }
}

void HomePage::takeBatchTurn()
{
    QElapsedTimer turn;
    turn.start();
    bool stored = false;
    while (!m_batchQueue.isEmpty() && turn.elapsed() < kBatchTurnMs)
        stored = storeParsed(m_batchQueue.takeFirst()) || stored;
    if (stored) {
        writeVideoListJsonFile();
        publishVideoList();
    }
    if (!m_batchQueue.isEmpty())
        return;
    m_batchTimer->stop();
    if (m_runEnded) {
        m_runEnded = false;
        finishProbeRun(m_endedRunner);
    }
}

// The file first, as for a delete: only a stored record joins the page, so
// it never shows a video that is gone at the next start. One that cannot be
// stored leaves no poster behind, and its path may be added again later.
bool HomePage::keepRecord(const CorvaneVideoInfo &parsed)
{
    auto *info = new CorvaneVideoInfo(parsed);
    if (appendVideoRecord(info, false)) {
        videoList.append(info);
        return true;
    }
    addedPaths.removeOne(info->videoPathReal);
    if (QFile::exists(info->posterPathReal) && !QFile::remove(info->posterPathReal))
        qWarning() << "cannot remove the poster" << info->posterPathReal;
    delete info;
    return false;
}

bool HomePage::storeParsed(const CorvaneVideoInfo &parsed)
{
    const bool stored = keepRecord(parsed);
    if (stored) {
        setEmptyHintVisible(false);
        fillTiles();
        ui->tb_del->setEnabled(!videoList.isEmpty());
        if (m_batch)
            ++m_batch->added;
    } else {
        // Reported with the run's other refusals once it ends.
        if (m_batch)
            ++m_batch->notStored;
        else
            pendingErrors.append({tr("The video could not be saved to the library. "
                                     "Please check the free disk space and try again."),
                                  parsed.video});
        setEmptyHintVisible(videoList.isEmpty());
    }
    emit slgUpdateDataReadProgress(parseDone, parseTotal);
    ++parseDone;
    return stored;
}

void HomePage::slotParsefinished()
{
    auto *runner = qobject_cast<Runner *>(sender());
    qDebug() << sender() << "finished";
    if (runner) {
        runner->quit();
        runner->wait();
    }
    // The videos still waiting are taken in first; the run ends after them.
    if (m_batchTimer->isActive()) {
        m_runEnded = true;
        m_endedRunner = runner;
        return;
    }
    finishProbeRun(runner);
}

void HomePage::finishProbeRun(Runner *runner)
{
    const std::optional<AddSummary> batch = m_batch;
    m_batch.reset();
    showPendingErrors();

    isAddingFiles = false;
    m_parseProcess->close();
    parseDone = 0;
    parseTotal = 0;
    m_parseProcess->resetProgress();
    if (runner)
        runner->deleteLater();
    // Once the progress is gone: the summary is the run's last word.
    if (batch)
        showPrompt(batch->text());
}

void HomePage::addFilesInBackground(const QStringList &files)
{
    for (const QString &path : files) {
        const LibraryService::Outcome outcome = LibraryService::accepts(path, QFileInfo(path).fileName(), addedPaths);
        if (outcome != LibraryService::Outcome::Added) {
            qDebug() << "HomePage: a watched file is not added:" << path << int(outcome);
            continue;
        }
        addedPaths.append(path);
        backgroundQueue.append(path);
    }
    startBackgroundRun();
}

void HomePage::startBackgroundRun()
{
    if (backgroundQueue.isEmpty())
        return;
    // One run at a time: a record's index is its place in the library.
    const QList<Runner *> runs = findChildren<Runner *>(QString(), Qt::FindDirectChildrenOnly);
    if (!runs.isEmpty()) {
        for (Runner *run : runs)
            connect(run, &QObject::destroyed, this, &HomePage::startBackgroundRun,
                    Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
        return;
    }
    auto *runner = new Runner(this);
    runner->setObjectName(QStringLiteral("backgroundRun"));
    runner->setKnownVideos(videoList);
    runner->setFiles(backgroundQueue);
    qDebug() << "HomePage: adding" << backgroundQueue.size() << "files from watched folders";
    backgroundQueue.clear();
    backgroundAdded = 0;
    backgroundNotStored = 0;
    connect(runner, &Runner::sglParse, this, &HomePage::slotBackgroundParse, Qt::QueuedConnection);
    connect(runner, &Runner::sglAbnormal, this,
            [](const QStringList &error) { qDebug() << "HomePage: a watched file is refused:" << error; },
            Qt::QueuedConnection);
    connect(runner, &QThread::finished, this, &HomePage::slotBackgroundFinished, Qt::QueuedConnection);
    runner->start(QThread::LowPriority);
}

void HomePage::slotBackgroundParse(const CorvaneVideoInfo &parsed)
{
    // Stored and shown a few at a time: a fast run must not keep the window
    // from its other events for the length of the whole batch.
    backgroundParsed.append(parsed);
    if (!backgroundFeed) {
        backgroundFeed = new QTimer(this);
        backgroundFeed->setObjectName(QStringLiteral("backgroundFeed"));
        connect(backgroundFeed, &QTimer::timeout, this, &HomePage::storeBackgroundParsed);
    }
    if (!backgroundFeed->isActive())
        backgroundFeed->start(0);
}

void HomePage::storeBackgroundParsed()
{
    const int kSlice = 8;
    for (int n = 0; n < kSlice && !backgroundParsed.isEmpty(); ++n) {
        // Its index is the run's, as for a run the user starts.
        if (keepRecord(backgroundParsed.takeFirst()))
            ++backgroundAdded;
        else
            ++backgroundNotStored;
    }
    // Tiles are the first videos in order; the new ones get theirs when
    // they come into view.
    setEmptyHintVisible(videoList.isEmpty());
    fillTiles();
    if (!backgroundParsed.isEmpty())
        return;
    backgroundFeed->stop();
    if (backgroundRunDone)
        finishBackgroundBatch();
}

void HomePage::slotBackgroundFinished()
{
    auto *runner = qobject_cast<Runner *>(sender());
    if (runner) {
        runner->wait();
        // Gone at once, so the next batch (or a waiting one) may start.
        delete runner;
    }
    // Every record of the run is queued by now; the batch ends once stored.
    backgroundRunDone = true;
    if (backgroundParsed.isEmpty())
        finishBackgroundBatch();
}

void HomePage::finishBackgroundBatch()
{
    backgroundRunDone = false;
    // A run the user started meanwhile still reads the library.
    if (findChildren<Runner *>(QString(), Qt::FindDirectChildrenOnly).isEmpty())
        isAddingFiles = false;
    qDebug() << "HomePage: added" << backgroundAdded << "files from watched folders";
    if (backgroundAdded > 0) {
        ui->tb_del->setEnabled(true);
        writeVideoListJsonFile();
        publishVideoList();
        announceChange();
    }
    const bool failed = backgroundNotStored > 0;
    backgroundAdded = 0;
    backgroundNotStored = 0;
    startBackgroundRun();
    if (failed)
        showPrompt(tr("The video could not be saved to the library. "
                      "Please check the free disk space and try again."));
}

void HomePage::slotAbnormal(QStringList errorList)
{
    if (m_batch && !errorList.isEmpty()) {
        if (errorList.constFirst() == QCoreApplication::translate("Runner", "already add the video"))
            ++m_batch->duplicate;
        else
            ++m_batch->notVideo;
        return;
    }
    pendingErrors.append(errorList);
}

void HomePage::slotUpdateFinish()
{
    announceChange();
}

void HomePage::slotSendUpdateUDPMessage()
{
    emit sglSendRefreshUDP();
    ++udpRepeatCount;
    if (udpRepeatCount > 2)
        announceTimer->stop();
}

// ---------------------------------------------------------------------------
// Deleting videos

void HomePage::slotDelVideoFile()
{
    if (!deleteMode) {
        deleteMode = true;
        setDelButtonDeleteMode();
        ui->pb_All->show();
        ui->label_all->show();
        setAllButtonDeleteMode();
        setAllLabelGrey();
        for (HomeSub *tile : qAsConst(tiles)) {
            tile->setDeleteMode(true);
            tile->setSelected(false);
        }
        selectedVideos.clear();
        return;
    }
    deleteMode = false;
    if (selectedVideos.isEmpty()) {
        setDelButtonNormal();
        for (HomeSub *tile : qAsConst(tiles))
            tile->setDeleteMode(false);
        ui->pb_All->hide();
        ui->label_all->hide();
    } else {
        emit sglShowConfirmDel();
    }
}

void HomePage::slotDoDelVideoFile()
{
    // The probing thread reads the library while it runs; the library is
    // changed only when no run is going.
    if (isAddingFiles) {
        qDebug() << "HomePage::slotDoDelVideoFile: a probe run is going, nothing deleted";
        leaveDeleteModeForAdd();
        selectedVideos.clear();
        showPrompt(QCoreApplication::translate("MainWidget", "File is adding , please wait for a  moment !"));
        return;
    }
    QList<CorvaneVideoInfo *> chosen;
    for (CorvaneVideoInfo *info : qAsConst(selectedVideos)) {
        if (videoList.contains(info))
            chosen.append(info);
        else
            qDebug() << (info ? info->videoPathReal : QString()) << "delete fail";
    }
    QList<CorvaneVideoInfo *> remaining;
    for (CorvaneVideoInfo *info : qAsConst(videoList))
        if (!chosen.contains(info))
            remaining.append(info);

    // The file first: the page shows what the file holds, so a rewrite that
    // fails (full disk, unwritable folder) deletes nothing.
    QStringList texts;
    if (!VideoLibraryFile().rewrite(remaining, &texts)) {
        qWarning() << "HomePage::slotDoDelVideoFile: the library file cannot be rewritten; nothing deleted";
        for (int i = 0; i < videoList.size(); ++i)
            videoList.at(i)->index = i;
        leaveDeleteModeForAdd();
        selectedVideos.clear();
        showPrompt(tr("The video library could not be saved, so nothing was deleted. "
                      "Please check the free disk space and try again."));
        return;
    }
    for (CorvaneVideoInfo *info : qAsConst(chosen)) {
        if (QFile::exists(info->posterPathReal) && !QFile::remove(info->posterPathReal))
            qWarning() << "cannot remove the poster" << info->posterPathReal;
        addedPaths.removeOne(info->videoPathReal);
        delete info;
    }
    videoList = remaining;
    selectedVideos.clear();
    clearVideoTiles();
    itemTexts = texts;
    showVideoList();
    writeVideoListJsonFile();
    // Out of delete mode with nothing selected: the next "All" selects all.
    leaveDeleteModeForAdd();
}

void HomePage::showPrompt(const QString &text)
{
    Prompt *prompt = Utils::instance().getPrompt();
    if (!prompt) {
        qWarning() << "HomePage: no prompt dialog for:" << text;
        return;
    }
    prompt->setPromptText(text);
    prompt->exec();
}

void HomePage::slotCancelDelVideoFile()
{
    deleteMode = false;
    ui->pb_All->hide();
    ui->label_all->hide();
    setDelButtonNormal();
    allSelected = false;
    for (HomeSub *tile : qAsConst(tiles))
        tile->setDeleteMode(false);
}

void HomePage::slotSelectAll()
{
    allSelected = !allSelected;
    // Every video, also those whose tile is not built yet.
    selectedVideos = allSelected ? videoList : QList<CorvaneVideoInfo *>();
    if (allSelected) {
        setAllButtonAllSelected();
        setAllLabelTeal();
    } else {
        setAllButtonDeleteMode();
        setAllLabelGrey();
    }
    for (HomeSub *tile : qAsConst(tiles))
        tile->setSelected(allSelected);
}

void HomePage::slotSelectForDelete(CorvaneVideoInfo *psvi, bool b_willdel)
{
    if (b_willdel) {
        if (!selectedVideos.contains(psvi))
            selectedVideos.append(psvi);
        if (selectedVideos.size() == videoList.size()) {
            allSelected = true;
            setAllButtonAllSelected();
            setAllLabelTeal();
        }
        return;
    }
    if (allSelected) {
        allSelected = false;
        setAllButtonDeleteMode();
        setAllLabelGrey();
    }
    selectedVideos.removeOne(psvi);
}

void HomePage::resetDeleteMode()
{
    leaveDeleteModeForAdd();
}

// ---------------------------------------------------------------------------
// Button looks

void HomePage::setAddButtonStyle()
{
    ui->tb_add->setStyleSheet(buttonStyle("add_normal.png", "add_hover.png", "add_press.png", "add_press.png"));
}

void HomePage::setDelButtonNormal()
{
    ui->tb_del->setStyleSheet(buttonStyle("delete_normal.png", "delete_hover.png", "delete_press.png"));
}

void HomePage::setDelButtonDeleteMode()
{
    ui->tb_del->setStyleSheet(buttonStyle("delete_press.png"));
}

void HomePage::setAllButtonReset()
{
    ui->pb_All->setStyleSheet(buttonStyle("delete_select_normal.png"));
}

void HomePage::setAllButtonDeleteMode()
{
    ui->pb_All->setStyleSheet(
        buttonStyle("delete_select_normal.png", "delete_select_hover.png", "delete_select_Press.png"));
}

void HomePage::setAllButtonAllSelected()
{
    ui->pb_All->setStyleSheet(buttonStyle("delete_select_Press.png"));
}

void HomePage::setAllLabelGrey()
{
    ui->label_all->setStyleSheet(QLatin1String(kLabelAllGrey));
}

void HomePage::setAllLabelTeal()
{
    ui->label_all->setStyleSheet(QLatin1String(kLabelAllTeal));
}
