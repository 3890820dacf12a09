#include "corvanevideoinfo.h"

bool CorvaneVideoInfo::operator==(const CorvaneVideoInfo &other) const
{
    return videoPath == other.videoPath && videoPathReal == other.videoPathReal && index == other.index
        && video == other.video && length == other.length && size == other.size
        && posterPath == other.posterPath && poster == other.poster && posterPathReal == other.posterPathReal;
}
