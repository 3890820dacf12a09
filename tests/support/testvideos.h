#pragma once

#include <QString>
#include <QStringList>

// Test videos made at test time with the ffmpeg command-line tool. The
// picture is a grey level that rises linearly with time (0 at the start,
// 255 at the end), so a poster's brightness tells where it was taken.
class TestVideos
{
public:
    // Runs ffmpeg with the arguments (quiet, overwriting); true on success.
    // With stdoutFile, ffmpeg's standard output goes there (for "pipe:1").
    static bool ffmpeg(const QStringList &arguments, const QString &stdoutFile = QString());
    // A grey ramp of the given size, rate and length, encoded with the
    // codec arguments into path.
    // A path of "pipe:<file>" writes through a pipe into <file>, so the
    // muxer cannot go back to fill in the duration.
    static bool ramp(const QString &path, int width, int height, int fps, int seconds, const QStringList &codec);
    // A testsrc-style clip (source: any lavfi video source) in H.264 with a
    // key frame every gop frames.
    static bool clip(const QString &path, int seconds = 2, const QString &size = QStringLiteral("64x36"),
                     int fps = 10, int gop = 5, const QString &source = QStringLiteral("testsrc"));
    // The container's duration as ffprobe reports it; -1 when it has none.
    static double ffprobeDuration(const QString &path);
    // The grey level the ramp shows at time t of a video of length seconds.
    static double rampLevel(double t, double seconds) { return 255.0 * t / seconds; }
};
