#include "server/serverport.h"

#include "server/tcpservermanage.h"
#include "platform/platform.h"
#include "settings/appsettings.h"

#include <QDebug>
#include <QVector>

quint16 ServerPort::choose(quint16 from)
{
    bool ok = false;
    const QList<quint16> used = Platform::tcpLocalPorts(&ok);
    // An unreadable table does not stop the selection: listen() tells.
    return choose(from, ok ? used : QList<quint16>());
}

quint16 ServerPort::choose(quint16 from, const QList<quint16> &used)
{
    QVector<bool> taken(65536, false);
    for (quint16 port : used)
        taken[port] = true;
    for (int port = qMax<int>(1, from); port <= 65535; ++port) {
        if (!taken.at(port)) {
            qDebug().noquote() << "Available Port" << port;
            AppSettings::instance()->setServerPort(port);
            return quint16(port);
        }
    }
    qDebug().noquote() << "Available Port: none from" << from << "to 65535";
    return 0;
}

quint16 ServerPort::listen(HttpServer::TcpServerManage *server, quint16 port,
                           const QHostAddress &address, int retries)
{
    if (!server || port == 0) {
        qDebug().noquote() << "listen:" << false;
        return 0;
    }
    for (int attempt = 0;; ++attempt) {
        if (server->listen(address, port))
            return port;
        qDebug().noquote() << "listen:" << false << "on port" << port;
        // The check and the bind are not atomic: another program may have
        // taken the port meanwhile. Try the next free one rather than run on
        // without a server.
        if (attempt >= retries || port == 65535)
            return 0;
        port = choose(quint16(port + 1));
        if (port == 0)
            return 0;
    }
}
