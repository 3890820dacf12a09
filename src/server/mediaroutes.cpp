#include "server/mediaroutes.h"

#include "dlna/dlnaformat.h"
#include "server/libraryindex.h"
#include "server/recentclients.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonValue>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QUrl>

MediaRoutes::MediaRoutes(QObject *parent)
    : QObject(parent), library(new LibraryIndex(QJsonObject())), clients(new RecentClients)
{
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
        // Where the range starts, as a share of the file (a suffix range
        // counts from the end).
        const qint64 size = QFileInfo(videoPath).size();
        const qint64 start = s >= 0 ? s : qMax<qint64>(0, size + s);
        const double share = size > 0 ? double(qMin(start, size)) / double(size) : 0.0;
        clients->noteActivity(address, Activity::Playing, QFileInfo(videoPath).fileName(), share);
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
    // One range of the bytes unit; anything else (several ranges, other
    // units, garbage) is not read, and the whole file is served.
    static const QRegularExpression pattern(QStringLiteral("^bytes=([0-9]*)-([0-9]*)$"));
    const QRegularExpressionMatch match = pattern.match(value.trimmed());
    if (!match.hasMatch())
        return false;
    const QString first = match.captured(1);
    const QString last = match.captured(2);
    bool ok = true;
    if (first.isEmpty()) {
        if (last.isEmpty())
            return false;
        const qint64 count = last.toLongLong(&ok);
        if (!ok || count <= 0)
            return false;
        s = -count;
        return true;
    }
    const qint64 from = first.toLongLong(&ok);
    if (!ok)
        return false;
    qint64 to = 0;
    if (!last.isEmpty()) {
        to = last.toLongLong(&ok);
        if (!ok)
            return false;
    }
    s = from;
    e = to;
    return true;
}

bool MediaRoutes::isServableSubtitle(const QString &videoPath, const QString &name)
{
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))
        || name.contains(QLatin1String("..")) || name.contains(QChar(0)))
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
    qDebug().noquote() << "******* start *******";
    qDebug().noquote() << url;
    qDebug().noquote() << "clientip:" << session->clientAddress().toString();

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
        qDebug().noquote() << it.key() << "   " << it.value();
        if (it.key() == QLatin1String("User-Agent"))
            qDebug().noquote() << it.key() << "   " << it.value();
        if (it.key() == QLatin1String("Range")) {
            if (!readRange(it.value(), s, e))
                qDebug().noquote() << "unreadable Range ignored:" << it.value();
        }
    }
    qDebug().noquote() << cmd << "   " << arg;

    // Every lookup of this request sees one and the same library.
    const QSharedPointer<const LibraryIndex> library = snapshot();
    QString path;
    if (cmd == QLatin1String("video"))
        library->findItemPath(QStringLiteral("video"), arg, path);
    noteClient(session->clientAddress().toString(), cmd, path, s);
    path.clear();

    if (url == QLatin1String("/")) {
        // The browser page: not a route of the headset, which never asks for it.
        const QByteArray html = page();
        if (!html.isEmpty() && session)
            session->replyHtml(html);
    } else if (cmd == QLatin1String("list")) {
        qDebug().noquote() << QString::fromUtf8(library->compactJson());
        // The same bytes as replyJsonObject would send, serialised once per publication.
        if (session)
            session->replyJsonBytes(library->compactJson());
    } else if (cmd == QLatin1String("post")) {
        if (library->findItemPath(QStringLiteral("post"), arg, path)) {
            qDebug().noquote() << arg << "     " << path;
            if (!session)
                return;
            if (!path.isEmpty())
                session->replyImageFile(path);
            else
                session->replyError(404);
        } else if (session) {
            session->replyError(404);
        }
    } else if (cmd == QLatin1String("video")) {
        if (library->findItemPath(QStringLiteral("video"), arg, path)) {
            qDebug().noquote() << arg << " " << path << " s=" << s << " e=" << e;
            if (!session)
                return;
            // DLNA renderers ask for their headers; the headset app gets none.
            session->setFileReplyHeaders(DlnaFormat::videoReplyHeaders(session->requestHeaders(), path));
            if (!path.isEmpty())
                session->replyFile(path, s, e);
            else
                session->replyError(404);
        } else if (session) {
            session->replyError(404);
        }
    } else if (cmd == QLatin1String("subtitle_list")) {
        if (library->findItemPath(QStringLiteral("video"), arg, path)) {
            const QJsonArray names = listSubtitles(path);
            if (!session)
                return;
            if (names.isEmpty())
                session->replyError(404);
            else
                session->replyJsonArray(names);
        } else if (session) {
            session->replyError(404);
        }
    } else if (cmd == QLatin1String("subtitle")) {
        const QStringList pieces = arg.split(QLatin1Char('/'), Qt::KeepEmptyParts);
        if (pieces.size() != 2) {
            qDebug().noquote() << "wrong parmaeter when get subtitle file. url = " << url;
            if (session)
                session->replyError(404);
        } else {
            const QString id = pieces.at(0);
            const QString name = QUrl::fromPercentEncoding(pieces.at(1).toUtf8());
            if (!library->findItemPath(QStringLiteral("video"), id, path)) {
                qDebug().noquote() << "file path acquiration error when handle subtitle file. url = " << url;
                if (session)
                    session->replyError(404);
            } else if (!isServableSubtitle(path, name)) {
                // Only a subtitle listed beside the video is served: no way out
                // of its folder, no other file of it.
                qDebug().noquote() << "subtitle name refused:" << name;
                if (session)
                    session->replyError(404);
            } else {
                const QString subtitlePath =
                    QFileInfo(path).absolutePath() + QLatin1Char('/') + name;
                QFile file(subtitlePath);
                if (!file.open(QIODevice::ReadOnly)) {
                    if (session)
                        session->replyError(404);
                } else {
                    if (session)
                        session->replyFile(subtitlePath, 0, file.size() - 1);
                    file.close();
                }
            }
        }
    }
    qDebug().noquote() << "******* end *******";
}
