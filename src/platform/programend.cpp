#include "platform/programend.h"

#include <QDebug>
#include <QMutex>
#include <QMutexLocker>

#include <cstdlib>
#include <utility>

namespace {

QMutex &hookLock()
{
    static QMutex lock;
    return lock;
}

std::function<void()> &hookSlot()
{
    static std::function<void()> hook;
    return hook;
}

} // namespace

namespace ProgramEnd {

void setShutdownHook(std::function<void()> hook)
{
    QMutexLocker lock(&hookLock());
    hookSlot() = std::move(hook);
}

void exitNow()
{
    std::function<void()> hook;
    {
        QMutexLocker lock(&hookLock());
        hook = std::exchange(hookSlot(), {});
    }
    if (hook) {
        qDebug() << "ProgramEnd: closing down before the exit";
        hook();
    }
    qInstallMessageHandler(nullptr);
    std::exit(0);
}

} // namespace ProgramEnd
