#pragma once

#include "server/abstractmanage.h"

#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QPointer>
#include <QVector>

class QTcpServer;

namespace HttpServer {

// The TCP listener of the server.
class TcpServerManage : public AbstractManage
{
    Q_OBJECT
public:
    explicit TcpServerManage(int handleMaxThreadCount = 5);
    ~TcpServerManage() override;

    // Stores address and port, then starts the server thread; false when
    // the listener could not be bound.
    bool listen(const QHostAddress &address, const quint16 &port);

    // The port actually bound (useful after listening on port 0); 0 when stopped.
    quint16 serverPort();

    bool isRunning() override;

protected:
    bool onStart() override;
    void onFinish() override;

private:
    // A refusal logs one line, then at most one per interval with the count
    // of those not logged, so a flood of connections does not flood the log.
    struct RefusalLog
    {
        QElapsedTimer sinceLine;
        int unlogged = 0;
        void note(const QString &line);
    };

    void acceptConnections();
    void connectionEnded(const QHostAddress &peer);
    void deleteEndedSessions();

    QPointer<QTcpServer> tcpServer_;
    // Parent of every live session, so that stopping the server ends them.
    QObject *sessionRoot = nullptr;
    // Server thread only: sessions that have ended, deleted each time the
    // thread's event loop wakes or is about to sleep. A deferred delete
    // would post an event, and wake the thread, once more per connection.
    QVector<QPointer<Session>> endedSessions;
    QHostAddress listenAddress;
    quint16 listenPort = 0;
    // Server thread only: open connections by peer address.
    QHash<QHostAddress, int> connectionsByPeer;
    RefusalLog tooManyLog;
    RefusalLog perPeerLog;
};

} // namespace HttpServer
