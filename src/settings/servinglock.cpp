#include "servinglock.h"

#include "settings/session.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLockFile>

ServingLock::ServingLock() = default;

ServingLock::~ServingLock() = default;

bool ServingLock::acquire()
{
    // Without a data folder (or one the lock cannot be written in) nothing
    // is saved, so there is nothing two copies could spoil: serve anyway.
    const QString folder = Session::instance()->getDataPath();
    if (folder.isEmpty()) {
        qWarning() << "ServingLock: no data folder, serving without the lock";
        return true;
    }
    m_path = folder + QStringLiteral("/serving.lock");
    m_lock.reset(new QLockFile(m_path));
    m_lock->setStaleLockTime(0); // only a dead holder makes the lock stale
    if (m_lock->tryLock(0))
        return true;
    if (m_lock->error() != QLockFile::LockFailedError) {
        qWarning() << "ServingLock: cannot write" << m_path << "error" << m_lock->error()
                   << "; serving without the lock";
        return true;
    }
    QString host, application;
    m_lock->getLockInfo(&m_holderPid, &host, &application);
    qDebug() << "ServingLock:" << m_path << "held by" << application << "pid" << m_holderPid;
    return false;
}

QString ServingLock::refusalText() const
{
    return QCoreApplication::translate("ServingLock",
                                       "Another copy of Corvane (process %1) serves this data folder already: ending.")
        .arg(m_holderPid);
}
