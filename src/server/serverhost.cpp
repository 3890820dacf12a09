#include "serverhost.h"

#include "discovery/udpannouncer.h"
#include "dlna/mediaserver.h"
#include "library/libraryglobals.h"
#include "library/projectionstore.h"
#include "server/mediaroutes.h"
#include "server/playerroutes.h"
#include "server/serverport.h"
#include "server/tcpservermanage.h"
#include "server/webpage.h"
#include "settings/appsettings.h"

#include <QDebug>

namespace {
const int kPresenceIntervalMs = 1000;
const int kRefreshIntervalMs = 900;
const int kRefreshRepeats = 3;
}

ServerHost::ServerHost(QObject *parent) : QObject(parent)
{
    m_server = new HttpServer::TcpServerManage(AppSettings::instance()->HandleMax());
    m_routes = new MediaRoutes(this);
    PlayerRoutes::install(*m_routes);
    m_server->setHttpAcceptedCallback(m_routes->handler());
    m_routes->setWebPage(WebPage::render(AppSettings::instance()->language()));
    m_dlna = new MediaServer(this);

    m_announcer = new UdpAnnouncer(AppSettings::instance()->announcePort(), this);
    m_presence.setInterval(kPresenceIntervalMs);
    connect(&m_presence, &QTimer::timeout, this, &ServerHost::announce);
    m_refresh.setInterval(kRefreshIntervalMs);
    connect(&m_refresh, &QTimer::timeout, this, [this] {
        m_announcer->sendMessage(UdpAnnouncer::refreshText(UdpAnnouncer::takeRefreshNumber()));
        if (--m_refreshesLeft <= 0)
            m_refresh.stop();
    });
}

ServerHost::~ServerHost()
{
    stop();
    delete m_server;
}

void ServerHost::publish(const QJsonObject &library)
{
    // Projections of videos not seen before are read off this thread.
    ProjectionStore::shared()->detectLibrary(library);
    m_routes->setLibraryJson(library);
    m_dlna->setLibraryJson(library);
}

quint16 ServerHost::start(quint16 preferredPort)
{
    const quint16 chosen = ServerPort::choose(preferredPort);
    if (chosen == 0) {
        qWarning() << "ServerHost: no free TCP port from" << preferredPort << "up";
        return 0;
    }
    m_port = ServerPort::listen(m_server, chosen, QHostAddress::Any);
    if (m_port == 0)
        return 0;
    if (!m_announcer->open())
        qWarning() << "ServerHost: the announcement socket cannot be opened; sends try again";
    announce();
    m_presence.start();
    if (AppSettings::instance()->dlnaEnabled())
        m_dlna->start(m_port);
    return m_port;
}

void ServerHost::stop()
{
    m_presence.stop();
    m_refresh.stop();
    m_dlna->stop();
    if (m_server->isRunning()) {
        m_server->close();
        qInfo() << "ServerHost: server closed on port" << m_port;
    }
}

void ServerHost::announceChange()
{
    m_announcer->sendMessage(UdpAnnouncer::updateText());
    ++udpRefreshCounter;
    m_refreshesLeft = kRefreshRepeats;
    m_refresh.start();
}

void ServerHost::announce()
{
    m_announcer->sendMessage(UdpAnnouncer::presenceText(m_port));
}
