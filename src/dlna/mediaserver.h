#pragma once

#include "dlna/dlnacatalog.h"

#include <QHash>
#include <QJsonObject>
#include <QObject>
#include <QTemporaryDir>

#include <memory>

class QNetworkInterface;
typedef struct _GUPnPContextManager GUPnPContextManager;
typedef struct _GUPnPContext GUPnPContext;

// The UPnP MediaServer that opens the library to DLNA players: a root device
// with ContentDirectory, ConnectionManager and the media receiver registrar
// on every LAN interface the headset's announcements use. GUPnP runs in the
// program's own event loop (Qt's GLib dispatcher on the default context), so
// every call here, and every GUPnP callback, is on the thread that made it.
class MediaServer : public QObject
{
    Q_OBJECT
public:
    explicit MediaServer(QObject *parent = nullptr);
    // Says byebye on every interface.
    ~MediaServer() override;

    // True on the main thread when Qt's event loop is GLib's (it iterates the
    // default context there).
    static bool eventLoopRunsGlib();

    // The interfaces a renderer may find us on: up, running, broadcast-capable
    // IPv4 LANs as the headset's announcements use, never loopback, a
    // point-to-point (VPN) link or a virtual bridge.
    static bool servesInterface(const QNetworkInterface &iface);

    // Starts advertising; the res URLs point at httpPort of our HTTP server.
    // False, with a log line, when the event loop is not GLib's or GUPnP fails.
    bool start(quint16 httpPort);
    void stop();

    // The library as last published (the same object the media routes get).
    void setLibraryJson(const QJsonObject &library);

    struct Device;

private:
    static void onContextAvailable(GUPnPContextManager *, GUPnPContext *context, MediaServer *self);
    static void onContextUnavailable(GUPnPContextManager *, GUPnPContext *context, MediaServer *self);
    void addContext(GUPnPContext *context);
    void removeContext(GUPnPContext *context);
    DlnaCatalog::Urls urlsFor(GUPnPContext *context) const;

    friend struct MediaServerActions;

    GUPnPContextManager *m_manager = nullptr;
    std::unique_ptr<QTemporaryDir> m_descriptionDir;
    QString m_udn;
    quint16 m_httpPort = 0;
    DlnaCatalog m_catalog;
    QHash<GUPnPContext *, Device *> m_devices;
    QHash<QString, QByteArray> m_posterCache;
};
