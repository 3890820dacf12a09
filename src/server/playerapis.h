#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

class LibraryIndex;
class ProjectionStore;

// The JSON answers that the DeoVR and HereSphere players browse the
// library with. Pure functions of the library snapshot, the projection
// store and the request: the route table sends what they return.
namespace PlayerApis {

struct Answer
{
    int status = 200; // 200, 400 (malformed body) or 404 (unknown id)
    QByteArray body;
    QByteArray contentType = QByteArrayLiteral("application/json");
    QList<QPair<QByteArray, QByteArray>> headers; // extra response headers
};

// The host[:port] a player used, from its Host header; fallback (the local
// address and port the connection came in on) when the value is missing or
// holds anything but a host name, an IPv4 or bracketed IPv6 address and a port.
QString requestHost(const QByteArray &hostHeader, const QString &fallback);

// GET/POST/HEAD /deovr and /deovr/{id}.
Answer deovrIndex(const LibraryIndex &library, const QString &host);
Answer deovrVideo(const LibraryIndex &library, ProjectionStore &store, const QString &host, const QString &id);

// POST /heresphere and /heresphere/{id}; body is the request body (empty or
// a JSON object). Every answer carries HereSphere-JSON-Version: 1.
Answer heresphereIndex(const LibraryIndex &library, const QString &host, const QByteArray &body);
Answer heresphereVideo(const LibraryIndex &library, ProjectionStore &store, const QString &host,
                       const QString &id, const QByteArray &body);

// The web page's badges: {"<id>":{"projection","stereo","fov","source",
// "badge"}} (badge in the program's language), for the videos already known.
Answer projectionList(const LibraryIndex &library, const ProjectionStore &store);

// Bytes in the gzip format (RFC 1952); empty on failure.
QByteArray gzip(const QByteArray &data);
// Gzip-encodes the body (and adds Content-Encoding) when the client's
// Accept-Encoding allows gzip and the body is larger than 8 KiB.
void compressFor(Answer &answer, const QByteArray &acceptEncoding);

} // namespace PlayerApis
