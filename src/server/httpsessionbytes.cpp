#include "httpsession.h"

#include <QBuffer>
#include <QDebug>

#include <charconv>

namespace HttpServer {

bool Session::acceptRange(qint64 size, qint64 &s, qint64 &e, const char *logPrefix, const QString &what)
{
    if (s < 0) {
        // Suffix range: the last -s bytes (the whole body when it is shorter).
        s = qMax<qint64>(0, size + s);
        e = size - 1;
    } else if (e <= s) {
        e = size - 1;
    }
    if (e > size - 1)
        e = size - 1;
    if (s < size || (s == 0 && size == 0))
        return true;
    {
        QDebug line = qDebug().noquote();
        line << logPrefix;
        if (!what.isEmpty())
            line << what;
        line << s << size;
    }
    writeStatusHead(416, "Content-Range: bytes */" + QByteArray::number(size) + "\r\n");
    emit sglErrorcode(416);
    return false;
}

QByteArray Session::rangeHead(const QByteArray &contentType, qint64 length, qint64 s, qint64 e, qint64 size,
                              const QByteArray &extraLines)
{
    // Appended into one buffer: a head per seek, so no temporaries.
    QByteArray head;
    head.reserve(256 + contentType.size() + extraLines.size());
    head.append("HTTP/1.1 206 Partial Content\r\nConnection: keep-alive\r\nContent-Transfer-Encoding: binary\r\n"
                "Content-Type: ")
        .append(contentType)
        .append("\r\nContent-Length: ");
    char number[24];
    const auto appendNumber = [&](qint64 value) {
        const std::to_chars_result written = std::to_chars(number, number + sizeof number, value);
        head.append(number, int(written.ptr - number));
    };
    appendNumber(length);
    head.append("\r\nContent-Range: bytes ");
    appendNumber(s);
    head.append('-');
    appendNumber(e);
    head.append('/');
    appendNumber(size);
    head.append("\r\n").append(extraLines).append("\r\n");
    return head;
}

void Session::replyBytes(const QByteArray &body, const QByteArray &contentType, qint64 s, qint64 e)
{
    if (!onOwnThread()) {
        QMetaObject::invokeMethod(
            this, [this, body, contentType, s, e] { replyBytes(body, contentType, s, e); }, Qt::QueuedConnection);
        return;
    }
    if (!beginReply("HttpServer::Session::replyBytes: already reply",
                    "HttpServer::Session::replyBytes: error1"))
        return;
    const qint64 size = body.size();
    if (!acceptRange(size, s, e, "HttpServer::Session::replyBytes: range not satisfiable", QString()))
        return;
    const qint64 length = qMax<qint64>(0, e - s + 1);
    QSharedPointer<QBuffer> buffer(new QBuffer);
    buffer->setData(body.mid(int(s), int(length)));
    if (!buffer->open(QIODevice::ReadOnly)) {
        qDebug().noquote() << "HttpServer::Session::replyBytes: open buffer error";
        finish();
        return;
    }
    replyDevice = buffer;
    writeHead(rangeHead(contentType, length, s, e, size), length);
}

} // namespace HttpServer
