#include "cnuvohomedataproc.h"

#include "ccorvanedataprocresourceguide.h"
#include "cnuvohomedataprocresourcemgr.h"
#include "cnuvohomedataprocresourceversion.h"

CNuvoHomeDataProc::CNuvoHomeDataProc(QObject *parent) : QObject(parent), m_mgr(new CNuvoHomeDataProcResourceMgr)
{
    m_mgr->Start();
}

CNuvoHomeDataProc::~CNuvoHomeDataProc()
{
    delete m_mgr;
}

VersionInfo *CNuvoHomeDataProc::GetNuvoHomeVersionData()
{
    return m_mgr ? m_mgr->versionChecker()->GetNuvoHomeVersionData() : nullptr;
}

QString CNuvoHomeDataProc::GetFaqHtml()
{
    return m_mgr ? m_mgr->guideLoader()->GetFaqHtml() : QString();
}
