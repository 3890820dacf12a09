#pragma once

#include "server/abstractmanage.h"

#include <QHostAddress>
#include <QPointer>

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
    void acceptConnections();

    QPointer<QTcpServer> tcpServer_;
    // Parent of every live session, so that stopping the server ends them.
    QObject *sessionRoot = nullptr;
    QHostAddress listenAddress;
    quint16 listenPort = 0;
};

} // namespace HttpServer
