#include "server/abstractmanage.h"

#include "platform/platform.h"
#include "server/handlerpool.h"
#include "server/httpsession.h"

#include <QDebug>
#include <QEventLoop>
#include <QSemaphore>
#include <QThread>
#include <QThreadPool>

namespace HttpServer {

AbstractManage::AbstractManage(int handleMaxThreadCount)
    : handlerPool(new HandlerPool(qMax(1, handleMaxThreadCount), "corvane-handler")), serverPool(new QThreadPool),
      idleTimeoutMs(Session::kDefaultIdleTimeoutMs)
{
    serverPool->setMaxThreadCount(1);
    maxConnections_ = connectionCapFor(Platform::raiseDescriptorLimit());
}

int AbstractManage::connectionCapFor(long descriptorLimit)
{
    if (descriptorLimit < 0)
        return kDefaultMaxConnections;
    const long usable = (descriptorLimit - kReservedDescriptors) / 2;
    return int(qBound(1L, usable, long(kDefaultMaxConnections)));
}

AbstractManage::~AbstractManage()
{
    // Subclasses close in their own destructor (isRunning is theirs); here
    // only the handlers that may still run are waited for.
    handlerPool->waitForDone();
    serverPool->waitForDone();
}

void AbstractManage::setHttpAcceptedCallback(const HttpAcceptedCallback &callback)
{
    httpAcceptedCallback_ = callback;
}

void AbstractManage::setIdleTimeout(int milliseconds)
{
    idleTimeoutMs = qMax(1, milliseconds);
}

void AbstractManage::setMaxConnections(int count)
{
    maxConnections_ = qMax(1, count);
}

void AbstractManage::setMaxConnectionsPerPeer(int count)
{
    maxConnectionsPerPeer_ = qMax(1, count);
}

void AbstractManage::setMaxPendingHandlers(int count)
{
    maxPendingHandlers_ = qMax(1, count);
}

int AbstractManage::idleTimeout() const
{
    return idleTimeoutMs;
}

bool AbstractManage::begin()
{
    if (QThread::currentThread() != thread()) {
        qDebug().noquote() << "HttpServer::Manage::listen: error: listen from other thread";
        return false;
    }
    if (isRunning()) {
        qDebug().noquote() << "HttpServer::Manage::close: error: already running";
        return false;
    }
    QSemaphore started;
    serverPool->start([this, &started] {
        const Platform::ScopedThreadName named("corvane-server");
        QEventLoop loop;
        connect(this, &AbstractManage::readyToClose, &loop, &QEventLoop::quit);
        const bool ok = onStart();
        started.release(1);
        // After a failed start the task ends here and frees the server thread
        // for a later begin().
        if (!ok)
            return;
        loop.exec();
        onFinish();
    });
    started.acquire(1);
    return isRunning();
}

void AbstractManage::close()
{
    if (!isRunning()) {
        qDebug().noquote() << "HttpServer::Manage::close: error: not running";
        return;
    }
    emit readyToClose();
    // Joins the server thread too, idle or not: once close returns no
    // thread of the server runs (the handlers were waited for by onFinish,
    // their idle threads end here).
    serverPool->waitForDone();
    handlerPool->stopThreads();
}

void AbstractManage::handleAccepted(const QPointer<Session> &session)
{
    if (!session)
        return;
    // Handler runs queued or running: past the bound the request is
    // refused rather than queued, so a flood of packets cannot grow the
    // queue without end.
    if (pendingHandlers_.fetch_add(1) >= maxPendingHandlers_) {
        --pendingHandlers_;
        qWarning().noquote() << "HttpServer::Manage::handleAccepted: handler queue full, closing the connection";
        session->closeWithoutReply();
        return;
    }
    // Counted before the task is queued, so the session outlives the handler.
    session->handlerStarted();
    QPointer<Session> guarded = session;
    handlerPool->start([this, guarded] {
        if (!httpAcceptedCallback_)
            qDebug().noquote() << "HttpServer::Manage::handleAccepted: error, httpAcceptedCallback_ is nullptr";
        else
            httpAcceptedCallback_(guarded);
        if (guarded)
            guarded->handlerFinished();
        --pendingHandlers_;
    });
}

void AbstractManage::waitForHandlers()
{
    handlerPool->waitForDone();
}

} // namespace HttpServer
