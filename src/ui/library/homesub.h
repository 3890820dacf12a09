#pragma once

#include <QString>
#include <QWidget>

class CorvaneVideoInfo;
class QLabel;
class QMenu;
class QTimer;

namespace Ui {
class HomeSub;
}

// One tile of the library grid: poster, name, size, duration, the check
// button of delete mode and the banner of a vanished video file. It repairs
// a missing poster file with a copy of the default poster, so the headset's
// poster request still finds a file. A badge on the poster names the
// video's projection ("180 3D", "Flat"); the context menu corrects it.
class HomeSub : public QWidget
{
    Q_OBJECT
public:
    explicit HomeSub(QWidget *parent = nullptr);
    ~HomeSub() override;

    // Binds the record (not owned) and fills the tile; null does nothing.
    void setVideoInfo(CorvaneVideoInfo *info);
    CorvaneVideoInfo *videoInfo() const { return m_videoInfo; }

    void setDeleteMode(bool on);
    // Sets the check state and reports it with sglSelectForDelete.
    void setSelected(bool on);
    bool isSelected() const { return selected; }

    // Looks again at the bound record's video and poster files.
    void ChangeState();
    // Looks again at the video file only: the banner and the greyed poster
    // of a file that is gone.
    void checkVideoFile();
    bool isVideoMissing() const { return m_missing; }

    // The projection and layout choices for the bound video, checked as the
    // store has them; choosing one keeps it as the user's correction.
    QMenu *projectionMenu(QWidget *parent);

    // "hh:mm:ss", each part at least two digits.
    static QString formatDuration(int seconds);
    // KiB as "x.xxMB" below 1024 MiB, "x.xxGB" from there.
    static QString formatSize(int kib);

signals:
    void sglSelectForDelete(CorvaneVideoInfo *info, bool selected);

public slots:
    void slotDeleteVideo();
    void scrollCaption();

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void applyCheckImages();
    void showPosterImage();
    void copyDefaultPoster();
    void updateBanner();
    void updateBadge(const QString &id);

    Ui::HomeSub *ui;
    CorvaneVideoInfo *m_videoInfo = nullptr;
    bool selected = false;
    QLabel *m_banner = nullptr;
    QLabel *m_badge = nullptr;
    QLabel *m_missingBadge = nullptr;
    bool m_missing = false;
    QTimer *m_scrollTimer = nullptr;
    int scrollPos = 0;
    int scrollMax = 0;
    QString m_fullName;
};
