#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QMap>
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QSharedPointer>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

class LibraryIndex;
class RecentClients;

namespace HttpServer {
class Session;
}

// The request handler that serves the library to the headset: /list,
// /post/{id}, /video/{id}, /subtitle_list/{id}, /subtitle/{id}/{name}.
// Runs on the server's handler threads; the library object is replaced from
// the GUI thread through setLibraryJson.
class MediaRoutes : public QObject
{
    Q_OBJECT
public:
    explicit MediaRoutes(QObject *parent = nullptr);

    // Stores the library object as last published (the main window calls it
    // from slotSendJson). Safe against handlers reading at the same time.
    void setLibraryJson(const QJsonObject &json);
    QJsonObject libraryJson() const;

    // The page served at GET / (see WebPage); until set, GET / is not answered.
    void setWebPage(const QByteArray &page);

    // Who asked what lately; fed by every request the handler sees.
    QSharedPointer<RecentClients> recentClients() const { return clients; }

    // Every session that reaches the handler gets its sglErrorcode connected
    // to receiver's slot (automatic connection: queued to the receiver's thread).
    template <typename Receiver>
    void setErrorcodeReceiver(Receiver *receiver, void (Receiver::*slot)(qint64))
    {
        QPointer<Receiver> guard(receiver);
        QMutexLocker lock(&receiverLock);
        connectErrorcode = [guard, slot](HttpServer::Session *session) {
            if (guard)
                connectSessionErrorcode(session, guard.data(), slot);
        };
    }

    // One request as a route handler sees it: read once from the session,
    // with the library snapshot every look-up of the request uses.
    struct Request
    {
        QPointer<HttpServer::Session> session;
        QString method; // upper case
        QString url;
        QString cmd;    // the first path segment
        QString arg;    // everything after it
        mutable QMap<QString, QString> params; // the pattern's {name} segments
        qint64 s = 0;   // the Range, as readRange gives it
        qint64 e = 0;
        QSharedPointer<const LibraryIndex> library;
        QMap<QString, QString> headers; // as the client sent them
        // A header's value, its name matched in any case; empty when absent.
        QString header(const QString &name) const;
    };
    using RouteHandler = std::function<void(const Request &)>;

    // Routes are tried in the order added; the first whose method and
    // pattern match handles the request. A pattern is a path of segments:
    // literal, "{name}" for any one segment, and a last "**" for any rest
    // (none included). A GET or POST no route takes is not answered; any
    // other method no route takes is refused (closed without a reply).
    void addRoute(const QStringList &methods, const QString &pattern, const RouteHandler &handler);
    // The pattern of the route that takes the request; empty for none.
    QString routeFor(const QString &method, const QString &url) const;

    // The handler, for AbstractManage::setHttpAcceptedCallback.
    std::function<void(const QPointer<HttpServer::Session> &)> handler();
    void handle(const QPointer<HttpServer::Session> &session);

    // Looks id up among the library items: kind "post" matches "posterpath"
    // and yields "posterpathreal", kind "video" matches "videopath" and
    // yields "videopathreal". The last matching item wins.
    bool findItemPath(const QString &kind, const QString &id, QString &path) const;

    // Names of the subtitle files beside the video that start with its base name.
    static QJsonArray listSubtitles(const QString &videoPath);

    // Reads a Range value "bytes=first-last", "bytes=first-" or "bytes=-count"
    // into the arguments of Session::replyFile (a suffix gives s = -count,
    // e = 0). False, with s = e = 0, when the value cannot be read.
    static bool readRange(const QString &value, qint64 &s, qint64 &e);

    // A subtitle file name (already percent-decoded) that may be served for
    // the video: a plain file name that listSubtitles lists for it.
    static bool isServableSubtitle(const QString &videoPath, const QString &name);

    // The path under which a file route ("video", "post", "subtitle")
    // serves id, and for a subtitle its file name, each percent-encoded as
    // the route decodes it: "/video/<id>", "/subtitle/<id>/<name>".
    static QString filePath(const char *route, const QString &id, const QString &name = QString());

private:
    struct Route
    {
        QStringList methods;
        QString pattern;
        QStringList segments; // the pattern split at '/', once
        RouteHandler handler;
    };
    // The first route that takes method (upper case) and url, its {name}
    // segments into params; null for none. Under routesLock.
    const Route *takingRoute(const QString &method, const QString &url, QMap<QString, QString> *params) const;
    static bool matchRoute(const QStringList &want, const QVector<QStringRef> &got,
                           QMap<QString, QString> *params);
    void addDesignedRoutes();
    void servePage(const Request &r) const;
    static void serveList(const Request &r);
    static void servePoster(const Request &r);
    static void serveVideo(const Request &r);
    static void serveSubtitleList(const Request &r);
    static void serveSubtitle(const Request &r);
    // The real path of the item kind and id name; an unknown id is answered 404 here.
    static bool findOr404(const Request &r, const QString &kind, const QString &id, QString &path);

    template <typename Receiver>
    static void connectSessionErrorcode(HttpServer::Session *session, Receiver *receiver,
                                        void (Receiver::*slot)(qint64));

    QSharedPointer<const LibraryIndex> snapshot() const;
    QByteArray page() const;
    void noteClient(const QString &address, const QString &cmd, const QString &videoPath, qint64 s) const;

    mutable QMutex libraryLock;
    QSharedPointer<const LibraryIndex> library;
    QByteArray webPage;
    const QSharedPointer<RecentClients> clients;
    mutable QMutex routesLock;
    QVector<Route> routes;
    QMutex receiverLock;
    std::function<void(HttpServer::Session *)> connectErrorcode;
};

#include "server/httpsession.h"

template <typename Receiver>
void MediaRoutes::connectSessionErrorcode(HttpServer::Session *session, Receiver *receiver,
                                          void (Receiver::*slot)(qint64))
{
    QObject::connect(session, &HttpServer::Session::sglErrorcode, receiver, slot,
                     Qt::UniqueConnection);
}
