#include "server/tcpservermanage.h"

#include "server/httpsession.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDebug>
#include <QMutexLocker>
#include <QTcpServer>
#include <QTcpSocket>

#include <sys/socket.h>

#include <utility>

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
    // Qt's own dispatcher says awake on every pass, glib's about to block.
    const QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    connect(dispatcher, &QAbstractEventDispatcher::awake, server, [this] { deleteEndedSessions(); },
            Qt::DirectConnection);
    connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, server, [this] { deleteEndedSessions(); },
            Qt::DirectConnection);
    if (server->listen(listenAddress, listenPort)) {
        // Qt 5 listens with a queue of 50 pending connections; a burst beyond
        // it (a player opening many ranges, a busy network) would wait for
        // the kernel's handshake retries or be lost. Listening again on the
        // same socket only raises the queue to the system's maximum.
        if (::listen(int(server->socketDescriptor()), SOMAXCONN) != 0)
            qDebug().noquote() << "tcpServer_: the accept queue stays at Qt's size";
        return true;
    }
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
    deleteEndedSessions();
    delete sessionRoot;
    sessionRoot = nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TcpServerManage::RefusalLog::note(const QString &line)
{
    constexpr qint64 kIntervalMs = 10000;
    if (sinceLine.isValid() && sinceLine.elapsed() < kIntervalMs) {
        ++unlogged;
        return;
    }
    if (unlogged > 0)
        qWarning().noquote() << line << QStringLiteral("(%1 more since the last line)").arg(unlogged);
    else
        qWarning().noquote() << line;
    unlogged = 0;
    sinceLine.start();
}

void TcpServerManage::acceptConnections()
{
    QTcpServer *server = tcpServer_.data();
    if (!server)
        return;
    while (QTcpSocket *socket = server->nextPendingConnection()) {
        const QHostAddress address = Session::plainAddress(socket->peerAddress());
        QString refusal;
        RefusalLog *refusalLog = nullptr;
        if (openConnections_ >= maxConnections_) {
            refusal = QStringLiteral("HttpServer::Manage: too many connections ( %1 ), closing a new one")
                          .arg(int(openConnections_));
            refusalLog = &tooManyLog;
        } else if (connectionsByPeer.value(address) >= maxConnectionsPerPeer_) {
            refusal = QStringLiteral("HttpServer::Manage: too many connections from %1 ( %2 ), closing a new one")
                          .arg(address.toString())
                          .arg(connectionsByPeer.value(address));
            refusalLog = &perPeerLog;
        }
        if (refusalLog) {
            refusalLog->note(refusal);
            socket->abort();
            delete socket;
            continue;
        }
        auto *session = new Session(socket, address, idleTimeout(), sessionRoot);
        socket->setParent(session);
        ++openConnections_;
        ++connectionsByPeer[address];
        // Sessions end on the server thread (deleteLater there, or with the
        // session root in onFinish), so the count needs no lock.
        connect(session, &QObject::destroyed, this, [this, address] { connectionEnded(address); },
                Qt::DirectConnection);
        session->setRequestCompleteCallback(
            [this](const QPointer<Session> &s) { handleAccepted(s); });
        session->setEndedCallback([this](Session *s) { endedSessions.append(s); });
    }
}

void TcpServerManage::deleteEndedSessions()
{
    // Called from the event loop itself, never from inside a session's own
    // call: as safe as the deferred delete it stands for.
    if (endedSessions.isEmpty())
        return;
    const QVector<QPointer<Session>> ended = std::exchange(endedSessions, {});
    for (const QPointer<Session> &session : ended)
        delete session.data();
}

void TcpServerManage::connectionEnded(const QHostAddress &peer)
{
    --openConnections_;
    const auto it = connectionsByPeer.find(peer);
    if (it != connectionsByPeer.end() && --it.value() <= 0)
        connectionsByPeer.erase(it);
}

} // namespace HttpServer
