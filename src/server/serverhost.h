#pragma once

#include <QJsonObject>
#include <QObject>
#include <QTimer>

class MediaRoutes;
class MediaServer;
class UdpAnnouncer;
namespace HttpServer {
class TcpServerManage;
}

// The server without a window: the HTTP server with every route, listening
// on the port chosen as the window chooses it, and the presence datagram on
// the LAN once a second while it listens, and the DLNA media server.
class ServerHost : public QObject
{
    Q_OBJECT
public:
    explicit ServerHost(QObject *parent = nullptr);
    ~ServerHost() override;

    // The library served from now on (handlers read their own copy).
    void publish(const QJsonObject &library);
    // Chooses the first free port from preferredPort up, listens, and starts
    // announcing. The port listened on, 0 when none could be had.
    quint16 start(quint16 preferredPort);
    // Stops announcing and closes the server; logged as "server closed".
    void stop();
    quint16 port() const { return m_port; }
    // The library changed: "update" at once, then the refresh datagram
    // three times, as the window announces an add.
    void announceChange();

private:
    void announce();

    HttpServer::TcpServerManage *m_server = nullptr;
    MediaRoutes *m_routes = nullptr;
    UdpAnnouncer *m_announcer = nullptr;
    MediaServer *m_dlna = nullptr;
    QTimer m_presence;
    QTimer m_refresh;
    int m_refreshesLeft = 0;
    quint16 m_port = 0;
};
