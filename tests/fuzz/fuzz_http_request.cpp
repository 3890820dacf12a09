// Request bytes, in one or more arrivals, through the connection's parser and
// on into the media routes (no socket: every reply is refused as to a client
// that left). The first byte says where the input is cut into arrivals.

#include "fuzzsupport.h"

#include "server/httpsession.h"
#include "server/mediaroutes.h"

#include <QHostAddress>
#include <QPointer>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzSetUp();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static MediaRoutes routes;
    if (size == 0)
        return 0;
    const int step = 1 + data[0] % 64;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), int(size - 1));
    auto *session = new HttpServer::Session(nullptr, QHostAddress(QHostAddress::LocalHost), 1000);
    int requests = 0;
    session->setRequestCompleteCallback([&](const QPointer<HttpServer::Session> &s) {
        ++requests;
        FUZZ_CHECK(s->requestMethod() == QLatin1String("GET") || s->requestMethod() == QLatin1String("POST"));
        FUZZ_CHECK(s->requestBody().size() <= HttpServer::Session::kMaxBodyBytes);
        routes.handle(s);
    });
    for (int at = 0; at < bytes.size(); at += step)
        session->feed(bytes.mid(at, step));
    session->closeWithoutReply();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
