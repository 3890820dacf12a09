#include "server/libraryindex.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QMutexLocker>

namespace {
// Bounds the remembered answers, whatever the clients ask for.
const int kMemoLimit = 4096;
}

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
    }
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
    QMutexLocker lock(&memoLock);
    if (memo.size() >= kMemoLimit)
        memo.clear();
    memo.insert(id, {ok, found});
    return ok;
}
