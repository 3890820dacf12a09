#pragma once

#include <QSet>
#include <QString>

// Ids of new videos (also the poster base names): the local time as seconds
// since 1970-01-01T00:00:00 UTC followed by its milliseconds padded to three
// digits, e.g. 1607300000042. Two videos probed in the same millisecond must
// not share an id, so an id already issued in this process, present in
// `taken` or owning a file in posterFolder moves on to the next millisecond
// value.
class VideoId
{
public:
    static QString fromMSecs(qint64 msecsSinceEpoch);
    static QString next(const QSet<QString> &taken = {}, const QString &posterFolder = QString());
};
