#include "server/playerroutes.h"

#include "library/projectionstore.h"
#include "server/httpsession.h"
#include "server/mediaroutes.h"
#include "server/playerapis.h"

#include <QUrl>

namespace PlayerRoutes {

namespace {

using Request = MediaRoutes::Request;

// The address the player used, so every URL handed back reaches us the same way.
QString hostOf(const Request &r)
{
    return PlayerApis::requestHost(r.header(QStringLiteral("Host")).toLatin1(), r.session->localHost());
}

QString idOf(const Request &r)
{
    return QUrl::fromPercentEncoding(r.params.value(QStringLiteral("id")).toUtf8());
}

void send(const Request &r, const PlayerApis::Answer &answer)
{
    r.session->replyAnswer(answer.status, answer.contentType, answer.headers, answer.body);
}

// An index may be gzip-encoded, so caches must keep the two apart.
void sendIndex(const Request &r, PlayerApis::Answer answer)
{
    PlayerApis::compressFor(answer, r.header(QStringLiteral("Accept-Encoding")).toLatin1());
    answer.headers.append({QByteArrayLiteral("Vary"), QByteArrayLiteral("Accept-Encoding")});
    send(r, answer);
}

} // namespace

void install(MediaRoutes &routes, ProjectionStore *store)
{
    const auto storeOf = [store]() -> ProjectionStore & { return store ? *store : *ProjectionStore::shared(); };
    const QStringList all{QStringLiteral("GET"), QStringLiteral("POST"), QStringLiteral("HEAD")};
    routes.addRoute(all, QStringLiteral("/deovr"), [](const Request &r) {
        sendIndex(r, PlayerApis::deovrIndex(*r.library, hostOf(r)));
    });
    routes.addRoute(all, QStringLiteral("/deovr/{id}"), [storeOf](const Request &r) {
        send(r, PlayerApis::deovrVideo(*r.library, storeOf(), hostOf(r), idOf(r)));
    });
    // HereSphere POSTs its JSON requests, but GETs and HEADs now and then too.
    routes.addRoute(all, QStringLiteral("/heresphere"), [](const Request &r) {
        sendIndex(r, PlayerApis::heresphereIndex(*r.library, hostOf(r), r.session->requestBody()));
    });
    routes.addRoute(all, QStringLiteral("/heresphere/{id}"), [storeOf](const Request &r) {
        send(r, PlayerApis::heresphereVideo(*r.library, storeOf(), hostOf(r), idOf(r), r.session->requestBody()));
    });
    routes.addRoute({QStringLiteral("GET"), QStringLiteral("HEAD")}, QStringLiteral("/projections"),
                    [storeOf](const Request &r) { send(r, PlayerApis::projectionList(*r.library, storeOf())); });
}

} // namespace PlayerRoutes
