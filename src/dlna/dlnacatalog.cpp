#include "dlna/dlnacatalog.h"

#include "dlna/dlnaformat.h"
#include "server/libraryindex.h"
#include "server/mediaroutes.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QUrl>

#include "dlna/gupnp.h"

namespace {
const char kRootId[] = "0";
// The poster's DLNA profile: a baseline JPEG no larger than 160 by 160.
const char kPosterProfile[] = "JPEG_TN";

// Strict non-negative decimal, as ui4 arguments must be.
bool readIndex(const QString &text, uint &value)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (!c.isDigit())
            return false;
    bool ok = false;
    value = text.toUInt(&ok);
    return ok;
}

GUPnPProtocolInfo *makeProtocolInfo(const QString &mime, const char *profile)
{
    GUPnPProtocolInfo *info = gupnp_protocol_info_new();
    gupnp_protocol_info_set_protocol(info, "http-get");
    gupnp_protocol_info_set_network(info, "*");
    gupnp_protocol_info_set_mime_type(info, mime.toUtf8().constData());
    if (profile)
        gupnp_protocol_info_set_dlna_profile(info, profile);
    gupnp_protocol_info_set_dlna_operation(info, GUPNP_DLNA_OPERATION_RANGE);
    gupnp_protocol_info_set_dlna_flags(
        info, GUPnPDLNAFlags(GUPNP_DLNA_FLAGS_STREAMING_TRANSFER_MODE | GUPNP_DLNA_FLAGS_BACKGROUND_TRANSFER_MODE
                             | GUPNP_DLNA_FLAGS_CONNECTION_STALL | GUPNP_DLNA_FLAGS_DLNA_V15));
    return info;
}

// A res element with its uri, protocolInfo (taken over) and size when known;
// the caller adds what else it has and releases it.
GUPnPDIDLLiteResource *addResource(GUPnPDIDLLiteObject *object, const QString &uri, GUPnPProtocolInfo *info,
                                   qint64 size)
{
    GUPnPDIDLLiteResource *res = gupnp_didl_lite_object_add_resource(object);
    gupnp_didl_lite_resource_set_uri(res, uri.toUtf8().constData());
    gupnp_didl_lite_resource_set_protocol_info(res, info);
    if (size > 0)
        gupnp_didl_lite_resource_set_size64(res, size);
    g_object_unref(info);
    return res;
}
}

bool DlnaCatalog::setLibraryJson(const QJsonObject &library)
{
    if (library == m_published)
        return false;
    m_published = library;
    m_items.clear();
    for (const LibraryIndex::PublishedVideo &video : LibraryIndex::publishedVideos(library)) {
        // An item the /video route could not serve is no use to a renderer.
        if (video.path.isEmpty())
            continue;
        Item item;
        item.mediaId = video.id;
        item.videoPath = video.path;
        item.objectId = QLatin1Char('v') + item.mediaId;
        item.posterPath = video.posterPath;
        // The library names the file with its extension; renderers show titles.
        item.title = QFileInfo(video.name.isEmpty() ? video.path : video.name).completeBaseName();
        // The library keeps whole KiB; res@size must be the bytes the route serves.
        const QFileInfo file(video.path);
        item.size = file.exists() ? file.size() : video.kib * 1024;
        item.durationMs = video.seconds * 1000;
        m_items.append(item);
    }
    ++m_updateId;
    return true;
}

const DlnaCatalog::Item *DlnaCatalog::findByMediaId(const QString &mediaId) const
{
    for (const Item &item : m_items)
        if (item.mediaId == mediaId)
            return &item;
    return nullptr;
}

int DlnaCatalog::indexOf(const QString &objectId) const
{
    for (int i = 0; i < m_items.size(); ++i)
        if (m_items.at(i).objectId == objectId)
            return i;
    return -1;
}

QString DlnaCatalog::posterPathFor(const QString &mediaId)
{
    return QStringLiteral("/dlna/poster/%1.jpg").arg(QString::fromLatin1(QUrl::toPercentEncoding(mediaId)));
}

DlnaCatalog::Result DlnaCatalog::browse(const QString &objectId, const QString &browseFlag,
                                        const QString &startingIndex, const QString &requestedCount,
                                        const Urls &urls) const
{
    Result result;
    uint start = 0, count = 0;
    const bool metadata = browseFlag == QLatin1String("BrowseMetadata");
    if (objectId.isEmpty() || (!metadata && browseFlag != QLatin1String("BrowseDirectChildren"))
        || !readIndex(startingIndex, start) || !readIndex(requestedCount, count) || (metadata && start != 0)) {
        result.error = 402;
        return result;
    }
    const bool root = objectId == QLatin1String(kRootId);
    const int index = root ? -1 : indexOf(objectId);
    if (!root && index < 0) {
        result.error = 701;
        return result;
    }
    if (metadata) {
        result.didl = writeDidl(root ? -1 : index, 1, root, urls);
        result.numberReturned = result.totalMatches = 1;
        return result;
    }
    // An item has no children; only the root lists anything.
    const uint total = root ? uint(m_items.size()) : 0;
    const uint first = qMin(start, total);
    const uint returned = (count == 0) ? total - first : qMin(count, total - first);
    result.didl = writeDidl(int(first), int(returned), false, urls);
    result.numberReturned = returned;
    result.totalMatches = total;
    return result;
}

QString DlnaCatalog::writeDidl(int first, int count, bool root, const Urls &urls) const
{
    GUPnPDIDLLiteWriter *writer = gupnp_didl_lite_writer_new(nullptr);
    if (root) {
        GUPnPDIDLLiteContainer *container = gupnp_didl_lite_writer_add_container(writer);
        auto *object = GUPNP_DIDL_LITE_OBJECT(container);
        gupnp_didl_lite_object_set_id(object, kRootId);
        gupnp_didl_lite_object_set_parent_id(object, "-1");
        gupnp_didl_lite_object_set_restricted(object, TRUE);
        gupnp_didl_lite_object_set_title(object, "Corvane");
        gupnp_didl_lite_object_set_upnp_class(object, "object.container.storageFolder");
        gupnp_didl_lite_container_set_child_count(container, m_items.size());
        gupnp_didl_lite_container_set_searchable(container, FALSE);
        g_object_unref(container);
    }
    for (int i = first; !root && i >= 0 && i < first + count && i < m_items.size(); ++i) {
        const Item &item = m_items.at(i);
        GUPnPDIDLLiteItem *didlItem = gupnp_didl_lite_writer_add_item(writer);
        auto *object = GUPNP_DIDL_LITE_OBJECT(didlItem);
        gupnp_didl_lite_object_set_id(object, item.objectId.toUtf8().constData());
        gupnp_didl_lite_object_set_parent_id(object, kRootId);
        gupnp_didl_lite_object_set_restricted(object, TRUE);
        gupnp_didl_lite_object_set_title(object, item.title.toUtf8().constData());
        gupnp_didl_lite_object_set_upnp_class(object, "object.item.videoItem");

        // The video first: renderers such as VLC play the first res.
        GUPnPDIDLLiteResource *video =
            addResource(object, urls.media + MediaRoutes::filePath("video", item.mediaId),
                        makeProtocolInfo(DlnaFormat::videoMime(item.videoPath), nullptr), item.size);
        // The library keeps whole seconds; the attribute wants milliseconds too.
        xmlSetProp(gupnp_didl_lite_resource_get_xml_node(video), BAD_CAST "duration",
                   BAD_CAST DlnaFormat::durationText(item.durationMs).toUtf8().constData());
        g_object_unref(video);

        if (!item.posterPath.isEmpty()) {
            const QString poster = urls.poster + posterPathFor(item.mediaId);
            gupnp_didl_lite_object_set_album_art(object, poster.toUtf8().constData());
            xmlNodePtr node = gupnp_didl_lite_object_get_xml_node(object);
            for (xmlNodePtr child = node->children; child; child = child->next)
                if (child->type == XML_ELEMENT_NODE && xmlStrEqual(child->name, BAD_CAST "albumArtURI"))
                    xmlSetNsProp(child, gupnp_didl_lite_object_get_dlna_namespace(object), BAD_CAST "profileID",
                                 BAD_CAST kPosterProfile);
            g_object_unref(addResource(object, poster, makeProtocolInfo(QStringLiteral("image/jpeg"), kPosterProfile), 0));
        }
        const QJsonArray subtitles = MediaRoutes::listSubtitles(item.videoPath);
        for (const QJsonValue &name : subtitles) {
            const QString mime = DlnaFormat::subtitleMime(name.toString());
            if (mime.isEmpty())
                continue;
            const QString uri = urls.media + MediaRoutes::filePath("subtitle", item.mediaId, name.toString());
            const qint64 size = QFileInfo(QFileInfo(item.videoPath).dir(), name.toString()).size();
            g_object_unref(addResource(object, uri, makeProtocolInfo(mime, nullptr), size));
        }
        g_object_unref(didlItem);
    }
    char *text = gupnp_didl_lite_writer_get_string(writer);
    const QString didl = QString::fromUtf8(text);
    g_free(text);
    g_object_unref(writer);
    return didl;
}
