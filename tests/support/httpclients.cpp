#include "httpclients.h"
#include "processes.h"

#include <QDeadlineTimer>
#include <QHostAddress>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

RawClient::Reply RawClient::exchange(quint16 port, const QList<QByteArray> &packets, int timeoutMs,
                                     int pauseMs)
{
    Reply reply;
    QTcpSocket socket;
    socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(5000))
        return reply;
    reply.connected = true;
    for (int i = 0; i < packets.size(); ++i) {
        if (i > 0)
            QThread::msleep(pauseMs);
        socket.write(packets.at(i));
        while (socket.bytesToWrite() > 0 && socket.waitForBytesWritten(5000)) {
        }
    }
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (socket.state() != QAbstractSocket::ConnectedState) {
            reply.raw += socket.readAll();
            reply.closedByServer = true;
            break;
        }
        socket.waitForReadyRead(int(qMax<qint64>(1, qMin<qint64>(200, deadline.remainingTime()))));
        reply.raw += socket.readAll();
    }
    splitReply(reply);
    return reply;
}

RawClient::Reply RawClient::get(quint16 port, const QByteArray &target,
                                const QList<QByteArray> &extraHeaders, int timeoutMs)
{
    QByteArray request = "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n";
    for (const QByteArray &h : extraHeaders)
        request += h + "\r\n";
    request += "\r\n";
    return exchange(port, {request}, timeoutMs);
}

void RawClient::splitReply(Reply &reply)
{
    const int end = reply.raw.indexOf("\r\n\r\n");
    if (end < 0) {
        reply.head = reply.raw;
        return;
    }
    reply.head = reply.raw.left(end + 4);
    reply.body = reply.raw.mid(end + 4);
    const QList<QByteArray> lines = reply.raw.left(end).split('\n');
    reply.statusLine = lines.value(0).trimmed();
    for (int i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        const int colon = line.indexOf(':');
        if (colon > 0)
            reply.headers.insert(line.left(colon), line.mid(colon + 1).trimmed());
    }
}

QByteArray CurlResult::header(const QByteArray &name) const
{
    for (const QByteArray &line : head.split('\n')) {
        const int colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).toLower() == name.toLower())
            return line.mid(colon + 1).trimmed();
    }
    return QByteArray();
}

CurlResult curl(quint16 port, const QString &target, const QStringList &extra, int maxSeconds)
{
    return curlUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(target), extra, {}, maxSeconds);
}

CurlResult curlUrl(const QString &url, const QStringList &extra, const QStringList &wrapper, int maxSeconds)
{
    CurlResult result;
    QTemporaryDir dir;
    const QString head = dir.filePath(QStringLiteral("head"));
    const QString body = dir.filePath(QStringLiteral("body"));
    QStringList args = wrapper;
    args << QStringLiteral("curl") << QStringLiteral("-s") << QStringLiteral("--path-as-is")
         << QStringLiteral("--max-time") << QString::number(maxSeconds) << QStringLiteral("-D") << head
         << QStringLiteral("-o") << body;
    args += extra;
    args << url;
    const QString program = args.takeFirst();
    TestSupport::run(program, args, &result.exitCode, (maxSeconds + 30) * 1000);
    result.head = TestSupport::fileBytes(head);
    result.body = TestSupport::fileBytes(body);
    return result;
}
