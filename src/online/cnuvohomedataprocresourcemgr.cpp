#include "cnuvohomedataprocresourcemgr.h"

#include "ccorvanedataprocresourceguide.h"
#include "cnuvohomedataprocresourceversion.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

CNuvoHomeDataProcResourceMgr::CNuvoHomeDataProcResourceMgr(QObject *parent)
    : QObject(parent), m_version(new CNuvoHomeDataProcResourceVersion), m_guide(new CCorvaneDataProcResourceGuide),
      m_timer(new QTimer(this))
{
    connect(m_timer, &QTimer::timeout, this, &CNuvoHomeDataProcResourceMgr::sltDownloadGameVideoResource);
    m_timer->start(1000);
    emptyFolder(pictureFolder());
}

CNuvoHomeDataProcResourceMgr::~CNuvoHomeDataProcResourceMgr()
{
    delete m_version;
    delete m_guide;
}

void CNuvoHomeDataProcResourceMgr::Start()
{
    if (m_guide)
        m_guide->StartGuideDownload();
}

CNuvoHomeDataProcResourceVersion *CNuvoHomeDataProcResourceMgr::versionChecker()
{
    if (!m_version)
        m_version = new CNuvoHomeDataProcResourceVersion;
    return m_version;
}

CCorvaneDataProcResourceGuide *CNuvoHomeDataProcResourceMgr::guideLoader()
{
    if (!m_guide)
        m_guide = new CCorvaneDataProcResourceGuide;
    return m_guide;
}

void CNuvoHomeDataProcResourceMgr::setCleanupInterval(int ms)
{
    m_timer->start(ms);
}

QString CNuvoHomeDataProcResourceMgr::pictureFolder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/picture");
}

void CNuvoHomeDataProcResourceMgr::sltDownloadGameVideoResource()
{
    emptyFolder(pictureFolder());
}

void CNuvoHomeDataProcResourceMgr::emptyFolder(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isDir())
        return;
    const QFileInfoList entries =
        QDir(path).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        // A link to a folder is removed as a link, never followed out of the tree.
        if (entry.isDir() && !entry.isSymLink())
            emptyFolder(entry.filePath());
        else
            QFile::remove(entry.filePath());
    }
}
