#pragma once

#include <QObject>
#include <QString>

class CCorvaneDataProcResourceGuide;
class CNuvoHomeDataProcResourceVersion;
class QTimer;

// Owns the version checker and the guide loader, and once a second empties
// the "picture" folder beside the executable (files only; the folder tree
// stays).
class CNuvoHomeDataProcResourceMgr : public QObject
{
    Q_OBJECT
public:
    explicit CNuvoHomeDataProcResourceMgr(QObject *parent = nullptr);
    ~CNuvoHomeDataProcResourceMgr() override;

    // Starts the guide's background fetch.
    void Start();

    CNuvoHomeDataProcResourceVersion *versionChecker();
    CCorvaneDataProcResourceGuide *guideLoader();

    // Deletes every file under path, folder by folder; folders stay.
    // Failures are ignored: the next tick tries again.
    static void emptyFolder(const QString &path);
    static QString pictureFolder();
    // For tests: the clean-up period (1000 ms by default).
    void setCleanupInterval(int ms);

public slots:
    void sltDownloadGameVideoResource();

private:
    CNuvoHomeDataProcResourceVersion *m_version = nullptr;
    CCorvaneDataProcResourceGuide *m_guide = nullptr;
    QTimer *m_timer = nullptr;
};
