#include "server/libraryindex.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QMutexLocker>

namespace {
// Bounds the remembered answers, whatever the clients ask for: ids longer
// than any public path are never remembered, and the rest stay under this.
const qint64 kMemoByteLimit = 512 * 1024;

qint64 answerBytes(const QString &id, const QString &path)
{
    // The strings' characters plus the hash node and string headers.
    return qint64(id.size() + path.size()) * qint64(sizeof(QChar)) + 64;
}

// The library writes numbers as decimal strings; a number is taken too.
qint64 decimal(const QJsonValue &value)
{
    return value.isDouble() ? qint64(value.toDouble()) : value.toString().toLongLong();
}
} // namespace

LibraryIndex::LibraryIndex(const QJsonObject &json)
    : library(json), compact(QJsonDocument(json).toJson(QJsonDocument::Compact))
{
    const QJsonArray items = library.value(QLatin1String("items")).toArray();
    posters.reserve(items.size());
    videos.reserve(items.size());
    for (const QJsonValue &value : items) {
        const QJsonObject item = value.toObject();
        posters.append({item.value(QLatin1String("posterpath")).toString(),
                        item.value(QLatin1String("posterpathreal")).toString()});
        videos.append({item.value(QLatin1String("videopath")).toString(),
                       item.value(QLatin1String("videopathreal")).toString()});
        longestPoster = qMax(longestPoster, posters.constLast().publicPath.size());
        longestVideo = qMax(longestVideo, videos.constLast().publicPath.size());
    }
}

QVector<LibraryIndex::PublishedVideo> LibraryIndex::publishedVideos(const QJsonObject &library)
{
    QVector<PublishedVideo> list;
    const QJsonArray items = library.value(QLatin1String("items")).toArray();
    for (const QJsonValue &value : items) {
        const QJsonObject item = value.toObject();
        PublishedVideo video;
        // "video/<id>"
        video.id = item.value(QLatin1String("videopath")).toString().mid(6);
        if (video.id.isEmpty())
            continue;
        video.name = item.value(QLatin1String("video")).toString();
        video.path = item.value(QLatin1String("videopathreal")).toString();
        video.posterPath = item.value(QLatin1String("posterpathreal")).toString();
        video.seconds = decimal(item.value(QLatin1String("length")));
        video.kib = decimal(item.value(QLatin1String("size")));
        list.append(video);
    }
    return list;
}

const QString &LibraryIndex::compactJsonText() const
{
    std::call_once(compactTextMade, [this] { compactText = QString::fromUtf8(compact); });
    return compactText;
}

bool LibraryIndex::scan(const QVector<Entry> &entries, const QString &id, QString &path) const
{
    // Last match wins: scan from the end and stop at the first hit.
    for (int i = entries.size() - 1; i >= 0; --i) {
        if (entries.at(i).publicPath.contains(id)) {
            path = entries.at(i).realPath;
            return true;
        }
    }
    return false;
}

bool LibraryIndex::findItemPath(const QString &kind, const QString &id, QString &path) const
{
    const bool poster = kind == QLatin1String("post");
    if (!poster && kind != QLatin1String("video"))
        return false;
    // Too long to be contained in any public path: no match, nothing to remember.
    if (id.size() > (poster ? longestPoster : longestVideo))
        return false;
    QHash<QString, Answer> &memo = poster ? posterMemo : videoMemo;
    {
        QMutexLocker lock(&memoLock);
        const auto it = memo.constFind(id);
        if (it != memo.cend()) {
            if (it->found)
                path = it->path;
            return it->found;
        }
    }
    QString found;
    const bool ok = scan(poster ? posters : videos, id, found);
    if (ok)
        path = found;
    const qint64 bytes = answerBytes(id, found);
    QMutexLocker lock(&memoLock);
    if (memo.contains(id))
        return ok;
    if (memoBytes_ + bytes > kMemoByteLimit) {
        videoMemo.clear();
        posterMemo.clear();
        memoBytes_ = 0;
    }
    memo.insert(id, {ok, found});
    memoBytes_ += bytes;
    return ok;
}

qint64 LibraryIndex::memoBytes() const
{
    QMutexLocker lock(&memoLock);
    return memoBytes_;
}
