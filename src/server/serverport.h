#pragma once

#include <QHostAddress>

namespace HttpServer {
class TcpServerManage;
}

// Choice of the HTTP port: the first port from 9000 upward that no TCP
// endpoint of the machine uses, written to the settings key serverPort.
class ServerPort
{
public:
    static constexpr quint16 kFirstPort = 9000;
    // How many further free ports are tried when listen fails on the chosen one.
    static constexpr int kListenRetries = 10;

    // First free port from `from` up to 65535 (logged as "Available Port" and
    // written to serverPort); 0 when there is none.
    static quint16 choose(quint16 from = kFirstPort);
    // The same search over a given list of ports in use (the machine's TCP
    // table is read once by the overload above).
    static quint16 choose(quint16 from, const QList<quint16> &used);

    // Listens on port; when that fails, moves on to the next free port
    // (written to serverPort again), at most `retries` times. Returns the
    // port listened on, 0 when every attempt failed (logged as "listen:" false).
    static quint16 listen(HttpServer::TcpServerManage *server, quint16 port,
                          const QHostAddress &address = QHostAddress::Any,
                          int retries = kListenRetries);
};
