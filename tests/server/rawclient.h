#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

// A blocking HTTP client on a real socket for the server tests: it writes
// bytes exactly as given and reads until the server closes the connection.
class RawClient
{
public:
    struct Reply
    {
        bool connected = false;
        bool closedByServer = false;
        QByteArray raw;        // everything received
        QByteArray head;       // up to and including the blank line
        QByteArray body;       // the rest
        QByteArray statusLine;
        QMap<QByteArray, QByteArray> headers;
        qint64 contentLength() const { return headers.value("Content-Length", "-1").toLongLong(); }
    };

    // Sends the packets one after the other (with a pause between them, so
    // that the server sees them as separate arrivals) and reads the reply.
    static Reply exchange(quint16 port, const QList<QByteArray> &packets, int timeoutMs = 20000,
                          int pauseMs = 150);
    static Reply get(quint16 port, const QByteArray &target,
                     const QList<QByteArray> &extraHeaders = {}, int timeoutMs = 20000);
    static void splitReply(Reply &reply);
};
