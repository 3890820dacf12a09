#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

// Reads a video's duration with FFmpeg and saves one decoded picture from
// its middle as the poster: the first key frame after a backward seek to
// D/2 (D = whole seconds), scaled to 212 x 119 ignoring the aspect ratio.
// Every FFmpeg object is owned, so each failure path releases everything.
// Runs on the probing thread; the GUI thread never decodes.
class MediaProbe
{
public:
    static QSize posterSize() { return QSize(212, 119); }
    // The poster search gives up after this many video packets without a
    // picture.
    static constexpr int packetLimit = 1000;

    // Duration in whole seconds (0 on failure or when the container gives
    // none; then the poster comes from the start) and the poster written to
    // posterPath when a key frame was found. Failures are logged (debug) as
    // the message followed by the path.
    static int vid2picretdur(const QByteArray &path, const QString &posterPath);

    // Routes FFmpeg's own log into Qt's message logger (nothing reaches
    // standard error). Idempotent, thread-safe.
    static void installLogHandler();
};
