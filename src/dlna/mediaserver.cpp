#include "dlna/mediaserver.h"

#include "discovery/udpannouncer.h"
#include "dlna/dlnadescription.h"
#include "dlna/dlnaformat.h"

#include <QAbstractEventDispatcher>
#include <QBuffer>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QImage>
#include <QNetworkInterface>
#include <QThread>
#include <QUrl>
#include <QVector>

#include "dlna/gupnp.h"

namespace {
const char kContentDirectory[] = "urn:schemas-upnp-org:service:ContentDirectory";
const char kConnectionManager[] = "urn:schemas-upnp-org:service:ConnectionManager";
const char kRegistrar[] = "urn:microsoft.com:service:X_MS_MediaReceiverRegistrar";
// How long a renderer may keep us without hearing again (SSDP max-age).
const guint kMaxAge = 1800;
// Posters are re-encoded once and kept; bounded whatever the library holds.
const int kPosterCacheLimit = 512;
// JPEG_TN: no side longer than 160 pixels.
const int kThumbnailSide = 160;
// Bounds the final sending of queued byebyes, whatever else the loop holds.
const int kFlushIterations = 1000;

// Names of virtual links that carry no LAN: container and VM bridges, VPNs.
bool isVirtualBridgeOrTunnel(const QString &name)
{
    static const char *const prefixes[] = {"docker", "br-", "virbr", "veth", "lxc", "cni", "flannel",
                                           "vmnet", "vboxnet", "tun", "tap", "wg", "ppp", "tailscale", "zt"};
    for (const char *prefix : prefixes)
        if (name.startsWith(QLatin1String(prefix)))
            return true;
    return false;
}

QString text(const char *s) { return s ? QString::fromUtf8(s) : QString(); }

QString stringArgument(GUPnPServiceAction *action, const char *name)
{
    char *value = nullptr;
    gupnp_service_action_get(action, name, G_TYPE_STRING, &value, nullptr);
    const QString result = text(value);
    g_free(value);
    return result;
}

QString sourceProtocols()
{
    QStringList list;
    for (const char *mime : {"video/mp4", "video/x-matroska", "video/webm", "video/x-msvideo", "video/quicktime",
                             "video/mp2t", "video/mpeg", "video/x-ms-wmv", "video/x-flv"})
        list << DlnaFormat::protocolInfo(QLatin1String(mime));
    list << DlnaFormat::protocolInfo(QStringLiteral("image/jpeg"), QStringLiteral("JPEG_TN"))
         << QStringLiteral("http-get:*:text/srt:*");
    return list.join(QLatin1Char(','));
}
} // namespace

struct MediaServer::Device
{
    GUPnPContext *context = nullptr;
    GUPnPRootDevice *root = nullptr;
    QVector<GUPnPServiceInfo *> services;
    GUPnPService *contentDirectory = nullptr;
};

// The SOAP actions and event queries of the three services.
struct MediaServerActions
{
    static void contentDirectory(GUPnPService *service, GUPnPServiceAction *action, MediaServer *self)
    {
        const QString name = text(gupnp_service_action_get_name(action));
        if (name == QLatin1String("Browse")) {
            GUPnPContext *context = nullptr;
            g_object_get(service, "context", &context, nullptr);
            const DlnaCatalog::Urls urls = self->urlsFor(context);
            if (context)
                g_object_unref(context);
            const DlnaCatalog::Result result = self->m_catalog.browse(
                stringArgument(action, "ObjectID"), stringArgument(action, "BrowseFlag"),
                stringArgument(action, "StartingIndex"), stringArgument(action, "RequestedCount"), urls);
            if (result.error) {
                qDebug() << "dlna: Browse refused with" << result.error << stringArgument(action, "ObjectID")
                         << stringArgument(action, "BrowseFlag");
                // GUPnP has no text of its own for the ContentDirectory codes.
                gupnp_service_action_return_error(
                    action, result.error, result.error == 701 ? "No such object" : "Invalid Args");
                return;
            }
            gupnp_service_action_set(action, "Result", G_TYPE_STRING, result.didl.toUtf8().constData(),
                                     "NumberReturned", G_TYPE_UINT, result.numberReturned, "TotalMatches",
                                     G_TYPE_UINT, result.totalMatches, "UpdateID", G_TYPE_UINT,
                                     self->m_catalog.updateId(), nullptr);
        } else if (name == QLatin1String("GetSystemUpdateID")) {
            gupnp_service_action_set(action, "Id", G_TYPE_UINT, self->m_catalog.updateId(), nullptr);
        } else if (name == QLatin1String("GetSortCapabilities")) {
            gupnp_service_action_set(action, "SortCaps", G_TYPE_STRING, "", nullptr);
        } else if (name == QLatin1String("GetSearchCapabilities")) {
            gupnp_service_action_set(action, "SearchCaps", G_TYPE_STRING, "", nullptr);
        } else {
            invalid(action, name);
            return;
        }
        gupnp_service_action_return_success(action);
    }

    static void connectionManager(GUPnPService *, GUPnPServiceAction *action, MediaServer *)
    {
        const QString name = text(gupnp_service_action_get_name(action));
        if (name == QLatin1String("GetProtocolInfo")) {
            gupnp_service_action_set(action, "Source", G_TYPE_STRING, sourceProtocols().toUtf8().constData(), "Sink",
                                     G_TYPE_STRING, "", nullptr);
        } else if (name == QLatin1String("GetCurrentConnectionIDs")) {
            gupnp_service_action_set(action, "ConnectionIDs", G_TYPE_STRING, "0", nullptr);
        } else if (name == QLatin1String("GetCurrentConnectionInfo")) {
            if (stringArgument(action, "ConnectionID") != QLatin1String("0")) {
                gupnp_service_action_return_error(action, 706, "Invalid connection reference");
                return;
            }
            gupnp_service_action_set(action, "RcsID", G_TYPE_INT, -1, "AVTransportID", G_TYPE_INT, -1,
                                     "ProtocolInfo", G_TYPE_STRING, "", "PeerConnectionManager", G_TYPE_STRING, "",
                                     "PeerConnectionID", G_TYPE_INT, -1, "Direction", G_TYPE_STRING, "Output",
                                     "Status", G_TYPE_STRING, "OK", nullptr);
        } else {
            invalid(action, name);
            return;
        }
        gupnp_service_action_return_success(action);
    }

    static void registrar(GUPnPService *, GUPnPServiceAction *action, MediaServer *)
    {
        // Every renderer is welcome: the library is open to the LAN anyway.
        const QString name = text(gupnp_service_action_get_name(action));
        if (name == QLatin1String("IsAuthorized") || name == QLatin1String("IsValidated")) {
            gupnp_service_action_set(action, "Result", G_TYPE_INT, 1, nullptr);
        } else if (name == QLatin1String("RegisterDevice")) {
            gupnp_service_action_set(action, "RegistrationRespMsg", G_TYPE_STRING, "", nullptr);
        } else {
            invalid(action, name);
            return;
        }
        gupnp_service_action_return_success(action);
    }

    static void invalid(GUPnPServiceAction *action, const QString &name)
    {
        qDebug() << "dlna: invalid action" << name;
        gupnp_service_action_return_error(action, GUPNP_CONTROL_ERROR_INVALID_ACTION, "Invalid Action");
    }

    static void queryVariable(GUPnPService *, const char *variable, GValue *value, MediaServer *self)
    {
        const QString name = text(variable);
        if (name == QLatin1String("SystemUpdateID")) {
            g_value_init(value, G_TYPE_UINT);
            g_value_set_uint(value, self->m_catalog.updateId());
        } else if (name.endsWith(QLatin1String("UpdateID"))) {
            g_value_init(value, G_TYPE_UINT);
            g_value_set_uint(value, 0);
        } else {
            g_value_init(value, G_TYPE_STRING);
            g_value_set_string(value, name == QLatin1String("SourceProtocolInfo") ? sourceProtocols().toUtf8().constData()
                                      : name == QLatin1String("CurrentConnectionIDs") ? "0"
                                                                                      : "");
        }
    }

    static void poster(SoupServer *, SoupServerMessage *message, const char *path, GHashTable *, gpointer data)
    {
        auto *self = static_cast<MediaServer *>(data);
        // /dlna/poster/<id>.jpg
        QString id = QUrl::fromPercentEncoding(QByteArray(path)).section(QLatin1Char('/'), -1);
        id.chop(4);
        const DlnaCatalog::Item *item = self->m_catalog.findByMediaId(id);
        QByteArray jpeg = self->m_posterCache.value(id);
        if (item && jpeg.isEmpty()) {
            const QImage image(item->posterPath);
            if (!image.isNull()) {
                QBuffer buffer(&jpeg);
                buffer.open(QIODevice::WriteOnly);
                image.scaled(kThumbnailSide, kThumbnailSide, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_RGB32)
                    .save(&buffer, "JPG", 85);
            }
            if (!jpeg.isEmpty()) {
                if (self->m_posterCache.size() >= kPosterCacheLimit)
                    self->m_posterCache.clear();
                self->m_posterCache.insert(id, jpeg);
            } else {
                qDebug() << "dlna: poster cannot be read" << item->posterPath;
            }
        }
        if (jpeg.isEmpty()) {
            soup_server_message_set_status(message, SOUP_STATUS_NOT_FOUND, nullptr);
            return;
        }
        soup_message_headers_append(soup_server_message_get_response_headers(message), "contentFeatures.dlna.org",
                                    DlnaFormat::fourthField(QStringLiteral("JPEG_TN")).toLatin1().constData());
        soup_server_message_set_status(message, SOUP_STATUS_OK, nullptr);
        soup_server_message_set_response(message, "image/jpeg", SOUP_MEMORY_COPY, jpeg.constData(), gsize(jpeg.size()));
    }
};

MediaServer::MediaServer(QObject *parent) : QObject(parent)
{
    // Byebye while the program is still whole, before windows and their
    // children are torn down.
    if (QCoreApplication::instance())
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &MediaServer::stop);
}

MediaServer::~MediaServer() { stop(); }

bool MediaServer::eventLoopRunsGlib()
{
    const QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    // On the main thread Qt's GLib dispatcher iterates the default context,
    // where GUPnP attaches its sources.
    return dispatcher && dispatcher->inherits("QEventDispatcherGlib") && QThread::currentThread() == qApp->thread();
}

bool MediaServer::servesInterface(const QNetworkInterface &iface)
{
    const auto flags = iface.flags();
    if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning)
        || (flags & QNetworkInterface::IsLoopBack) || (flags & QNetworkInterface::IsPointToPoint)
        || iface.type() == QNetworkInterface::Virtual || isVirtualBridgeOrTunnel(iface.name()))
        return false;
    const QList<QNetworkAddressEntry> entries = iface.addressEntries();
    for (const QNetworkAddressEntry &entry : entries)
        if (UdpAnnouncer::qualifies(entry))
            return true;
    return false;
}

bool MediaServer::start(quint16 httpPort)
{
    if (m_manager)
        return true;
    m_httpPort = httpPort;
    if (!eventLoopRunsGlib()) {
        qWarning() << "dlna: the event loop does not run GLib's default context; the media server stays off";
        return false;
    }
    m_descriptionDir.reset(new QTemporaryDir);
    m_udn = DlnaDescription::udn();
    if (!m_descriptionDir->isValid()
        || !DlnaDescription::writeAll(m_descriptionDir->path(), DlnaDescription::friendlyName(), m_udn)) {
        qWarning() << "dlna: cannot write the device description; the media server stays off";
        m_descriptionDir.reset();
        return false;
    }
    m_manager = gupnp_context_manager_create_full(GSSDP_UDA_VERSION_1_0, G_SOCKET_FAMILY_IPV4, 0);
    g_signal_connect(m_manager, "context-available", G_CALLBACK(onContextAvailable), this);
    g_signal_connect(m_manager, "context-unavailable", G_CALLBACK(onContextUnavailable), this);
    qDebug() << "dlna: media server started as" << DlnaDescription::friendlyName() << m_udn;
    return true;
}

void MediaServer::stop()
{
    if (!m_manager)
        return;
    g_signal_handlers_disconnect_by_data(m_manager, this);
    // The byebyes wait in GSSDP's queue for the loop, which may not run
    // again (the program is ending): send them now, before the devices (and
    // their queues) go.
    for (Device *device : qAsConst(m_devices))
        gupnp_root_device_set_available(device->root, FALSE);
    for (int i = 0; i < kFlushIterations && g_main_context_pending(nullptr); ++i)
        g_main_context_iteration(nullptr, FALSE);
    const QList<GUPnPContext *> contexts = m_devices.keys();
    for (GUPnPContext *context : contexts)
        removeContext(context);
    g_object_unref(m_manager);
    m_manager = nullptr;
    m_descriptionDir.reset();
    qDebug() << "dlna: media server stopped";
}

void MediaServer::setLibraryJson(const QJsonObject &library)
{
    if (!m_catalog.setLibraryJson(library))
        return;
    m_posterCache.clear();
    for (Device *device : qAsConst(m_devices))
        if (device->contentDirectory)
            gupnp_service_notify(device->contentDirectory, "SystemUpdateID", G_TYPE_UINT, m_catalog.updateId(),
                                 nullptr);
}

void MediaServer::onContextAvailable(GUPnPContextManager *, GUPnPContext *context, MediaServer *self)
{
    self->addContext(context);
}

void MediaServer::onContextUnavailable(GUPnPContextManager *, GUPnPContext *context, MediaServer *self)
{
    self->removeContext(context);
}

void MediaServer::addContext(GUPnPContext *context)
{
    const QString name = text(gssdp_client_get_interface(GSSDP_CLIENT(context)));
    if (m_devices.contains(context))
        return;
    if (!servesInterface(QNetworkInterface::interfaceFromName(name))) {
        qDebug() << "dlna: not advertised on" << name;
        return;
    }
    GError *error = nullptr;
    GUPnPRootDevice *root =
        gupnp_root_device_new(context, DlnaDescription::kDeviceFile, m_descriptionDir->path().toUtf8().constData(), &error);
    if (!root) {
        qWarning() << "dlna: no device on" << name << ":" << (error ? error->message : "");
        g_clear_error(&error);
        return;
    }
    const QDir folder(m_descriptionDir->path());
    for (const char *file : DlnaDescription::kServiceFiles)
        gupnp_context_host_path(context, folder.filePath(QLatin1String(file)).toUtf8().constData(),
                                (QStringLiteral("/scpd/") + QLatin1String(file)).toUtf8().constData());
    auto *device = new Device;
    device->context = GUPNP_CONTEXT(g_object_ref(context));
    device->root = root;
    GSSDPResourceGroup *group = gupnp_root_device_get_ssdp_resource_group(root);
    gssdp_resource_group_set_max_age(group, kMaxAge);
    // Unpaced: a paced queue still holding the start's announcements would
    // keep the byebyes of an early exit waiting on a timer that never fires.
    gssdp_resource_group_set_message_delay(group, 0);
    struct Kind
    {
        const char *type;
        GCallback action;
        QVector<const char *> actions;
    };
    const Kind kinds[] = {
        {kContentDirectory, G_CALLBACK(MediaServerActions::contentDirectory),
         {"Browse", "GetSystemUpdateID", "GetSortCapabilities", "GetSearchCapabilities"}},
        {kConnectionManager, G_CALLBACK(MediaServerActions::connectionManager),
         {"GetProtocolInfo", "GetCurrentConnectionIDs", "GetCurrentConnectionInfo"}},
        {kRegistrar, G_CALLBACK(MediaServerActions::registrar), {"IsAuthorized", "IsValidated", "RegisterDevice"}}};
    for (const Kind &kind : kinds) {
        GUPnPServiceInfo *service = gupnp_device_info_get_service(GUPNP_DEVICE_INFO(root), kind.type);
        if (!service) {
            qWarning() << "dlna: the description lacks" << kind.type;
            continue;
        }
        // GUPnP answers 401 itself for an action no handler is connected to by name.
        for (const char *action : kind.actions)
            g_signal_connect(service, (QByteArrayLiteral("action-invoked::") + action).constData(), kind.action, this);
        g_signal_connect(service, "query-variable", G_CALLBACK(MediaServerActions::queryVariable), this);
        device->services.append(service);
        if (kind.type == kContentDirectory)
            device->contentDirectory = GUPNP_SERVICE(service);
    }
    gupnp_context_add_server_handler(context, FALSE, "/dlna/poster", MediaServerActions::poster, this, nullptr);
    gupnp_root_device_set_available(root, TRUE);
    m_devices.insert(context, device);
    qDebug() << "dlna: advertised on" << name << text(gssdp_client_get_host_ip(GSSDP_CLIENT(context)))
             << "port" << gupnp_context_get_port(context);
}

void MediaServer::removeContext(GUPnPContext *context)
{
    Device *device = m_devices.take(context);
    if (!device)
        return;
    qDebug() << "dlna: byebye on" << text(gssdp_client_get_interface(GSSDP_CLIENT(context)));
    // Unavailable first: that sends the byebye while the socket is still open.
    gupnp_root_device_set_available(device->root, FALSE);
    gupnp_context_remove_server_handler(context, "/dlna/poster");
    for (const char *file : DlnaDescription::kServiceFiles)
        gupnp_context_unhost_path(context, (QStringLiteral("/scpd/") + QLatin1String(file)).toUtf8().constData());
    for (GUPnPServiceInfo *service : qAsConst(device->services)) {
        g_signal_handlers_disconnect_by_data(service, this);
        g_object_unref(service);
    }
    g_object_unref(device->root);
    g_object_unref(device->context);
    delete device;
}

DlnaCatalog::Urls MediaServer::urlsFor(GUPnPContext *context) const
{
    // The address of the interface the request came in on: the renderer
    // reached us there, so it can reach our HTTP server there too.
    const QString host = context ? text(gssdp_client_get_host_ip(GSSDP_CLIENT(context))) : QStringLiteral("127.0.0.1");
    DlnaCatalog::Urls urls;
    urls.media = QStringLiteral("http://%1:%2").arg(host).arg(m_httpPort);
    urls.poster = QStringLiteral("http://%1:%2").arg(host).arg(context ? gupnp_context_get_port(context) : 0);
    return urls;
}
