#include "server/tcpservermanage.h"

#include "server/httpsession.h"

#include <QCoreApplication>
#include <QDebug>
#include <QMutexLocker>
#include <QTcpServer>
#include <QTcpSocket>

namespace HttpServer {

TcpServerManage::TcpServerManage(int handleMaxThreadCount) : AbstractManage(handleMaxThreadCount) {}

TcpServerManage::~TcpServerManage()
{
    if (isRunning())
        close();
}

bool TcpServerManage::listen(const QHostAddress &address, const quint16 &port)
{
    listenAddress = address;
    listenPort = port;
    return begin();
}

quint16 TcpServerManage::serverPort()
{
    QMutexLocker lock(&sessionsLock);
    return tcpServer_ ? tcpServer_->serverPort() : 0;
}

bool TcpServerManage::isRunning()
{
    QMutexLocker lock(&sessionsLock);
    return !tcpServer_.isNull();
}

bool TcpServerManage::onStart()
{
    QTcpServer *server = nullptr;
    {
        QMutexLocker lock(&sessionsLock);
        server = new QTcpServer;
        tcpServer_ = server;
    }
    sessionRoot = new QObject;
    connect(server, &QTcpServer::newConnection, this, [this] { acceptConnections(); },
            Qt::DirectConnection);
    if (server->listen(listenAddress, listenPort))
        return true;
    const QString error = server->errorString();
    {
        QMutexLocker lock(&sessionsLock);
        delete server;
        tcpServer_.clear();
    }
    delete sessionRoot;
    sessionRoot = nullptr;
    qDebug().noquote() << "tcpServer_ listen error:" << error;
    return false;
}

void TcpServerManage::onFinish()
{
    {
        QMutexLocker lock(&sessionsLock);
        if (tcpServer_) {
            tcpServer_->close();
            delete tcpServer_.data();
        }
        tcpServer_.clear();
    }
    // Handlers still running hold sessions; let them end before the
    // sessions (and their sockets) go.
    waitForHandlers();
    delete sessionRoot;
    sessionRoot = nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TcpServerManage::acceptConnections()
{
    QTcpServer *server = tcpServer_.data();
    if (!server)
        return;
    while (QTcpSocket *socket = server->nextPendingConnection()) {
        if (openConnections_ >= maxConnections_) {
            qWarning().noquote() << "HttpServer::Manage: too many connections (" << int(openConnections_)
                                 << "), closing a new one";
            socket->abort();
            delete socket;
            continue;
        }
        // A dual-stack listener shows an IPv4 client as ::ffff:a.b.c.d; the
        // client address is the plain IPv4 form then.
        QHostAddress address = socket->peerAddress();
        bool isV4 = false;
        const quint32 v4 = address.toIPv4Address(&isV4);
        if (isV4)
            address = QHostAddress(v4);
        auto *session = new Session(socket, address, idleTimeout(), sessionRoot);
        socket->setParent(session);
        ++openConnections_;
        connect(session, &QObject::destroyed, this, [this] { --openConnections_; }, Qt::DirectConnection);
        session->setRequestCompleteCallback(
            [this](const QPointer<Session> &s) { handleAccepted(s); });
    }
}

} // namespace HttpServer
