#include "server/httpsession.h"

#include "platform/platform.h"

#include <QBuffer>
#include <QDebug>
#include <QFile>
#include <QJsonDocument>
#include <QMetaObject>
#include <QMutexLocker>
#include <QScopeGuard>
#include <QSocketNotifier>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#include <cstring>
#include <string_view>
#include <utility>

namespace HttpServer {

std::atomic<qint64> Session::zeroCopyBytes_{0};

namespace {

// Where the first CR LF at or after from begins; -1 when there is none yet.
int lineEndAt(const char *data, int from, int size)
{
    const size_t found = std::string_view(data, size_t(size)).find("\r\n", size_t(from));
    return found == std::string_view::npos ? -1 : int(found);
}

// The head of every 200 reply: content type, then length.
const char kOkTemplate[] = "HTTP/1.1 200 OK\r\nContent-Type: %1\r\nContent-Length: %2\r\n"
                           "Access-Control-Allow-Origin: *\r\n\r\n";
const char kJsonType[] = "application/json;charset=UTF-8";
const char kStatusTemplate[] = "HTTP/1.1 %1 Partial Content\r\n%2\r\n";

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200: return QByteArrayLiteral("OK");
    case 400: return QByteArrayLiteral("Bad Request");
    case 404: return QByteArrayLiteral("Not Found");
    case 500: return QByteArrayLiteral("Internal Server Error");
    default: return QByteArrayLiteral("Status");
    }
}

QString hostValue(QHostAddress address, quint16 port)
{
    address = Session::plainAddress(address);
    if (address.protocol() == QAbstractSocket::IPv6Protocol) {
        address.setScopeId(QString());
        return QStringLiteral("[%1]:%2").arg(address.toString()).arg(port);
    }
    return QStringLiteral("%1:%2").arg(address.toString()).arg(port);
}

} // namespace

Session::Session(QTcpSocket *tcpSocket, const QHostAddress &address, int idleMs, QObject *parent)
    : QObject(parent), socket(tcpSocket), idleTimer(new QTimer), idleTimeoutMs(idleMs),
      clientAddress_(address)
{
    idleTimer->setInterval(idleTimeoutMs);
    idleTimer->setSingleShot(false);
    connect(idleTimer.data(), &QTimer::timeout, this, &Session::onIdleTimeout);
    if (tcpSocket) {
        connect(tcpSocket, &QIODevice::readyRead, this, &Session::onReadyRead);
        connect(tcpSocket, &QIODevice::bytesWritten, this, &Session::onBytesWritten);
        // A peer that goes away ends the session at once instead of after the idle time-out.
        connect(tcpSocket, &QAbstractSocket::disconnected, this, [this] {
            qDebug().noquote() << "HttpServer::Session: the client closed the connection";
            finish();
        });
        // Formatted when a route asks for it: most requests never do.
        localAddress_ = tcpSocket->localAddress();
        localPort_ = tcpSocket->localPort();
        // The idle timer runs from accept, so a connection that never sends a
        // byte is closed too.
        lastActivity.start();
        idleTimer->start();
    }
}

Session::~Session()
{
    releaseReplyDevice();
    if (socket) {
        socket->disconnect(this);
        delete socket.data();
    }
}

QHostAddress Session::plainAddress(const QHostAddress &address)
{
    bool isV4 = false;
    const quint32 v4 = address.toIPv4Address(&isV4);
    return isV4 ? QHostAddress(v4) : address;
}

QString Session::forLog(const QString &text)
{
    if (text.size() <= kLoggedTextChars)
        return text;
    return text.left(kLoggedTextChars) + QStringLiteral("... (%1 characters)").arg(text.size());
}

void Session::setRequestCompleteCallback(const Callback &callback)
{
    requestCompleteCallback = callback;
}

QString Session::requestMethod() const { QMutexLocker l(&requestLock); return requestMethod_; }
QString Session::requestUrl() const { QMutexLocker l(&requestLock); return requestUrl_; }
QString Session::requestVersion() const { QMutexLocker l(&requestLock); return requestVersion_; }
QMap<QString, QString> Session::requestHeaders() const { QMutexLocker l(&requestLock); return requestHeaders_; }
QByteArray Session::requestBody() const { QMutexLocker l(&requestLock); return requestBody_; }
QHostAddress Session::clientAddress() const { QMutexLocker l(&requestLock); return clientAddress_; }
QString Session::localHost() const
{
    QMutexLocker l(&requestLock);
    return localAddress_.isNull() ? QString() : hostValue(localAddress_, localPort_);
}

void Session::closeWithoutReply()
{
    if (!onOwnThread()) {
        QMetaObject::invokeMethod(this, [this] { closeWithoutReply(); }, Qt::QueuedConnection);
        return;
    }
    finish();
}

void Session::setEndedCallback(const std::function<void(Session *)> &callback)
{
    endedCallback = callback;
}

void Session::deleteSoon()
{
    if (std::exchange(deletionQueued, true))
        return;
    if (endedCallback)
        endedCallback(this);
    else
        deleteLater();
}

void Session::handlerStarted()
{
    QMutexLocker l(&handlerLock);
    ++handlersRunning;
}

void Session::handlerFinished()
{
    // Called from the handler thread. The check is posted under the lock that
    // finish() takes too, so the session cannot be deleted while we post.
    // Only a session that has ended waits for this: posting for every
    // request would wake the server thread once more per request.
    QMutexLocker l(&handlerLock);
    if (--handlersRunning == 0 && deleteWhenIdle)
        QMetaObject::invokeMethod(this, [this] {
            QMutexLocker lock(&handlerLock);
            if (deleteWhenIdle && handlersRunning == 0)
                deleteSoon();
        }, Qt::QueuedConnection);
}

bool Session::onOwnThread() const
{
    return QThread::currentThread() == thread();
}

void Session::touch()
{
    lastActivity.restart();
}

void Session::onIdleTimeout()
{
    // The timer is not restarted on every chunk; it checks how long the
    // connection has really been quiet and waits for the rest if need be.
    const qint64 quiet = lastActivity.elapsed();
    if (quiet < idleTimeoutMs) {
        idleTimer->start(int(idleTimeoutMs - quiet));
        return;
    }
    qDebug().noquote() << "HttpServer::Session: idle time-out, closing" << forLog(requestUrl_);
    finish();
}

void Session::onReadyRead()
{
    if (!socket || finishing)
        return;
    touch();
    // What has arrived, in one read: readAll() would grow a buffer of its
    // own in steps and copy it for every request.
    feed(socket->read(socket->bytesAvailable()));
}

void Session::feed(const QByteArray &bytes)
{
    if (finishing)
        return;
    receiveBuffer.append(bytes);
    inspectionBufferSetup1();
}

void Session::inspectionBufferSetup1()
{
    if (finishing)
        return;
    if (headerComplete) {
        if (declaredBodyBytes == kBodyHandedOver)
            return;
        if (declaredBodyBytes >= 0) {
            // The buffer holds all of the body so far.
            handOverDeclaredBody();
            return;
        }
        bodyBytes += receiveBuffer.size();
        if (bodyBytes > kMaxBodyBytes) {
            qDebug().noquote() << "HttpServer::Session::inspectionBuffer: body too large" << bodyBytes;
            finish();
            return;
        }
        inspectionBufferSetup2();
        return;
    }
    // The head is read in place: each line is taken as a view of the buffer,
    // and what has been read is dropped from it once, when the loop leaves.
    const char *const data = receiveBuffer.constData();
    const int size = receiveBuffer.size();
    int pos = 0;
    const auto dropRead = qScopeGuard([this, &pos] {
        if (pos > 0)
            receiveBuffer.remove(0, pos);
    });
    for (;;) {
        const int lineEnd = lineEndAt(data, pos, size);
        if (lineEnd < 0) {
            if (headBytes + size - pos > kMaxHeadBytes) {
                qDebug().noquote() << "HttpServer::Session::inspectionBuffer: request head too large";
                finish();
            }
            return;
        }
        const char *const line = data + pos;
        const int length = lineEnd - pos;
        headBytes += length + 2;
        if (headBytes > kMaxHeadBytes) {
            qDebug().noquote() << "HttpServer::Session::inspectionBuffer: request head too large";
            finish();
            return;
        }
        if (requestMethod_.isEmpty()) {
            if (length == 0) {
                qDebug().noquote() << "HttpServer::Session::inspectionBuffer: error1";
                finish();
                return;
            }
            pos = lineEnd + 2;
            // Exactly three parts between single spaces.
            const char *const end = line + length;
            const char *const first = static_cast<const char *>(std::memchr(line, ' ', size_t(length)));
            const char *const second =
                first ? static_cast<const char *>(std::memchr(first + 1, ' ', size_t(end - first - 1))) : nullptr;
            if (!second || std::memchr(second + 1, ' ', size_t(end - second - 1))) {
                qDebug().noquote() << "HttpServer::Session::inspectionBuffer: error2";
                finish();
                return;
            }
            {
                QMutexLocker l(&requestLock);
                requestMethod_ = QString::fromUtf8(line, int(first - line));
                requestUrl_ = QString::fromUtf8(first + 1, int(second - first - 1));
                requestVersion_ = QString::fromUtf8(second + 1, int(end - second - 1));
            }
            // HEAD is handed over like GET; the handler decides whether it is answered.
            headOnly = requestMethod_ == QLatin1String("HEAD");
            if (requestMethod_ != QLatin1String("GET") && requestMethod_ != QLatin1String("POST") && !headOnly) {
                qDebug().noquote() << "HttpServer::Session::inspectionBuffer: error3:" << forLog(requestMethod_);
                finish();
                return;
            }
        } else if (length != 0) {
            // The ':' must be inside this line; one in a later line does not make
            // this line a header.
            const char *const colon = static_cast<const char *>(std::memchr(line, ':', size_t(length)));
            if (!colon || colon == line) {
                qDebug().noquote() << "HttpServer::Session::inspectionBuffer: error4";
                finish();
                return;
            }
            pos = lineEnd + 2;
            const char *value = colon + 1;
            if (value < line + length && *value == ' ')
                ++value;
            QMutexLocker l(&requestLock);
            requestHeaders_.insert(QString::fromUtf8(line, int(colon - line)),
                                   QString::fromUtf8(value, int(line + length - value)));
        } else {
            receiveBuffer.remove(0, lineEnd + 2);
            pos = 0;
            headerComplete = true;
            bodyBytes = receiveBuffer.size();
            if (bodyBytes > kMaxBodyBytes) {
                qDebug().noquote() << "HttpServer::Session::inspectionBuffer: body too large" << bodyBytes;
                finish();
                return;
            }
            const QString method = requestMethod_.toUpper();
            if (method == QLatin1String("POST") && readDeclaredBodyBytes()) {
                handOverDeclaredBody();
                return;
            }
            if (method == QLatin1String("GET") || headOnly
                || (method == QLatin1String("POST") && !receiveBuffer.isEmpty()))
                inspectionBufferSetup2();
            return;
        }
    }
}

bool Session::readDeclaredBodyBytes()
{
    QString value;
    bool present = false;
    {
        QMutexLocker l(&requestLock);
        for (auto it = requestHeaders_.cbegin(); it != requestHeaders_.cend(); ++it) {
            if (it.key().compare(QLatin1String("Content-Length"), Qt::CaseInsensitive) == 0) {
                value = it.value();
                present = true;
            }
        }
    }
    if (!present)
        return false;
    bool ok = false;
    const qint64 declared = value.trimmed().toLongLong(&ok);
    if (!ok || declared < 0 || declared > kMaxBodyBytes) {
        qDebug().noquote() << "HttpServer::Session::inspectionBuffer: unusable Content-Length" << forLog(value);
        finish();
        return true;
    }
    declaredBodyBytes = declared;
    return true;
}

void Session::handOverDeclaredBody()
{
    // Not before all of it is in (nor once the session ends); bytes past the
    // declared body belong to no request and are dropped.
    if (finishing || receiveBuffer.size() < declaredBodyBytes)
        return;
    receiveBuffer.truncate(int(declaredBodyBytes));
    declaredBodyBytes = kBodyHandedOver;
    inspectionBufferSetup2();
}

void Session::inspectionBufferSetup2()
{
    {
        QMutexLocker l(&requestLock);
        requestBody_ = receiveBuffer;
    }
    receiveBuffer.clear();
    if (!requestCompleteCallback) {
        qDebug().noquote() << "HttpServer::Session::inspectionBuffer: error4";
        finish();
        return;
    }
    requestCompleteCallback(QPointer<Session>(this));
}

bool Session::beginReply(const char *alreadyMessage, const char *goneMessage)
{
    if (replied) {
        qDebug().noquote() << alreadyMessage;
        return false;
    }
    replied = true;
    if (!socket || finishing) {
        qDebug().noquote() << goneMessage;
        finish();
        return false;
    }
    return true;
}

void Session::writeHead(const QByteArray &head, qint64 replyBodyBytes, const QByteArray &inlineBody)
{
    if (headOnly) {
        releaseReplyDevice();
        replyBodyBytes = 0;
    }
    const QByteArray message = headOnly || inlineBody.isEmpty() ? head : head + inlineBody;
    expectReply(message.size(), replyBodyBytes);
    socket->write(message);
}

void Session::expectReply(qint64 messageBytes, qint64 replyBodyBytes)
{
    pendingReplyBytes = messageBytes + replyBodyBytes;
    replyBodyLeft = replyDevice ? replyBodyBytes : 0;
    touch();
}

void Session::writeStatusHead(qint64 errorcode, const QByteArray &extraLines)
{
    const QByteArray head = QString::fromLatin1(kStatusTemplate)
                                .arg(errorcode)
                                .arg(QString::fromLatin1(extraLines))
                                .toUtf8();
    releaseReplyDevice();
    // The session ends once the head has been written out (send step), so
    // the client always receives it before the connection closes.
    writeHead(head, 0);
}

void Session::replyText(const QString &replyData)
{
    if (!onOwnThread()) {
        QMetaObject::invokeMethod(this, [this, replyData] { replyText(replyData); }, Qt::QueuedConnection);
        return;
    }
    if (!beginReply("HttpServer::Session::replyText: already reply",
                    "HttpServer::Session::replyText: error1"))
        return;
    writeTextMessage("text;charset=UTF-8", replyData.toUtf8());
}

void Session::replyJsonObject(const QJsonObject &jsonObject)
{
    if (!onOwnThread()) {
        QMetaObject::invokeMethod(this, [this, jsonObject] { replyJsonObject(jsonObject); }, Qt::QueuedConnection);
        return;
    }
    if (!beginReply("HttpServer::Session::replyJsonObject: already reply",
                    "HttpServer::Session::replyJsonObject: error1"))
        return;
    writeTextMessage(kJsonType, QJsonDocument(jsonObject).toJson(QJsonDocument::Compact));
}

void Session::replyJsonBytes(const QByteArray &compactJson)
{
    if (!onOwnThread()) {
        QMetaObject::invokeMethod(this, [this, compactJson] { replyJsonBytes(compactJson); }, Qt::QueuedConnection);
        return;
    }
    if (!beginReply("HttpServer::Session::replyJsonObject: already reply",
                    "HttpServer::Session::replyJsonObject: error1"))
        return;
    writeTextMessage(kJsonType, compactJson);
}

void Session::replyHtml(const QByteArray &html)
{
    if (!onOwnThread()) {
        QMetaObject::invokeMethod(this, [this, html] { replyHtml(html); }, Qt::QueuedConnection);
        return;
    }
    if (!beginReply("HttpServer::Session::replyHtml: already reply", "HttpServer::Session::replyHtml: error1"))
        return;
    writeTextMessage("text/html;charset=UTF-8", html);
}

void Session::writeTextMessage(const char *contentType, const QByteArray &body)
{
    writeHead(QString::fromLatin1(kOkTemplate).arg(QLatin1String(contentType)).arg(body.size()).toUtf8(), 0, body);
}

void Session::replyAnswer(int status, const QByteArray &contentType, const HeaderList &headers,
                          const QByteArray &body)
{
    if (!onOwnThread()) {
        QMetaObject::invokeMethod(this, [=] { replyAnswer(status, contentType, headers, body); },
                                  Qt::QueuedConnection);
        return;
    }
    if (!beginReply("HttpServer::Session::replyAnswer: already reply",
                    "HttpServer::Session::replyAnswer: error1"))
        return;
    QByteArray message = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reasonPhrase(status) + "\r\n";
    message += "Content-Type: " + contentType + "\r\nContent-Length: " + QByteArray::number(body.size())
               + "\r\nAccess-Control-Allow-Origin: *\r\n";
    for (const auto &header : headers) {
        const QByteArray line = header.first + header.second;
        if (line.contains('\r') || line.contains('\n') || header.first.contains(':')) {
            qWarning().noquote() << "HttpServer::Session::replyAnswer: header dropped:" << header.first;
            continue;
        }
        message += header.first + ": " + header.second + "\r\n";
    }
    message += "\r\n";
    writeHead(message, 0, body);
}

void Session::replyJsonArray(const QJsonArray &jsonArray)
{
    if (!onOwnThread()) {
        QMetaObject::invokeMethod(this, [this, jsonArray] { replyJsonArray(jsonArray); }, Qt::QueuedConnection);
        return;
    }
    if (!beginReply("HttpServer::Session::replyJsonArray: already reply",
                    "HttpServer::Session::replyJsonArray: error1"))
        return;
    writeTextMessage(kJsonType, QJsonDocument(jsonArray).toJson(QJsonDocument::Compact));
}

void Session::replyFile(const QString &filePath, qint64 s, qint64 e)
{
    if (!onOwnThread()) {
        QMetaObject::invokeMethod(this, [this, filePath, s, e] { replyFile(filePath, s, e); }, Qt::QueuedConnection);
        return;
    }
    if (!beginReply("HttpServer::Session::replyFile: already reply",
                    "HttpServer::Session::replyFile: error1"))
        return;
    auto *tcp = qobject_cast<QAbstractSocket *>(socket.data());
    // A body for a TCP socket goes from the file to the socket in the
    // kernel, read through a descriptor of our own: QFile would stat the
    // file twice and seek it for nothing. The QFile takes the descriptor
    // over only if the chunked path has to finish the body.
    const bool byKernel = tcp && !headOnly;
    QSharedPointer<QFile> file(new QFile(filePath));
    qint64 size = 0;
    bool opened = false;
    if (byKernel) {
        zeroCopyFile = Platform::openRegularFile(filePath, &size);
        opened = zeroCopyFile >= 0;
    } else if (file->open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        // Unbuffered: each chunk is one read() straight into the chunk buffer.
        size = file->size();
        opened = true;
    }
    if (!opened) {
        qDebug().noquote() << "HttpServer::Session::replyFile: open file error:" << filePath;
        writeStatusHead(404);
        emit sglErrorcode(404);
        return;
    }
    if (!acceptRange(size, s, e, "HttpServer::Session::replyFile: range not satisfiable", filePath))
        return;
    const qint64 length = qMax<qint64>(0, e - s + 1);
    if (!byKernel && !file->seek(s)) {
        qDebug().noquote() << "HttpServer::Session::replyFile: seek error:" << filePath << s;
        writeStatusHead(404);
        emit sglErrorcode(404);
        return;
    }
    replyDevice = file;
    // For this reply only: a later request on the connection sets its own.
    const HeaderList extraHeaders = std::exchange(fileReplyHeaders, {});
    const QByteArray octets = QByteArrayLiteral("application/octet-stream");
    QByteArray contentType = octets;
    QByteArray extraLines;
    for (const auto &header : extraHeaders) {
        if (header.first.compare("Content-Type", Qt::CaseInsensitive) != 0)
            extraLines += header.first + ": " + header.second + "\r\n";
        else if (contentType == octets)
            contentType = header.second;
    }
    const QByteArray head = rangeHead(contentType, length, s, e, size, extraLines);
    if (length <= 0 || !byKernel) {
        writeHead(head, length);
        return;
    }
    // The body goes from the file to the socket in the kernel once the head
    // is out. A seek waits for its first bytes: the head is flushed now
    // and the body follows at once rather than an event loop turn later.
    // Corked, the head leaves in the body's first segment rather than in a
    // packet of its own, and the body in full segments.
    zeroCopyOffset = s;
    corked = Platform::setSocketCorked(tcp->socketDescriptor(), true);
    // Nothing waits in Qt's buffer before a reply: the head goes to the
    // kernel itself, ahead of the body, without a trip through that buffer.
    qint64 headSent = 0;
    if (tcp->bytesToWrite() == 0) {
        const Platform::FileSendResult sent = Platform::sendBytes(tcp->socketDescriptor(), head.constData(), head.size());
        if (sent.status == Platform::FileSendResult::Sent)
            headSent = sent.bytes;
    }
    zeroCopyStarted = true; // not from the write notification inside flush()
    if (headSent == head.size()) {
        expectReply(0, length);
        sendZeroCopySlice();
        return;
    }
    writeHead(head.mid(int(headSent)), length);
    tcp->flush();
    zeroCopyStarted = false;
    if (!finishing && zeroCopyFile >= 0 && tcp->bytesToWrite() == 0) {
        zeroCopyStarted = true;
        sendZeroCopySlice();
    }
}

void Session::replyImage(const QImage &image)
{
    if (!onOwnThread()) {
        QMetaObject::invokeMethod(this, [this, image] { replyImage(image); }, Qt::QueuedConnection);
        return;
    }
    if (!beginReply("HttpServer::Session::replyImage: already reply",
                    "HttpServer::Session::replyImage: error1"))
        return;
    QSharedPointer<QBuffer> buffer(new QBuffer);
    if (!buffer->open(QIODevice::ReadWrite)) {
        qDebug().noquote() << "HttpServer::Session::replyImage: open buffer error";
        finish();
        return;
    }
    if (!image.save(buffer.data(), "PNG")) {
        qDebug().noquote() << "HttpServer::Session::replyImage: save image to buffer error";
        finish();
        return;
    }
    buffer->seek(0);
    replyDevice = buffer;
    const qint64 size = buffer->size();
    writeHead(QString::fromLatin1(kOkTemplate).arg(QLatin1String("image/png")).arg(size).toUtf8(), size);
}

void Session::replyImageFile(const QString &filePath)
{
    if (!onOwnThread()) {
        QMetaObject::invokeMethod(this, [this, filePath] { replyImageFile(filePath); }, Qt::QueuedConnection);
        return;
    }
    if (!beginReply("HttpServer::Session::replyImageFile: already reply",
                    "HttpServer::Session::replyImageFile: error1"))
        return;
    QSharedPointer<QFile> file(new QFile(filePath));
    if (!file->open(QIODevice::ReadOnly)) {
        qDebug().noquote() << "HttpServer::Session::replyImageFile: open file error:" << filePath;
        writeStatusHead(404);
        emit sglErrorcode(404);
        return;
    }
    replyDevice = file;
    const qint64 size = file->size();
    writeHead(QString::fromLatin1(kOkTemplate).arg(QLatin1String("image/jpeg")).arg(size).toUtf8(), size);
}

void Session::replyError(qint64 errorcode)
{
    if (!onOwnThread()) {
        QMetaObject::invokeMethod(this, [this, errorcode] { replyError(errorcode); }, Qt::QueuedConnection);
        return;
    }
    if (!beginReply("HttpServer::Session::replyError: already reply",
                    "HttpServer::Session::replyError: error1"))
        return;
    writeStatusHead(errorcode);
    emit sglErrorcode(errorcode);
}

void Session::onBytesWritten(qint64 bytes)
{
    if (finishing)
        return;
    pendingReplyBytes -= bytes;
    touch();
    if (pendingReplyBytes <= 0) {
        finish();
        return;
    }
    sendNextChunk();
}

void Session::sendNextChunk()
{
    // Nothing left to queue: the rest is already in the socket's buffer.
    if (!replyDevice || !socket || replyBodyLeft <= 0)
        return;
    if (zeroCopyFile >= 0) {
        // Only once Qt's buffer (the head) is empty, so the kernel's bytes
        // follow it. Started from the event loop: Qt is still in its own
        // write notification here and turns that off on return.
        if (!zeroCopyStarted && socket->bytesToWrite() == 0) {
            zeroCopyStarted = true;
            QMetaObject::invokeMethod(this, &Session::sendZeroCopySlice, Qt::QueuedConnection);
        }
        return;
    }
    // Chunks of 8192 bytes, topped up on every write notification until a
    // small window is queued: memory per connection stays bounded, and the
    // kernel gets writes large enough not to pay a wake-up per 8 KiB.
    char chunk[kChunkBytes];
    while (replyBodyLeft > 0 && socket->bytesToWrite() < kSendWindowBytes) {
        const qint64 want = qMin<qint64>(kChunkBytes, replyBodyLeft);
        const qint64 got = replyDevice->read(chunk, want);
        if (got <= 0) {
            // A read error, or the file shrank since the head was written: the
            // reply can never complete, so end it rather than wait for the idle time-out.
            endShortBody(replyDevice->errorString());
            return;
        }
        replyBodyLeft -= got;
        socket->write(chunk, got);
    }
}

void Session::sendZeroCopySlice()
{
    auto *tcp = qobject_cast<QAbstractSocket *>(socket.data());
    if (finishing || !tcp || !replyDevice || zeroCopyFile < 0)
        return;
    const Platform::FileSendResult sent = Platform::sendFileRange(
        tcp->socketDescriptor(), zeroCopyFile, zeroCopyOffset, qMin(kZeroCopySliceBytes, replyBodyLeft));
    switch (sent.status) {
    case Platform::FileSendResult::Sent:
        zeroCopyOffset += sent.bytes;
        replyBodyLeft -= sent.bytes;
        pendingReplyBytes -= sent.bytes;
        zeroCopyBytes_ += sent.bytes;
        touch();
        if (pendingReplyBytes <= 0) {
            finish();
            return;
        }
        break;
    case Platform::FileSendResult::WouldBlock:
        break;
    case Platform::FileSendResult::EndOfFile:
        // The file shrank since the head was written, as in the chunked path.
        endShortBody(QString());
        return;
    default:
        leaveZeroCopy(std::strerror(sent.error));
        return;
    }
    // The next slice when the socket has room again (at once if it has now).
    if (!socketWritable) {
        socketWritable = new QSocketNotifier(tcp->socketDescriptor(), QSocketNotifier::Write, this);
        connect(socketWritable, &QSocketNotifier::activated, this, &Session::sendZeroCopySlice);
    }
    socketWritable->setEnabled(true);
}

void Session::leaveZeroCopy(const char *why)
{
    // The rest of the body goes through the chunked path, from where the
    // kernel stopped; it meets whatever the socket's trouble is its own way.
    qDebug().noquote() << QStringLiteral("HttpServer::Session: sendfile failed (%1), the rest in chunks")
                              .arg(QString::fromLocal8Bit(why));
    const int descriptor = std::exchange(zeroCopyFile, -1);
    uncork();
    if (socketWritable)
        socketWritable->setEnabled(false);
    auto *file = qobject_cast<QFile *>(replyDevice.data());
    if (!file || !file->open(descriptor, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        Platform::closeFile(descriptor);
        endShortBody(replyDevice->errorString());
        return;
    }
    if (!replyDevice->seek(zeroCopyOffset)) {
        endShortBody(replyDevice->errorString());
        return;
    }
    sendNextChunk();
}

void Session::endShortBody(const QString &error)
{
    {
        QDebug line = qDebug().noquote();
        line << "HttpServer::Session: reply body ended early," << replyBodyLeft << "bytes missing";
        if (!error.isNull())
            line << error;
    }
    releaseReplyDevice();
    finish();
}

void Session::releaseReplyDevice()
{
    // The notifier is off before the socket closes its descriptor; it may
    // be the sender of the current call, so it goes later.
    if (socketWritable) {
        socketWritable->setEnabled(false);
        socketWritable->deleteLater();
        socketWritable = nullptr;
    }
    Platform::closeFile(std::exchange(zeroCopyFile, -1));
    zeroCopyStarted = false;
    uncork();
    if (replyDevice) {
        replyDevice->close();
        replyDevice.reset();
    }
}

void Session::uncork()
{
    // What the cork holds goes out now: the body's last partial segment, or
    // the head and first bytes of a body that leaves by the chunked path.
    auto *tcp = qobject_cast<QAbstractSocket *>(socket.data());
    if (corked && tcp)
        Platform::setSocketCorked(tcp->socketDescriptor(), false);
    corked = false;
}

void Session::finish()
{
    if (!finishing) {
        finishing = true;
        idleTimer->stop();
        // The socket closes next, which sends what a cork holds: uncorking
        // first would only cost a system call and a packet of its own.
        corked = false;
        releaseReplyDevice();
        if (auto *tcp = qobject_cast<QAbstractSocket *>(socket.data())) {
            tcp->disconnect(this);
            // Everything written has reached the kernel when a reply
            // completes; closing now sends the end of the stream to the client.
            tcp->disconnectFromHost();
        }
    }
    QMutexLocker l(&handlerLock);
    if (handlersRunning > 0) {
        deleteWhenIdle = true;
        return;
    }
    deleteSoon();
}

} // namespace HttpServer
