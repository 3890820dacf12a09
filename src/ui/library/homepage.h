#pragma once

#include "library/addsummary.h"

#include <QList>
#include <QJsonObject>
#include <QStringList>
#include <QUrl>
#include <QWidget>

#include <optional>

class CorvaneVideoInfo;
class HomeSub;
class ParseProcess;
class QLabel;
class QPushButton;
class QTimer;
class Runner;

namespace Ui {
class HomePage;
}

// The library page: the grid of video tiles, adding videos (file dialog or
// drop), delete mode, and the library state published to the headset. The
// work on records, library files and probing is done by the library core;
// the page owns the records and keeps tiles, files and announcements in step.
class HomePage : public QWidget
{
    Q_OBJECT
public:
    explicit HomePage(QWidget *parent = nullptr);
    ~HomePage() override;

    // The item text of one record (empty for nullptr) and the list text of
    // itemTexts; done by the library core.
    QString videoInfoToJsonText(const CorvaneVideoInfo *info) const;
    QString buildVideoListText() const;
    // The object of the text's JSON document, empty (and logged) when the
    // text is no JSON.
    QJsonObject getJsonObjectFromString(const QString &text) const;
    // A new record (the caller owns it) from an item object, nullptr for an
    // empty object; its index is the current size of videoList.
    CorvaneVideoInfo *videoInfoFromJson(const QJsonObject &object) const;

    // Start-up: reads the library file and publishes the list at once; the
    // tiles follow from the event loop, as they come into view.
    void loadVideoList();
    // Adds one record to the library file (first: replaces the file); false
    // (and logged) when it could not be stored.
    bool appendVideoRecord(CorvaneVideoInfo *info, bool first);
    void writeVideoListJsonFile();
    // Emits sglSendJson with the library JSON object.
    void publishVideoList();

    // Leaves delete mode with nothing selected.
    void resetDeleteMode();
    // Re-checks every tile's files, republishes and announces; at most once
    // a second: calls within that second are answered by one refresh at its end.
    void refreshVideoState();
    // Stops a probe run that is still going and waits for its thread.
    void stopProbeRuns();
    // Files a watched folder offers: probed in the background, without a
    // dialog, one batch after another; one publication and announcement per
    // batch. Refusals are logged only; a file that could not be stored is
    // reported once for the batch.
    void addFilesInBackground(const QStringList &files);
    // The tool row's entry to the list of watched folders.
    void setWatchedFoldersShown(bool shown);

    // Read access for the page container and tests. The tiles are those
    // built so far: the first ones of videos(), in its order, up to a screen
    // below the view.
    const QList<CorvaneVideoInfo *> &videos() const { return videoList; }
    const QList<HomeSub *> &tileList() const { return tiles; }
    const QStringList &itemTextList() const { return itemTexts; }
    const QList<CorvaneVideoInfo *> &selectedVideoList() const { return selectedVideos; }
    bool isDeleteMode() const { return deleteMode; }
    bool isAllSelected() const { return allSelected; }
    ParseProcess *parseProcess() const { return m_parseProcess; }

    // Every video under the folders (and the loose files beside them),
    // accepted and probed as single files are, then summed up in one
    // message (counted on from summary) instead of one dialog per refused file.
    void addFolders(const QStringList &folders, const QStringList &files = {}, AddSummary summary = {});
    // The records whose video file is gone, as the tiles last saw them.
    QList<CorvaneVideoInfo *> missingVideos() const;

signals:
    void sglShowConfirmDel();
    void sglSendJson(const QJsonObject &jsonObject);
    void sglSendUpdateUDP();
    void sglSendRefreshUDP();
    void slgUpdateDataReadProgress(qint64 bytesRead, qint64 totalBytes);
    // The user asked to keep the folder watched; sent once its add is done.
    void sglWatchFolder(const QString &folder);
    void sglShowWatchedFolders();

public slots:
    void slotAddVideoFile();
    void slotAddFolder();
    // Selects the tiles whose file is gone and asks, as a delete does.
    void slotRemoveMissingVideos();
    void slotDelVideoFile();
    void slotDoDelVideoFile();
    void slotCancelDelVideoFile();
    void slotSelectAll();
    void slotSelectForDelete(CorvaneVideoInfo *psvi, bool b_willdel);
    void slotParse(const CorvaneVideoInfo &parsed);
    void slotParsefinished();
    void slotAbnormal(QStringList errorList);
    void slotUpdateFinish();
    void slotSendUpdateUDPMessage();

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void processDroppedUrls(const QList<QUrl> &urls);
    void addVideoTile(CorvaneVideoInfo *info);
    void clearVideoTiles();
    // Builds the tiles up to a screen below the view, decodes the posters
    // near it and drops those far from it; sizes the grid for every video.
    void fillTiles();
    void scheduleTileFill();
    int tileRowPitch() const;
    void showVideoList();
    bool isVideoAdded(const QString &path) const;
    // Removes rejected candidates (their [message, name] pairs go to
    // pendingErrors) and records the accepted paths in addedPaths.
    void acceptCandidateFiles(QStringList *paths);
    void acceptCandidateFiles(QList<QUrl> *urls);
    // With a summary, a refusal is counted there instead of reported alone.
    bool acceptCandidate(const QString &path, const QString &name, bool fromDialog, AddSummary *summary = nullptr);
    void startProbeRun(const QStringList &files, const QList<QUrl> &urls);
    // One probed video into the file, the list and a tile; false when it
    // could not be stored.
    bool keepRecord(const CorvaneVideoInfo &parsed);
    bool storeParsed(const CorvaneVideoInfo &parsed);
    void takeBatchTurn();
    void finishProbeRun(Runner *runner);
    void showPendingErrors();
    // The remove action follows the tiles, which first look at their files
    // again (one stat each) unless they just did.
    void updateMissingState(bool lookAgain = true);
    void placeWatchedButton();
    void announceChange();
    void setEmptyHintVisible(bool visible);
    void leaveDeleteModeForAdd();
    void doRefreshVideoState();
    void showPrompt(const QString &text);
    void startBackgroundRun();
    void slotBackgroundParse(const CorvaneVideoInfo &parsed);
    void storeBackgroundParsed();
    void slotBackgroundFinished();
    void finishBackgroundBatch();

    void setAddButtonStyle();
    void setDelButtonNormal();
    void setDelButtonDeleteMode();
    void setAllButtonReset();
    void setAllButtonDeleteMode();
    void setAllButtonAllSelected();
    void setAllLabelGrey();
    void setAllLabelTeal();

    Ui::HomePage *ui;

    QList<CorvaneVideoInfo *> videoList;
    QStringList itemTexts;
    QStringList addedPaths;

    QList<HomeSub *> tiles;
    QList<CorvaneVideoInfo *> selectedVideos;
    QList<QStringList> pendingErrors;
    bool deleteMode = false;
    bool allSelected = false;
    QString lastOpenDir;
    QTimer *announceTimer = nullptr;
    QTimer *refreshTimer = nullptr;
    QTimer *tileFillTimer = nullptr;
    bool refreshPending = false;
    int udpRepeatCount = 0;
    int parseTotal = 0;
    int parseDone = 0;
    ParseProcess *m_parseProcess = nullptr;
    QStringList backgroundQueue;
    QList<CorvaneVideoInfo> backgroundParsed;
    QTimer *backgroundFeed = nullptr;
    bool backgroundRunDone = false;
    int backgroundAdded = 0;
    int backgroundNotStored = 0;
    // Set while a folder's run goes: its outcome is summed, not listed.
    std::optional<AddSummary> m_batch;
    QList<CorvaneVideoInfo> m_batchQueue;
    QTimer *m_batchTimer = nullptr;
    bool m_runEnded = false;
    Runner *m_endedRunner = nullptr;
    QPushButton *m_addFolderButton = nullptr;
    QPushButton *m_removeMissingButton = nullptr;
    QPushButton *m_watchedButton = nullptr;
    bool m_watchedShown = false;

    QLabel *m_hintImage = nullptr;
    QLabel *m_hintText = nullptr;
};
