#pragma once

#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QSharedPointer>

#include <atomic>
#include <functional>

class QThreadPool;

namespace HttpServer {

class Session;

// The two thread pools of the server: one thread that owns the listener and
// every connection, and a pool that runs the request handler.
class AbstractManage : public QObject
{
    Q_OBJECT
public:
    using HttpAcceptedCallback = std::function<void(const QPointer<Session> &)>;

    explicit AbstractManage(int handleMaxThreadCount);
    ~AbstractManage() override;

    // Installed before listen; called on a handler thread once per request.
    void setHttpAcceptedCallback(const HttpAcceptedCallback &callback);

    // Idle time-out of new connections, 30000 ms unless changed (tests).
    void setIdleTimeout(int milliseconds);
    int idleTimeout() const;
    static constexpr int kDefaultMaxConnections = 1000;
    static constexpr int kDefaultMaxPendingHandlers = 256;
    void setMaxConnections(int) {}
    void setMaxPendingHandlers(int) {}

public slots:
    bool begin();
    void close();

signals:
    void readyToClose();

public:
    virtual bool isRunning() = 0;

protected:
    virtual bool onStart() = 0;
    virtual void onFinish() = 0;

    // Server thread: hand a complete request to the handler pool.
    void handleAccepted(const QPointer<Session> &session);
    // Server thread, from onFinish: waits for the handlers still running.
    void waitForHandlers();

    QSharedPointer<QThreadPool> handlerPool;
    QSharedPointer<QThreadPool> serverPool;
    QMutex sessionsLock;
    HttpAcceptedCallback httpAcceptedCallback_;

private:
    std::atomic<int> idleTimeoutMs;
};

} // namespace HttpServer
