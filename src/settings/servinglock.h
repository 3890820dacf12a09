#pragma once

#include <QString>

#include <memory>

class QLockFile;

// One program serves a data folder at a time, the window or the headless
// server: each takes this lock in the data folder before it serves or
// changes the library, and holds it until it ends. A lock left by a process
// that died is taken over.
class ServingLock
{
public:
    ServingLock();
    ~ServingLock();
    ServingLock(const ServingLock &) = delete;
    ServingLock &operator=(const ServingLock &) = delete;

    // False when another living process holds the lock (holderPid then
    // names it); true when this process now holds it, and also (logged) when
    // there is no data folder or the lock file cannot be written there, since
    // nothing is saved then.
    bool acquire();
    // What the copy that did not get the lock tells the user before it ends.
    QString refusalText() const;

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    qint64 m_holderPid = 0;
};
