#pragma once

#include <QMetaType>
#include <QString>

// One video of the library. A plain record: the library page owns every
// instance; tiles and the probing thread hold non-owning pointers.
class CorvaneVideoInfo
{
public:
    QString videoPath;      // the video's id (the headset asks for "video/" + id)
    QString videoPathReal;  // absolute local path, '/' separators
    qint32 index = 0;       // position number (see VideoLibraryFile for the rules)
    QString video;          // file name with extension, shown as the title
    qint32 length = 0;      // duration in whole seconds; 0 when unknown
    qint32 size = 0;        // file size in KiB, truncated
    QString posterPath;     // the poster's id, equal to videoPath
    QString poster;         // poster file name: id + ".png"
    QString posterPathReal; // data folder + "/videoPictures/" + poster

    bool operator==(const CorvaneVideoInfo &other) const;
    bool operator!=(const CorvaneVideoInfo &other) const { return !(*this == other); }
};

Q_DECLARE_METATYPE(CorvaneVideoInfo)
Q_DECLARE_METATYPE(CorvaneVideoInfo *)
