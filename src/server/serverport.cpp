#include "server/serverport.h"

#include "server/tcpservermanage.h"
#include "settings/appsettings.h"

#include <QDebug>

quint16 ServerPort::choose(quint16 from)
{
    for (int port = qMax<int>(1, from); port <= 65535; ++port) {
        if (AppSettings::instance()->checkPort(port)) {
            qDebug().noquote() << "Available Port" << port;
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
