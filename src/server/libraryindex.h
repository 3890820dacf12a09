#pragma once

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QMutex>
#include <QString>
#include <QVector>

#include <mutex>

// An immutable snapshot of the published library for the handler threads:
// the object itself, its compact serialisation (the /list body) and the
// public ids of its items, with the answers of earlier look-ups remembered.
// A new publication makes a new snapshot; handlers keep the one they took.
class LibraryIndex
{
public:
    explicit LibraryIndex(const QJsonObject &library);

    // A published item as the players' APIs and the DLNA catalogue list it.
    struct PublishedVideo
    {
        QString id;         // of the /video, /post and /subtitle routes
        QString name;       // "video": the file name the library shows
        QString path;       // "videopathreal"
        QString posterPath; // "posterpathreal"
        qint64 seconds = 0; // "length"
        qint64 kib = 0;     // "size", in whole KiB
    };
    // The items of a published library in order; those without an id are left out.
    static QVector<PublishedVideo> publishedVideos(const QJsonObject &library);

    const QJsonObject &json() const { return library; }
    const QByteArray &compactJson() const { return compact; }
    // The same text as a string, as the /list log line shows it: made at
    // its first use and kept with the snapshot, not per request.
    const QString &compactJsonText() const;

    // The last item whose "posterpath" (kind "post") or "videopath" (kind
    // "video") contains id, giving its "posterpathreal" or "videopathreal".
    bool findItemPath(const QString &kind, const QString &id, QString &path) const;

    // Bytes the remembered answers take (keys and paths), for the tests.
    qint64 memoBytes() const;

private:
    struct Entry
    {
        QString publicPath;
        QString realPath;
    };
    bool scan(const QVector<Entry> &entries, const QString &id, QString &path) const;

    QJsonObject library;
    QByteArray compact;
    mutable std::once_flag compactTextMade;
    mutable QString compactText;
    QVector<Entry> posters;
    QVector<Entry> videos;
    // No id longer than the longest public path can match one.
    int longestPoster = 0;
    int longestVideo = 0;

    // Remembered answers: the headset asks for the same video again at every seek.
    struct Answer
    {
        bool found;
        QString path;
    };
    mutable QMutex memoLock;
    mutable QHash<QString, Answer> videoMemo;
    mutable QHash<QString, Answer> posterMemo;
    mutable qint64 memoBytes_ = 0;
};
