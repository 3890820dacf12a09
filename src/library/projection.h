#pragma once

#include <QCoreApplication>
#include <QJsonObject>
#include <QString>

struct AVStream;

// How a video's picture maps onto the headset's view: the projection, the
// stereo layout, the field of view and where that answer came from.
struct VideoProjection
{
    Q_DECLARE_TR_FUNCTIONS(VideoProjection)
public:
    enum class Kind { Flat, Equirect180, Equirect360, Fisheye, Cubemap, MKX200, MKX220, VRCA220, RF52 };
    enum class Stereo { Mono, SideBySide, TopBottom };
    enum class Source { None, SideData, Name, Aspect, User };

    Kind kind = Kind::Flat;
    Stereo stereo = Stereo::Mono;
    int fov = 0; // degrees; 0 means the kind's usual field of view
    Source source = Source::None;

    bool isFlatMono() const { return kind == Kind::Flat && stereo == Stereo::Mono; }
    // The field of view a player should use: fov when given, else the kind's.
    int fieldOfView() const;
    // The lens name for named fisheye lenses, "Linear" for everything else.
    QString lens() const;

    // The short mark shown on a tile and the web page: "180 3D", "360", "Flat".
    QString badge() const;
    // The projection's own name in a menu ("180°", "Fisheye", "MKX200").
    static QString kindTitle(Kind kind);

    // Stable names used in the data files ("flat", "equirect180", ...).
    static QString kindName(Kind kind);
    static QString stereoName(Stereo stereo);
    static bool kindFromName(const QString &name, Kind &kind);
    static bool stereoFromName(const QString &name, Stereo &stereo);

    QJsonObject toJson() const;
    // False (and this unchanged) when the object names no known kind or layout.
    bool readJson(const QJsonObject &object);

    bool operator==(const VideoProjection &o) const
    {
        return kind == o.kind && stereo == o.stereo && fov == o.fov && source == o.source;
    }
};

// Finds a video's projection: the container's side data first, then the
// file name's tokens, then the picture's aspect; each field (projection,
// layout) is taken from the first of these that says anything about it,
// and a video stays flat mono when none does.
class ProjectionDetector
{
public:
    // What one source says; a field it says nothing about stays unset.
    struct Clue
    {
        bool hasKind = false;
        VideoProjection::Kind kind = VideoProjection::Kind::Flat;
        int fov = 0;
        bool hasStereo = false;
        VideoProjection::Stereo stereo = VideoProjection::Stereo::Mono;
    };

    static Clue fromSideData(const AVStream *stream);
    // Whole tokens between _ - . space [ ] ( ), case-insensitive.
    static Clue fromFileName(const QString &fileName);
    // Only the shapes that nothing but VR produces: 1:2 (180 top-bottom,
    // square eyes) and 4:1 (360 side by side), at VR widths. 2:1 and 1:1
    // are as often flat, mono 360, 180 sbs or 360 tb, so they say nothing.
    static Clue fromAspect(int width, int height);
    static VideoProjection combine(const Clue &sideData, const Clue &name, const Clue &aspect);

    struct Result
    {
        bool ok = false; // false when the file could not be read as a video
        VideoProjection projection;
        int width = 0;
        int height = 0;
    };
    // Opens the local file with libavformat (no decoding) and combines the
    // three sources. A file that cannot be read gives ok = false and flat.
    static Result probe(const QString &path);
};
