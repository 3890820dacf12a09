#include "syncexchange.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QTimer>

namespace SyncExchange {

namespace {
Attempt once(QNetworkAccessManager &manager, const QNetworkRequest &request, const QByteArray *postBody, int seconds)
{
    Attempt attempt;
    QNetworkReply *reply = postBody ? manager.post(request, *postBody) : manager.get(request);
    if (!reply) {
        attempt.errorText = QStringLiteral("no reply");
        return attempt;
    }
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec();
    attempt.finished = reply->isFinished();
    attempt.error = reply->error();
    attempt.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    attempt.errorText = attempt.finished ? reply->errorString() : QStringLiteral("no answer in time");
    if (attempt.isOk())
        attempt.body = reply->readAll();
    // An unfinished reply is abandoned here, so it never reports later.
    reply->abort();
    reply->deleteLater();
    return attempt;
}
} // namespace

bool run(const QNetworkRequest &request, const QByteArray *postBody, int seconds, int attempts,
         const std::function<bool(const Attempt &)> &accept)
{
    QNetworkAccessManager manager;
    for (int i = 0; i < attempts; ++i) {
        if (accept(once(manager, request, postBody, seconds)))
            return true;
    }
    return false;
}

} // namespace SyncExchange
