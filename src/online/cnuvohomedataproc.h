#pragma once

#include <QObject>
#include <QString>

class CNuvoHomeDataProcResourceMgr;
struct VersionInfo;

// The one way into the online services: the version record and the FAQ
// text. Created on first use (in practice by the start-up update check),
// which starts the guide's background fetch; kept for the life of the process.
class CNuvoHomeDataProc : public QObject
{
    Q_OBJECT
public:
    explicit CNuvoHomeDataProc(QObject *parent = nullptr);
    ~CNuvoHomeDataProc() override;

    VersionInfo *GetNuvoHomeVersionData();
    QString GetFaqHtml();
    CNuvoHomeDataProcResourceMgr *resourceMgr() const { return m_mgr; }

private:
    CNuvoHomeDataProcResourceMgr *m_mgr = nullptr;
};
