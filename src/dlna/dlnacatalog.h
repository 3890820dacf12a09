#pragma once

#include <QJsonObject>
#include <QString>
#include <QVector>

// The library as ContentDirectory shows it: one root container "0" holding
// one videoItem per published video. Rebuilt from each published snapshot;
// SystemUpdateID moves on whenever the published list changes.
class DlnaCatalog
{
public:
    struct Item
    {
        QString objectId;  // "v" + the id of the /video route
        QString mediaId;   // the id of the /video, /post and /subtitle routes
        QString title;
        QString videoPath;
        QString posterPath;
        qint64 size = 0;
        qint64 durationMs = 0;
    };

    // Where the res URLs point for the interface a request came in on.
    struct Urls
    {
        QString media;   // http://<address>:<HTTP server port>
        QString poster;  // http://<address>:<UPnP server port>
    };

    struct Result
    {
        int error = 0;  // a UPnP error code; 0 on success
        QString didl;
        uint numberReturned = 0;
        uint totalMatches = 0;
    };

    // Replaces the items; true (and a new update id) when they changed.
    bool setLibraryJson(const QJsonObject &library);
    uint updateId() const { return m_updateId; }
    const Item *findByMediaId(const QString &mediaId) const;

    // Browse as ContentDirectory:1 defines it; the text arguments are as the
    // request carried them (null when absent).
    Result browse(const QString &objectId, const QString &browseFlag, const QString &startingIndex,
                  const QString &requestedCount, const Urls &urls) const;

    static QString posterPathFor(const QString &mediaId);

private:
    QString writeDidl(int first, int count, bool root, const Urls &urls) const;
    int indexOf(const QString &objectId) const;

    QVector<Item> m_items;
    QJsonObject m_published;
    uint m_updateId = 1;
};
