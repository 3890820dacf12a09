#include "library/projection.h"

#include "library/mediaprobe.h"

#include <QDebug>
#include <QFileInfo>
#include <QRegularExpression>

#include <memory>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
#include <libavutil/spherical.h>
#include <libavutil/stereo3d.h>
}

namespace {

using Kind = VideoProjection::Kind;
using Stereo = VideoProjection::Stereo;

struct KindRow
{
    Kind kind;
    const char *name;
    const char *lens;
    int fov;
};
const KindRow kKinds[] = {
    {Kind::Flat, "flat", "Linear", 0},
    {Kind::Equirect180, "equirect180", "Linear", 180},
    {Kind::Equirect360, "equirect360", "Linear", 360},
    {Kind::Fisheye, "fisheye", "Linear", 180},
    {Kind::Cubemap, "cubemap", "Linear", 360},
    {Kind::MKX200, "mkx200", "MKX200", 200},
    {Kind::MKX220, "mkx220", "MKX220", 220},
    {Kind::VRCA220, "vrca220", "VRCA220", 220},
    {Kind::RF52, "rf52", "RF52", 190},
};
const KindRow &row(Kind kind)
{
    for (const KindRow &r : kKinds) {
        if (r.kind == kind)
            return r;
    }
    return kKinds[0];
}

const char *const kStereoNames[] = {"mono", "sbs", "tb"};

// 0.32 fixed point, as AVSphericalMapping's bounds are stored.
double fraction(uint32_t bound)
{
    return double(bound) / 4294967296.0;
}

struct FormatCloser {
    void operator()(AVFormatContext *context) const { avformat_close_input(&context); }
};

} // namespace

int VideoProjection::fieldOfView() const
{
    return fov > 0 ? fov : row(kind).fov;
}

QString VideoProjection::lens() const
{
    return QLatin1String(row(kind).lens);
}

QString VideoProjection::kindTitle(Kind kind)
{
    switch (kind) {
    //: A video that is not VR: menu entry and badge.
    case Kind::Flat: return tr("Flat");
    case Kind::Equirect180: return tr("180°");
    case Kind::Equirect360: return tr("360°");
    case Kind::Fisheye: return tr("Fisheye");
    case Kind::Cubemap: return tr("Cubemap");
    default: return QLatin1String(row(kind).lens); // lens names are not translated
    }
}

QString VideoProjection::badge() const
{
    QString kindText;
    switch (kind) {
    case Kind::Flat: kindText = kindTitle(kind); break;
    case Kind::Equirect180: kindText = QStringLiteral("180"); break;
    case Kind::Equirect360: kindText = QStringLiteral("360"); break;
    //: Badge of a fisheye video; %1 is its field of view in degrees.
    case Kind::Fisheye: kindText = tr("Fisheye %1").arg(fieldOfView()); break;
    default: kindText = kindTitle(kind); break;
    }
    //: Badge of a stereoscopic video; %1 is its projection ("180", "Flat", ...).
    return stereo == Stereo::Mono ? kindText : tr("%1 3D").arg(kindText);
}

QString VideoProjection::kindName(Kind kind)
{
    return QLatin1String(row(kind).name);
}

QString VideoProjection::stereoName(Stereo stereo)
{
    return QLatin1String(kStereoNames[int(stereo)]);
}

bool VideoProjection::kindFromName(const QString &name, Kind &kind)
{
    for (const KindRow &r : kKinds) {
        if (name == QLatin1String(r.name)) {
            kind = r.kind;
            return true;
        }
    }
    return false;
}

bool VideoProjection::stereoFromName(const QString &name, Stereo &stereo)
{
    for (int i = 0; i < 3; ++i) {
        if (name == QLatin1String(kStereoNames[i])) {
            stereo = Stereo(i);
            return true;
        }
    }
    return false;
}

QJsonObject VideoProjection::toJson() const
{
    static const char *const sources[] = {"none", "sidedata", "name", "aspect", "user"};
    QJsonObject object{{QStringLiteral("projection"), kindName(kind)},
                       {QStringLiteral("stereo"), stereoName(stereo)},
                       {QStringLiteral("source"), QLatin1String(sources[int(source)])}};
    if (fov > 0)
        object.insert(QStringLiteral("fov"), fov);
    return object;
}

bool VideoProjection::readJson(const QJsonObject &object)
{
    static const char *const sources[] = {"none", "sidedata", "name", "aspect", "user"};
    Kind k;
    Stereo s;
    if (!kindFromName(object.value(QLatin1String("projection")).toString(), k)
        || !stereoFromName(object.value(QLatin1String("stereo")).toString(), s))
        return false;
    kind = k;
    stereo = s;
    fov = qBound(0, object.value(QLatin1String("fov")).toInt(), 360);
    source = Source::None;
    const QString from = object.value(QLatin1String("source")).toString();
    for (int i = 0; i < 5; ++i) {
        if (from == QLatin1String(sources[i]))
            source = Source(i);
    }
    return true;
}

ProjectionDetector::Clue ProjectionDetector::fromSideData(const AVStream *stream)
{
    Clue clue;
    if (!stream)
        return clue;
    size_t size = 0;
    const uint8_t *spherical = av_stream_get_side_data(stream, AV_PKT_DATA_SPHERICAL, &size);
    if (spherical && size >= sizeof(AVSphericalMapping)) {
        const auto *mapping = reinterpret_cast<const AVSphericalMapping *>(spherical);
        switch (mapping->projection) {
        case AV_SPHERICAL_EQUIRECTANGULAR:
        case AV_SPHERICAL_EQUIRECTANGULAR_TILE: {
            // The bounds crop the full sphere: one that leaves half the width
            // covers 180 degrees.
            const double kept = 1.0 - fraction(mapping->bound_left) - fraction(mapping->bound_right);
            clue.hasKind = true;
            clue.kind = kept < 0.75 ? Kind::Equirect180 : Kind::Equirect360;
            break;
        }
        case AV_SPHERICAL_CUBEMAP:
            clue.hasKind = true;
            clue.kind = Kind::Cubemap;
            break;
        }
    }
    const uint8_t *stereo = av_stream_get_side_data(stream, AV_PKT_DATA_STEREO3D, &size);
    if (stereo && size >= sizeof(AVStereo3D)) {
        const auto *layout = reinterpret_cast<const AVStereo3D *>(stereo);
        switch (layout->type) {
        case AV_STEREO3D_2D:
            clue.hasStereo = true;
            clue.stereo = Stereo::Mono;
            break;
        case AV_STEREO3D_SIDEBYSIDE:
            clue.hasStereo = true;
            clue.stereo = Stereo::SideBySide;
            break;
        case AV_STEREO3D_TOPBOTTOM:
            clue.hasStereo = true;
            clue.stereo = Stereo::TopBottom;
            break;
        default:
            break; // frame-sequential and the like: no player here shows them
        }
    }
    return clue;
}

ProjectionDetector::Clue ProjectionDetector::fromFileName(const QString &fileName)
{
    static const QRegularExpression separators(QStringLiteral("[_\\-. \\[\\]()]+"));
    static const QRegularExpression fisheyeFov(QStringLiteral("^fisheye(\\d{3})$"));
    struct Token
    {
        const char *text;
        bool kind;
        Kind k;
        Stereo s;
    };
    static const Token tokens[] = {
        {"180", true, Kind::Equirect180, Stereo::Mono},
        {"vr180", true, Kind::Equirect180, Stereo::Mono},
        {"360", true, Kind::Equirect360, Stereo::Mono},
        {"vr360", true, Kind::Equirect360, Stereo::Mono},
        {"fisheye", true, Kind::Fisheye, Stereo::Mono},
        {"cubemap", true, Kind::Cubemap, Stereo::Mono},
        {"mkx200", true, Kind::MKX200, Stereo::Mono},
        {"mkx220", true, Kind::MKX220, Stereo::Mono},
        {"vrca220", true, Kind::VRCA220, Stereo::Mono},
        {"rf52", true, Kind::RF52, Stereo::Mono},
        {"sbs", false, Kind::Flat, Stereo::SideBySide},
        {"lr", false, Kind::Flat, Stereo::SideBySide},
        {"3dh", false, Kind::Flat, Stereo::SideBySide},
        {"tb", false, Kind::Flat, Stereo::TopBottom},
        {"ou", false, Kind::Flat, Stereo::TopBottom},
        {"3dv", false, Kind::Flat, Stereo::TopBottom},
    };
    Clue clue;
    const QStringList parts = QFileInfo(fileName).fileName().toLower().split(separators, Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        const QRegularExpressionMatch fov = fisheyeFov.match(part);
        if (fov.hasMatch()) {
            const int degrees = fov.captured(1).toInt();
            if (degrees >= 120 && degrees <= 360 && !clue.hasKind) {
                clue.hasKind = true;
                clue.kind = Kind::Fisheye;
                clue.fov = degrees;
            }
            continue;
        }
        for (const Token &token : tokens) {
            if (part != QLatin1String(token.text))
                continue;
            // The first token of each sort counts: "x_180_360" is 180.
            if (token.kind && !clue.hasKind) {
                clue.hasKind = true;
                clue.kind = token.k;
            } else if (!token.kind && !clue.hasStereo) {
                clue.hasStereo = true;
                clue.stereo = token.s;
            }
        }
    }
    return clue;
}

ProjectionDetector::Clue ProjectionDetector::fromAspect(int width, int height)
{
    Clue clue;
    if (width <= 0 || height <= 0)
        return clue;
    if (height == 2 * width && width >= 2048) {
        clue = {true, Kind::Equirect180, 0, true, Stereo::TopBottom};
    } else if (width == 4 * height && width >= 3840) {
        clue = {true, Kind::Equirect360, 0, true, Stereo::SideBySide};
    }
    return clue;
}

VideoProjection ProjectionDetector::combine(const Clue &sideData, const Clue &name, const Clue &aspect)
{
    VideoProjection result;
    const Clue *const order[] = {&sideData, &name, &aspect};
    const VideoProjection::Source sources[] = {VideoProjection::Source::SideData,
                                               VideoProjection::Source::Name,
                                               VideoProjection::Source::Aspect};
    bool kindSet = false;
    bool stereoSet = false;
    for (int i = 0; i < 3; ++i) {
        const Clue &clue = *order[i];
        if (clue.hasKind && !kindSet) {
            kindSet = true;
            result.kind = clue.kind;
            result.fov = clue.fov;
            result.source = sources[i];
        }
        if (clue.hasStereo && !stereoSet) {
            stereoSet = true;
            result.stereo = clue.stereo;
            if (result.source == VideoProjection::Source::None)
                result.source = sources[i];
        }
    }
    return result;
}

ProjectionDetector::Result ProjectionDetector::probe(const QString &path)
{
    MediaProbe::installLogHandler();
    Result result;
    AVFormatContext *raw = nullptr;
    AVDictionary *options = nullptr;
    // Only the local file, as the poster probe does.
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    const QByteArray url = QByteArrayLiteral("file:") + path.toUtf8();
    const int opened = avformat_open_input(&raw, url.constData(), nullptr, &options);
    av_dict_free(&options);
    if (opened != 0) {
        qDebug() << "projection: cannot open" << path;
        result.projection = combine({}, fromFileName(path), {});
        return result;
    }
    std::unique_ptr<AVFormatContext, FormatCloser> format(raw);
    int index = av_find_best_stream(format.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (index < 0 || format->streams[index]->codecpar->width <= 0) {
        // Some containers only tell the picture size once packets are read.
        if (avformat_find_stream_info(format.get(), nullptr) >= 0)
            index = av_find_best_stream(format.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    }
    if (index < 0) {
        qDebug() << "projection: no video stream in" << path;
        result.projection = combine({}, fromFileName(path), {});
        return result;
    }
    const AVStream *stream = format->streams[index];
    result.ok = true;
    result.width = stream->codecpar->width;
    result.height = stream->codecpar->height;
    result.projection = combine(fromSideData(stream), fromFileName(path),
                                fromAspect(result.width, result.height));
    return result;
}
