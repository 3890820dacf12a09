#include "server/mediaroutes.h"

#include "dlna/dlnaformat.h"
#include "server/libraryindex.h"
#include "server/recentclients.h"
#include "server/subtitletext.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QJsonValue>
#include <QLoggingCategory>
#include <QMutexLocker>
#include <QUrl>
#include <QUrlQuery>

#include <initializer_list>
#include <limits>

namespace {
// A request's designed debug lines, worded as qDebug().noquote() words them
// (the items joined by one space) but formatted without QDebug's text
// stream: every range the headset asks for logs a dozen of them.
void debugLine(const char *file, int line, const char *function, std::initializer_list<QString> items)
{
    const QLoggingCategory *category = QLoggingCategory::defaultCategory();
    if (category && !category->isDebugEnabled())
        return;
    const QMessageLogContext context(file, line, function, "default");
    if (items.size() == 1) {
        // One item, however long (the whole list), is handed on as it is.
        qt_message_output(QtDebugMsg, context, *items.begin());
        return;
    }
    int size = 0;
    for (const QString &item : items)
        size += item.size() + 1;
    QString text;
    text.reserve(size);
    bool first = true;
    for (const QString &item : items) {
        if (!first)
            text += QLatin1Char(' ');
        text += item;
        first = false;
    }
    qt_message_output(QtDebugMsg, context, text);
}
}

#define ROUTE_DEBUG(...) debugLine(QT_MESSAGELOG_FILE, QT_MESSAGELOG_LINE, QT_MESSAGELOG_FUNC, {__VA_ARGS__})

MediaRoutes::MediaRoutes(QObject *parent)
    : QObject(parent), library(new LibraryIndex(QJsonObject())), clients(new RecentClients)
{
    addDesignedRoutes();
}

void MediaRoutes::setWebPage(const QByteArray &page)
{
    QMutexLocker lock(&libraryLock);
    webPage = page;
}

QByteArray MediaRoutes::page() const
{
    QMutexLocker lock(&libraryLock);
    return webPage;
}

void MediaRoutes::noteClient(const QString &address, const QString &cmd, const QString &videoPath, qint64 s) const
{
    using Activity = RecentClients::Activity;
    if (cmd == QLatin1String("list")) {
        clients->noteActivity(address, Activity::Browsing);
    } else if (cmd == QLatin1String("post")) {
        clients->noteActivity(address, Activity::FetchingPosters);
    } else if (cmd == QLatin1String("video") && !videoPath.isEmpty()) {
        clients->notePlaying(address, videoPath, s);
    } else {
        clients->noteRequest(address);
    }
}

void MediaRoutes::setLibraryJson(const QJsonObject &json)
{
    // Built outside the lock; handlers keep reading the previous snapshot
    // until the pointer is swapped.
    QSharedPointer<const LibraryIndex> next(new LibraryIndex(json));
    QMutexLocker lock(&libraryLock);
    library.swap(next);
}

QSharedPointer<const LibraryIndex> MediaRoutes::snapshot() const
{
    // A handler takes the current snapshot under the lock and then reads it
    // without one: a snapshot never changes once made.
    QMutexLocker lock(&libraryLock);
    return library;
}

QJsonObject MediaRoutes::libraryJson() const
{
    return snapshot()->json();
}

std::function<void(const QPointer<HttpServer::Session> &)> MediaRoutes::handler()
{
    return [this](const QPointer<HttpServer::Session> &session) { handle(session); };
}

bool MediaRoutes::findItemPath(const QString &kind, const QString &id, QString &path) const
{
    return snapshot()->findItemPath(kind, id, path);
}

QJsonArray MediaRoutes::listSubtitles(const QString &videoPath)
{
    const QFileInfo video(videoPath);
    QDir folder = video.absoluteDir();
    const QStringList filters = {QStringLiteral("*.srt"), QStringLiteral("*.vtt"),
                                 QStringLiteral("*.smi"), QStringLiteral("*.ssa"),
                                 QStringLiteral("*.ass")};
    const QStringList names =
        folder.entryList(filters, QDir::Files | QDir::NoSymLinks, QDir::Unsorted);
    const QString prefix = video.completeBaseName() + QLatin1Char('.');
    QJsonArray result;
    for (const QString &name : names) {
        if (name.startsWith(prefix, Qt::CaseSensitive))
            result.append(name);
    }
    return result;
}

bool MediaRoutes::readRange(const QString &value, qint64 &s, qint64 &e)
{
    s = 0;
    e = 0;
    // One range of the bytes unit, "bytes=first-last" with either number
    // left out; anything else (several ranges, other units, garbage) is not
    // read, and the whole file is served. Read by hand: every seek of the
    // headset passes here.
    const QStringView text = QStringView(value).trimmed();
    const QLatin1String unit("bytes=");
    if (!text.startsWith(unit))
        return false;
    const QStringView rangeText = text.mid(unit.size());
    const int dash = int(rangeText.indexOf(QLatin1Char('-')));
    if (dash < 0)
        return false;
    const QStringView first = rangeText.left(dash);
    const QStringView last = rangeText.mid(dash + 1);
    const auto digitsOnly = [](QStringView part) {
        for (const QChar c : part) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
        }
        return true;
    };
    if (!digitsOnly(first) || !digitsOnly(last))
        return false;
    // Decimal digits to a number, refused past the largest qint64.
    const auto number = [](QStringView digits, qint64 &value) {
        value = 0;
        for (const QChar c : digits) {
            const int digit = c.unicode() - '0';
            if (value > (std::numeric_limits<qint64>::max() - digit) / 10)
                return false;
            value = value * 10 + digit;
        }
        return true;
    };
    if (first.isEmpty()) {
        qint64 count = 0;
        if (last.isEmpty() || !number(last, count) || count <= 0)
            return false;
        s = -count;
        return true;
    }
    qint64 from = 0;
    if (!number(first, from))
        return false;
    qint64 to = 0;
    if (!last.isEmpty() && !number(last, to))
        return false;
    s = from;
    e = to;
    return true;
}

bool MediaRoutes::isServableSubtitle(const QString &videoPath, const QString &name)
{
    // A plain name in the video's folder: no separator or NUL, and not a
    // path component of its own ("." or ".."). Dots inside a name are
    // ordinary ("a..b.srt").
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")
        || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) || name.contains(QChar(0)))
        return false;
    return listSubtitles(videoPath).contains(QJsonValue(name));
}

void MediaRoutes::handle(const QPointer<HttpServer::Session> &session)
{
    if (!session)
        return;
    {
        QMutexLocker lock(&receiverLock);
        if (connectErrorcode)
            connectErrorcode(session.data());
    }
    const QString url = session->requestUrl();
    ROUTE_DEBUG(QStringLiteral("******* start *******"));
    // Every text the client chose is logged shortened, the URL once.
    using HttpServer::Session;
    ROUTE_DEBUG(Session::forLog(url));
    const QString clientIp = session->clientAddress().toString();
    ROUTE_DEBUG(QStringLiteral("clientip:"), clientIp);

    const QStringList parts = url.split(QLatin1Char('/'), Qt::KeepEmptyParts);
    QString cmd;
    QString arg;
    if (parts.size() > 1)
        cmd = parts.at(1);
    if (parts.size() > 2)
        arg = parts.mid(2).join(QLatin1Char('/'));

    qint64 s = 0;
    qint64 e = 0;
    const QMap<QString, QString> headers = session->requestHeaders();
    for (auto it = headers.cbegin(); it != headers.cend(); ++it) {
        const QString name = Session::forLog(it.key());
        const QString value = Session::forLog(it.value());
        const QString spaces = QStringLiteral("   ");
        ROUTE_DEBUG(name, spaces, value);
        if (it.key() == QLatin1String("User-Agent"))
            ROUTE_DEBUG(name, spaces, value);
        if (it.key() == QLatin1String("Range")) {
            if (!readRange(it.value(), s, e))
                ROUTE_DEBUG(QStringLiteral("unreadable Range ignored:"), value);
        }
    }
    ROUTE_DEBUG(Session::forLog(cmd), QStringLiteral("   "), Session::forLog(arg));

    // Every lookup of this request sees one and the same library.
    const QSharedPointer<const LibraryIndex> library = snapshot();
    QString path;
    if (cmd == QLatin1String("video"))
        library->findItemPath(QStringLiteral("video"), arg, path);
    noteClient(clientIp, cmd, path, s);

    const Request request{session, session->requestMethod().toUpper(), url, cmd, arg, {}, s, e, library, headers};
    RouteHandler handler;
    {
        QMutexLocker lock(&routesLock);
        if (const Route *route = takingRoute(request.method, url, &request.params))
            handler = route->handler;
    }
    // No route: no answer, as for any request the headset never makes; a
    // method other than GET and POST is refused as the session did before
    // routes could take one.
    if (handler) {
        handler(request);
    } else if (request.method != QLatin1String("GET") && request.method != QLatin1String("POST")) {
        ROUTE_DEBUG(QStringLiteral("no route takes"), Session::forLog(request.method), Session::forLog(url));
        session->closeWithoutReply();
    }
    ROUTE_DEBUG(QStringLiteral("******* end *******"));
}

QString MediaRoutes::Request::header(const QString &name) const
{
    for (auto it = headers.cbegin(); it != headers.cend(); ++it) {
        if (it.key().compare(name, Qt::CaseInsensitive) == 0)
            return it.value();
    }
    return QString();
}

void MediaRoutes::addRoute(const QStringList &methods, const QString &pattern, const RouteHandler &handler)
{
    QMutexLocker lock(&routesLock);
    routes.append({methods, pattern, pattern.split(QLatin1Char('/')), handler});
}

bool MediaRoutes::matchRoute(const QStringList &want, const QVector<QStringRef> &got,
                             QMap<QString, QString> *params)
{
    // The path is matched whole, query included; "/" only matches "/".
    QMap<QString, QString> found;
    for (int i = 0; i < want.size(); ++i) {
        const QString &piece = want.at(i);
        if (piece == QLatin1String("**")) {
            if (params)
                *params = found;
            return true;
        }
        if (i >= got.size())
            return false;
        if (piece.startsWith(QLatin1Char('{')) && piece.endsWith(QLatin1Char('}')))
            found.insert(piece.mid(1, piece.size() - 2), got.at(i).toString());
        else if (piece != got.at(i))
            return false;
    }
    if (want.size() != got.size())
        return false;
    if (params)
        *params = found;
    return true;
}

const MediaRoutes::Route *MediaRoutes::takingRoute(const QString &method, const QString &url,
                                                  QMap<QString, QString> *params) const
{
    // Every request tries several routes: the URL is split once, as views.
    const QVector<QStringRef> got = url.splitRef(QLatin1Char('/'));
    for (const Route &route : routes) {
        if (route.methods.contains(method) && matchRoute(route.segments, got, params))
            return &route;
    }
    return nullptr;
}

QString MediaRoutes::routeFor(const QString &method, const QString &url) const
{
    QMutexLocker lock(&routesLock);
    const Route *route = takingRoute(method.toUpper(), url, nullptr);
    return route ? route->pattern : QString();
}

void MediaRoutes::addDesignedRoutes()
{
    // The headset's routes take whatever follows their first segment as the
    // id (and ask with either method); the browser page is "/" alone. The
    // files whose URLs other players are given (video, poster, subtitle)
    // also answer HEAD, with the GET's head.
    const QStringList either{QStringLiteral("GET"), QStringLiteral("POST")};
    const QStringList files = either + QStringList{QStringLiteral("HEAD")};
    addRoute(either, QStringLiteral("/"), [this](const Request &r) { servePage(r); });
    addRoute(either, QStringLiteral("/list/**"), [](const Request &r) { serveList(r); });
    addRoute(files, QStringLiteral("/post/**"), [](const Request &r) { servePoster(r); });
    addRoute(files, QStringLiteral("/video/**"), [](const Request &r) { serveVideo(r); });
    addRoute(either, QStringLiteral("/subtitle_list/**"), [](const Request &r) { serveSubtitleList(r); });
    addRoute(files, QStringLiteral("/subtitle/**"), [](const Request &r) { serveSubtitle(r); });
}

void MediaRoutes::servePage(const Request &r) const
{
    // The browser page: not a route of the headset, which never asks for it.
    const QByteArray html = page();
    if (!html.isEmpty())
        r.session->replyHtml(html);
}

void MediaRoutes::serveList(const Request &r)
{
    // The whole list goes to the log, as it is.
    ROUTE_DEBUG(r.library->compactJsonText());
    // The same bytes as replyJsonObject would send, serialised once per publication.
    r.session->replyJsonBytes(r.library->compactJson());
}

bool MediaRoutes::findOr404(const Request &r, const QString &kind, const QString &id, QString &path)
{
    if (r.library->findItemPath(kind, id, path))
        return true;
    r.session->replyError(404);
    return false;
}

QString MediaRoutes::filePath(const char *route, const QString &id, const QString &name)
{
    QString path = QLatin1Char('/') + QLatin1String(route) + QLatin1Char('/')
        + QString::fromLatin1(QUrl::toPercentEncoding(id));
    if (!name.isNull())
        path += QLatin1Char('/') + QString::fromLatin1(QUrl::toPercentEncoding(name));
    return path;
}

void MediaRoutes::servePoster(const Request &r)
{
    QString path;
    if (!findOr404(r, QStringLiteral("post"), r.arg, path))
        return;
    ROUTE_DEBUG(r.arg, QStringLiteral("     "), path);
    if (!path.isEmpty())
        r.session->replyImageFile(path);
    else
        r.session->replyError(404);
}

void MediaRoutes::serveVideo(const Request &r)
{
    QString path;
    if (!findOr404(r, QStringLiteral("video"), r.arg, path))
        return;
    ROUTE_DEBUG(r.arg, QStringLiteral(" "), path, QStringLiteral(" s="), QString::number(r.s), QStringLiteral(" e="),
                QString::number(r.e));
    // DLNA renderers ask for their headers; the headset app gets none.
    r.session->setFileReplyHeaders(DlnaFormat::videoReplyHeaders(r.headers, path));
    if (!path.isEmpty())
        r.session->replyFile(path, r.s, r.e);
    else
        r.session->replyError(404);
}

void MediaRoutes::serveSubtitleList(const Request &r)
{
    QString path;
    if (!findOr404(r, QStringLiteral("video"), r.arg, path))
        return;
    const QJsonArray names = listSubtitles(path);
    if (names.isEmpty())
        r.session->replyError(404);
    else
        r.session->replyJsonArray(names);
}

void MediaRoutes::serveSubtitle(const Request &r)
{
    using HttpServer::Session;
    // "?format=vtt" asks for WebVTT (the web page's player); a "?" inside a
    // name arrives percent-encoded, so the first raw one starts the query.
    QString target = r.arg;
    const int query = target.indexOf(QLatin1Char('?'));
    const bool asVtt = query >= 0
        && QUrlQuery(target.mid(query + 1)).queryItemValue(QStringLiteral("format")) == QLatin1String("vtt");
    if (query >= 0)
        target.truncate(query);
    const QStringList pieces = target.split(QLatin1Char('/'), Qt::KeepEmptyParts);
    if (pieces.size() != 2) {
        qDebug().noquote() << "wrong parmaeter when get subtitle file. url = " << Session::forLog(r.url);
        r.session->replyError(404);
        return;
    }
    const QString name = QUrl::fromPercentEncoding(pieces.at(1).toUtf8());
    QString path;
    if (!findOr404(r, QStringLiteral("video"), pieces.at(0), path)) {
        qDebug().noquote() << "file path acquiration error when handle subtitle file. url = " << Session::forLog(r.url);
        return;
    }
    if (!isServableSubtitle(path, name)) {
        // Only a subtitle listed beside the video is served: no way out
        // of its folder, no other file of it.
        qDebug().noquote() << "subtitle name refused:" << Session::forLog(name);
        r.session->replyError(404);
        return;
    }
    const QString subtitlePath = QFileInfo(path).absolutePath() + QLatin1Char('/') + name;
    // The whole text, as the headset has always been sent it, whatever Range says.
    SubtitleText::reply(r.session, subtitlePath, asVtt, 0, 0);
}
