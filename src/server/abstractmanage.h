#pragma once

#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QSharedPointer>

#include <atomic>
#include <functional>

class QThreadPool;

namespace HttpServer {

class HandlerPool;
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
    // Bounds on what clients can make the server hold. Each open connection
    // may buffer up to a request head and body; each complete request waits
    // for a handler thread. Past a bound the new connection (or request) is
    // closed at once with one log line. A headset reads a video with a few
    // parallel ranges, far below either bound.
    //
    // The connection bound follows the descriptor limit (raised to the hard
    // limit when the server is made): each connection holds a socket and,
    // while a file is sent, the file; a reserve stays for the log, Qt and
    // the rest of the program. kDefaultMaxConnections is its upper end.
    static constexpr int kDefaultMaxConnections = 1000;
    static constexpr int kReservedDescriptors = 128;
    static constexpr int kDefaultMaxPendingHandlers = 256;
    // One peer address may hold this many connections at once, so a single
    // peer cannot take every place from the others.
    static constexpr int kDefaultMaxConnectionsPerPeer = 64;
    static int connectionCapFor(long descriptorLimit);
    void setMaxConnections(int count);
    void setMaxConnectionsPerPeer(int count);
    void setMaxPendingHandlers(int count);
    int openConnections() const { return openConnections_; }

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

    QSharedPointer<HandlerPool> handlerPool;
    QSharedPointer<QThreadPool> serverPool;
    QMutex sessionsLock;
    HttpAcceptedCallback httpAcceptedCallback_;

    std::atomic<int> maxConnections_{kDefaultMaxConnections};
    std::atomic<int> maxConnectionsPerPeer_{kDefaultMaxConnectionsPerPeer};
    std::atomic<int> openConnections_{0};

private:
    std::atomic<int> idleTimeoutMs;
    std::atomic<int> maxPendingHandlers_{kDefaultMaxPendingHandlers};
    std::atomic<int> pendingHandlers_{0};
};

} // namespace HttpServer
