#include "server/playerapis.h"

#include "library/projectionstore.h"
#include "server/libraryindex.h"
#include "server/mediaroutes.h"

#include <QDebug>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QVector>

#include <zlib.h>

namespace PlayerApis {

namespace {

using Kind = VideoProjection::Kind;
using Stereo = VideoProjection::Stereo;

const int kGzipThreshold = 8 * 1024;

using Video = LibraryIndex::PublishedVideo;

// The library's videos in order, each id once (the last item of an id
// wins, as in the /video look-up).
QVector<Video> videos(const LibraryIndex &library)
{
    QVector<Video> list;
    QHash<QString, int> position;
    for (const Video &video : LibraryIndex::publishedVideos(library.json())) {
        const auto same = position.constFind(video.id);
        if (same != position.cend()) {
            list[*same] = video;
        } else {
            position.insert(video.id, list.size());
            list.append(video);
        }
    }
    return list;
}

bool findVideo(const LibraryIndex &library, const QString &id, Video &found)
{
    for (const Video &video : videos(library)) {
        if (video.id == id) {
            found = video;
            return true;
        }
    }
    return false;
}

QString url(const QString &host, const char *route, const QString &id, const QString &name = QString())
{
    return QStringLiteral("http://") + host + MediaRoutes::filePath(route, id, name);
}

// The object, compact, as the answer's JSON body.
Answer jsonAnswer(const QJsonObject &object, int status = 200)
{
    Answer answer;
    answer.status = status;
    answer.body = QJsonDocument(object).toJson(QJsonDocument::Compact);
    return answer;
}

Answer notFound(const QString &id)
{
    qDebug() << "player api: no video" << id;
    return jsonAnswer({{QStringLiteral("error"), QStringLiteral("not found")}}, 404);
}

QJsonObject source(const ProjectionStore::Info &info, const QString &host, const Video &video)
{
    const qint64 bytes = info.bytes > 0 ? info.bytes : QFileInfo(video.path).size();
    return {{QStringLiteral("resolution"), info.height},
            {QStringLiteral("height"), info.height},
            {QStringLiteral("width"), info.width},
            {QStringLiteral("size"), double(bytes)},
            {QStringLiteral("url"), url(host, "video", video.id)}};
}

QString deovrScreen(Kind kind)
{
    switch (kind) {
    case Kind::Flat: return QStringLiteral("flat");
    case Kind::Equirect180: return QStringLiteral("dome");
    case Kind::Equirect360: return QStringLiteral("sphere");
    case Kind::Fisheye: return QStringLiteral("fisheye");
    case Kind::Cubemap: return QStringLiteral("cubemap");
    default: return VideoProjection::kindName(kind); // the lens names
    }
}

QString heresphereProjection(Kind kind)
{
    switch (kind) {
    case Kind::Flat: return QStringLiteral("perspective");
    case Kind::Equirect180: return QStringLiteral("equirectangular");
    case Kind::Equirect360: return QStringLiteral("equirectangular360");
    case Kind::Cubemap: return QStringLiteral("cubemap");
    default: return QStringLiteral("fisheye");
    }
}

Answer withHereSphereHeader(Answer answer)
{
    answer.headers.append({QByteArrayLiteral("HereSphere-JSON-Version"), QByteArrayLiteral("1")});
    return answer;
}

bool readBody(const QByteArray &body, Answer &error)
{
    if (body.trimmed().isEmpty())
        return true;
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parse);
    if (document.isObject())
        return true;
    qDebug() << "player api: malformed body" << parse.errorString();
    error = withHereSphereHeader(jsonAnswer({{QStringLiteral("error"), QStringLiteral("bad request")}}, 400));
    return false;
}

// "film.en.srt" -> "en": the part between the video's name and the extension.
QString subtitleLanguage(const QString &videoPath, const QString &name)
{
    const QString base = QFileInfo(videoPath).completeBaseName();
    QString middle = QFileInfo(name).completeBaseName().mid(base.size());
    if (middle.startsWith(QLatin1Char('.')))
        middle.remove(0, 1);
    return middle;
}

} // namespace

QString requestHost(const QByteArray &hostHeader, const QString &fallback)
{
    static const QRegularExpression valid(QStringLiteral(
        "^(?:[A-Za-z0-9](?:[A-Za-z0-9.\\-]{0,252})|\\[[0-9A-Fa-f:.]{2,45}\\])(?::[0-9]{1,5})?$"));
    const QString host = QString::fromLatin1(hostHeader.trimmed());
    if (valid.match(host).hasMatch())
        return host;
    if (!host.isEmpty())
        qDebug() << "player api: ignoring Host" << host;
    return fallback;
}

Answer deovrIndex(const LibraryIndex &library, const QString &host)
{
    QJsonArray list;
    for (const Video &video : videos(library)) {
        list.append(QJsonObject{{QStringLiteral("title"), video.name},
                                {QStringLiteral("videoLength"), video.seconds},
                                {QStringLiteral("thumbnailUrl"), url(host, "post", video.id)},
                                {QStringLiteral("video_url"), url(host, "deovr", video.id)}});
    }
    const QJsonObject scene{{QStringLiteral("name"), QStringLiteral("Library")},
                            {QStringLiteral("list"), list}};
    return jsonAnswer({{QStringLiteral("authorized"), QStringLiteral("1")}, {QStringLiteral("scenes"), QJsonArray{scene}}});
}

Answer deovrVideo(const LibraryIndex &library, ProjectionStore &store, const QString &host, const QString &id)
{
    Video video;
    if (!findVideo(library, id, video))
        return notFound(id);
    const ProjectionStore::Info info = store.info(video.id, video.path);
    const VideoProjection &p = info.projection;
    const QJsonObject encoding{{QStringLiteral("name"), QStringLiteral("original")},
                               {QStringLiteral("videoSources"), QJsonArray{source(info, host, video)}}};
    QJsonObject object{{QStringLiteral("id"), video.id},
                       {QStringLiteral("title"), video.name},
                       {QStringLiteral("authorized"), 1},
                       {QStringLiteral("fullAccess"), true},
                       {QStringLiteral("screenType"), deovrScreen(p.kind)},
                       {QStringLiteral("stereoMode"), p.stereo == Stereo::Mono ? QStringLiteral("off")
                                                                               : VideoProjection::stereoName(p.stereo)},
                       {QStringLiteral("is3d"), !p.isFlatMono()},
                       {QStringLiteral("videoLength"), video.seconds},
                       {QStringLiteral("thumbnailUrl"), url(host, "post", video.id)},
                       {QStringLiteral("encodings"), QJsonArray{encoding}}};
    if (p.kind == Kind::Fisheye)
        object.insert(QStringLiteral("fov"), p.fieldOfView());
    return jsonAnswer(object);
}

Answer heresphereIndex(const LibraryIndex &library, const QString &host, const QByteArray &body)
{
    Answer refused;
    if (!readBody(body, refused))
        return refused;
    QJsonArray list;
    for (const Video &video : videos(library))
        list.append(url(host, "heresphere", video.id));
    const QJsonObject section{{QStringLiteral("name"), QStringLiteral("Library")},
                              {QStringLiteral("list"), list}};
    return withHereSphereHeader(
        jsonAnswer({{QStringLiteral("access"), 1}, {QStringLiteral("library"), QJsonArray{section}}}));
}

Answer heresphereVideo(const LibraryIndex &library, ProjectionStore &store, const QString &host,
                       const QString &id, const QByteArray &body)
{
    Answer refused;
    if (!readBody(body, refused))
        return refused;
    Video video;
    if (!findVideo(library, id, video))
        return withHereSphereHeader(notFound(id));
    const ProjectionStore::Info info = store.info(video.id, video.path);
    const VideoProjection &p = info.projection;
    QJsonArray subtitles;
    for (const QJsonValue &name : MediaRoutes::listSubtitles(video.path)) {
        const QString file = name.toString();
        subtitles.append(QJsonObject{
            {QStringLiteral("name"), file},
            {QStringLiteral("language"), subtitleLanguage(video.path, file)},
            {QStringLiteral("url"), url(host, "subtitle", video.id, file)}});
    }
    const QJsonObject media{{QStringLiteral("name"), QStringLiteral("original")},
                            {QStringLiteral("sources"), QJsonArray{source(info, host, video)}}};
    const QJsonObject object{{QStringLiteral("title"), video.name},
                             {QStringLiteral("thumbnailImage"), url(host, "post", video.id)},
                             {QStringLiteral("duration"), double(video.seconds) * 1000.0},
                             {QStringLiteral("projection"), heresphereProjection(p.kind)},
                             {QStringLiteral("stereo"), VideoProjection::stereoName(p.stereo)},
                             {QStringLiteral("lens"), p.lens()},
                             {QStringLiteral("fov"), p.isFlatMono() ? 0 : p.fieldOfView()},
                             {QStringLiteral("subtitles"), subtitles},
                             {QStringLiteral("media"), QJsonArray{media}}};
    return withHereSphereHeader(jsonAnswer(object));
}

Answer projectionList(const LibraryIndex &library, const ProjectionStore &store)
{
    QJsonObject object;
    for (const Video &video : videos(library)) {
        ProjectionStore::Info info;
        if (!store.cachedInfo(video.id, info))
            continue;
        QJsonObject entry = info.projection.toJson();
        entry.insert(QStringLiteral("badge"), info.projection.badge());
        object.insert(video.id, entry);
    }
    return jsonAnswer(object);
}

QByteArray gzip(const QByteArray &data)
{
    z_stream stream{};
    // 15 window bits + 16: the gzip wrapper rather than zlib's.
    if (deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
        qWarning() << "gzip: deflateInit2 failed";
        return {};
    }
    QByteArray out(int(deflateBound(&stream, uLong(data.size()))), Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    const int result = deflate(&stream, Z_FINISH);
    const uLong written = stream.total_out;
    deflateEnd(&stream);
    if (result != Z_STREAM_END) {
        qWarning() << "gzip: deflate failed" << result;
        return {};
    }
    out.resize(int(written));
    return out;
}

void compressFor(Answer &answer, const QByteArray &acceptEncoding)
{
    if (answer.body.size() <= kGzipThreshold)
        return;
    bool accepted = false;
    for (const QByteArray &part : acceptEncoding.split(',')) {
        const QList<QByteArray> fields = part.split(';');
        if (fields.first().trimmed().toLower() != "gzip")
            continue;
        accepted = true;
        for (const QByteArray &field : fields.mid(1)) {
            const QByteArray f = field.trimmed().toLower();
            if (f.startsWith("q=") && f.mid(2).toDouble() <= 0.0)
                accepted = false;
        }
    }
    if (!accepted)
        return;
    const QByteArray packed = gzip(answer.body);
    if (packed.isEmpty())
        return;
    answer.body = packed;
    answer.headers.append({QByteArrayLiteral("Content-Encoding"), QByteArrayLiteral("gzip")});
}

} // namespace PlayerApis
