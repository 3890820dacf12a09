#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

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

// What the curl tool received: its exit code, the head (status line and
// headers as sent) and the body, byte for byte.
struct CurlResult
{
    int exitCode = -1;
    QByteArray head;
    QByteArray body;
    QByteArray statusLine() const { return head.left(head.indexOf("\r\n")); }
    // The status code of the last head (0 when there is none).
    int status() const { return statusLine().split(' ').value(1).toInt(); }
    QByteArray header(const QByteArray &name) const;
};

// The real curl against 127.0.0.1:port; target is sent as it is
// (--path-as-is), extra are further curl arguments (e.g. "-H", "Range: ...").
CurlResult curl(quint16 port, const QString &target, const QStringList &extra = {}, int maxSeconds = 60);
// The same for any URL; wrapper is a command that runs curl (for example
// {"ip", "netns", "exec", name} to ask from another namespace).
CurlResult curlUrl(const QString &url, const QStringList &extra = {}, const QStringList &wrapper = {},
                   int maxSeconds = 60);
