#pragma once

#include <QDialog>
#include <QPointer>
#include <QRect>

class QFile;
class QLabel;
class QNetworkAccessManager;
class QNetworkReply;
class QTimer;
class QScrollArea;
class QUrl;
struct VersionInfo;

namespace Ui {
class NuvoHomeUpdateDesc;
}

// The update dialog: shows the offered version and its notes; "Update"
// downloads the installer into the update folder with progress and a stall
// check, then starts it and ends the program. A mandatory update leaves only
// updating or quitting. Opened by the start-up check and the about page,
// which fill its texts first. An installer comes only from an allowed
// address and, when the offer names its SHA-256, only when it matches; a
// copy installed by the package manager shows the offer and points to that
// instead of downloading.
class NuvoHomeUpdateDesc : public QDialog
{
    Q_OBJECT
public:
    explicit NuvoHomeUpdateDesc(QWidget *parent = nullptr);
    ~NuvoHomeUpdateDesc() override;

    int exec() override;
    void reject() override;

    // The opener's part: the offer view with its title, the close button's
    // text (kept when empty) and the notes (split at backslash + "n").
    void fillOffer(const QString &title, const QString &cancelText, const QString &notes);
    // The about page's look of the "Update" button.
    void setUpdateButtonNormal(const QString &text);

    // The stall period, 10000 ms unless a test shortens it.
    void setStallInterval(int ms);
    // Reads this record instead of the online facade's (tests).
    void setVersionRecord(const VersionInfo *record) { m_record = record; }

    // The folder the packaged-install test looks at: the executable's, unless a test names one.
    void setProgramFolder(const QString &folder);

    bool isDownloading() const { return m_reply != nullptr; }

public slots:
    void slotBNClose_Clicked();
    void slotBNUpdate_Clicked();
    void UpdateFinished(QNetworkReply *reply);
    void httpReadyRead();
    void updateDataReadProgress(qint64 bytesRead, qint64 totalBytes);
    void timeOut();

private:
    const VersionInfo *versionRecord() const;
    // The configured web API, whose own scheme, host and port may serve an installer.
    static QUrl apiUrl();
    void startDownload(const QString &folder);
    void showUpdateFailed();
    // Detaches and cancels the running download, so a reply that reports
    // "finished" while being cancelled reaches nothing; closes the file.
    void releaseDownload();
    void setProgressStyle(bool failed);
    [[noreturn]] void endProgram();

    Ui::NuvoHomeUpdateDesc *ui;
    QPointer<QNetworkAccessManager> m_manager;
    QNetworkReply *m_reply = nullptr;
    QFile *m_file = nullptr;
    qint64 f_DownloadedSize = 0;
    qint64 f_bytesReadNow = 0;
    qint64 m_totalBytes = 0;
    QTimer *m_stallTimer = nullptr;
    QScrollArea *m_notesArea = nullptr; // holds label_2
    int m_stallInterval = 10000;
    const VersionInfo *m_record = nullptr;
    QLabel *m_packageNote = nullptr;
    QRect m_notesRect;
    QString m_programFolder;
};
