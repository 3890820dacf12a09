#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QSharedPointer>
#include <QString>

#include <atomic>
#include <functional>

class QIODevice;
class QSocketNotifier;
class QTcpSocket;
class QTimer;

namespace HttpServer {

// One connection: parses one request incrementally, hands it to the manager
// once complete, and writes exactly one reply, after which the connection is
// closed. Lives on the server thread; the reply operations may be called
// from any thread and are re-posted to it.
class Session : public QObject
{
    Q_OBJECT
public:
    using Callback = std::function<void(const QPointer<Session> &)>;
    using HeaderList = QList<QPair<QByteArray, QByteArray>>;

    static constexpr int kDefaultIdleTimeoutMs = 30000;
    // Request line plus headers; past this the connection is closed.
    static constexpr qint64 kMaxHeadBytes = 64 * 1024;
    // Body bytes of one connection; past this the connection is closed.
    static constexpr qint64 kMaxBodyBytes = 1024 * 1024;
    static constexpr qint64 kChunkBytes = 8192;
    // Reply bytes queued in the socket before the next chunk waits for a write notification.
    // 32 chunks: a larger window gains little (measured in bench/server).
    static constexpr qint64 kSendWindowBytes = 32 * kChunkBytes;
    // A file body the kernel copies to the socket itself goes in slices of
    // at most this much, one per writable notification, so one fast client
    // cannot hold the server thread from the others.
    static constexpr qint64 kZeroCopySliceBytes = 4 * 1024 * 1024;
    // Body bytes of every session so far that went from file to socket in
    // the kernel (diagnostics: tells that path from the chunked one).
    static qint64 zeroCopyBytesSent() { return zeroCopyBytes_.load(); }

    // Client-chosen text (URL, header value) as it goes into the log: its
    // first kLoggedTextChars characters and its full length, so no client
    // can fill the log folder with a few long requests.
    static constexpr int kLoggedTextChars = 256;
    static QString forLog(const QString &text);

    // A dual-stack listener shows an IPv4 address as ::ffff:a.b.c.d: the
    // plain IPv4 form of such an address, any other as it is.
    static QHostAddress plainAddress(const QHostAddress &address);

    Session(QTcpSocket *socket, const QHostAddress &clientAddress,
            int idleTimeoutMs = kDefaultIdleTimeoutMs, QObject *parent = nullptr);
    ~Session() override;

    void setRequestCompleteCallback(const Callback &callback);
    // Installed by the manager: takes a session that has ended, to delete it
    // once the server thread is back in its event loop. Without one a
    // session deletes itself later as any QObject would.
    void setEndedCallback(const std::function<void(Session *)> &callback);

    // Read-only views of the request for the handler thread.
    QString requestMethod() const;
    QString requestUrl() const;
    QString requestVersion() const;
    QMap<QString, QString> requestHeaders() const;
    QByteArray requestBody() const;
    QHostAddress clientAddress() const;
    // The local address and port the connection came in on, as a Host
    // value ("192.168.1.5:8080", "[fe80::1]:8080"); empty without a socket.
    QString localHost() const;

    // Bookkeeping of the manager: a session is not deleted while a handler
    // thread works on it, so the handler's guarded pointer stays valid.
    void handlerStarted();
    void handlerFinished();

    // Server thread: bytes as if they had arrived from the client (the
    // socket's reads go through here; the fuzz target feeds it directly).
    void feed(const QByteArray &bytes);
    // Ends the connection without a reply (from any thread).
    void closeWithoutReply();

public slots:
    void replyText(const QString &replyData);
    void replyJsonObject(const QJsonObject &jsonObject);
    void replyJsonArray(const QJsonArray &jsonArray);
    // As replyJsonObject, for JSON already serialised compactly.
    void replyJsonBytes(const QByteArray &compactJson);
    // A web page, for browsers (the headset's routes never use it).
    void replyHtml(const QByteArray &html);
    // Serves bytes s to e of the file in a 206 reply. e <= s means "to the
    // end"; an end past the file is clamped; a negative s asks for the last
    // -s bytes; a start past the end is answered 416.
    void replyFile(const QString &filePath, qint64 s, qint64 e);
    // The same range rules over bytes in memory (a subtitle converted to
    // UTF-8), sent with the given Content-Type.
    void replyBytes(const QByteArray &body, const QByteArray &contentType, qint64 s, qint64 e);
    // Headers the next replyFile head carries besides its own; a
    // Content-Type here replaces the default one. Set before replyFile.
    void setFileReplyHeaders(const HeaderList &headers) { fileReplyHeaders = headers; }
    void replyImage(const QImage &image);
    void replyImageFile(const QString &filePath);
    void replyError(qint64 errorcode);
    // A complete answer: status (200, 400, 404, ...), content type, extra
    // header lines and body. Header pairs holding a line break are dropped.
    void replyAnswer(int status, const QByteArray &contentType, const HeaderList &headers,
                     const QByteArray &body);

signals:
    void sglErrorcode(qint64 errorcode);

private:
    void onReadyRead();
    void onBytesWritten(qint64 bytes);
    void onIdleTimeout();
    void touch();
    void inspectionBufferSetup1();
    void inspectionBufferSetup2();
    // A POST with Content-Length is handed over once that many body bytes
    // are in (at once for 0); without the header, at the first body bytes.
    // True when the header was there (and, if unusable, the session ends).
    bool readDeclaredBodyBytes();
    // Hands the request over once the buffer holds the whole declared body.
    void handOverDeclaredBody();
    void writeTextMessage(const char *contentType, const QByteArray &body);
    bool beginReply(const char *alreadyMessage, const char *goneMessage);
    // The head, then bodyBytes from replyDevice; a body in memory goes out
    // in the head's write instead. A HEAD request gets the head alone.
    void writeHead(const QByteArray &head, qint64 bodyBytes, const QByteArray &inlineBody = QByteArray());
    void writeStatusHead(qint64 errorcode, const QByteArray &extraLines = QByteArray());
    // The range rules of replyFile and replyBytes: s and e resolved against
    // a body of size bytes (e <= s: to the end; past the end: clamped; s < 0:
    // the last -s bytes). A start past the end is answered 416 here (logged
    // with what) and gives false.
    bool acceptRange(qint64 size, qint64 &s, qint64 &e, const char *logPrefix, const QString &what);
    // The head of a 206 reply; extraLines, each ending in CRLF, go last.
    static QByteArray rangeHead(const QByteArray &contentType, qint64 length, qint64 s, qint64 e, qint64 size,
                                const QByteArray &extraLines = QByteArray());
    // Bytes still to be reported written for this reply (what is not yet
    // in the kernel), and the body's share of them.
    void expectReply(qint64 messageBytes, qint64 replyBodyBytes);
    void sendNextChunk();
    void sendZeroCopySlice();
    void leaveZeroCopy(const char *why);
    void uncork();
    // The body cannot be completed (the file ended or failed): logged, and the connection ends.
    void endShortBody(const QString &error);
    void finish();
    // Deleted later, once: by the manager when it took the session, otherwise
    // by a deferred delete.
    void deleteSoon();
    void releaseReplyDevice();
    bool onOwnThread() const;

    QPointer<QIODevice> socket;
    Callback requestCompleteCallback;
    std::function<void(Session *)> endedCallback;
    bool deletionQueued = false;
    QSharedPointer<QTimer> idleTimer;
    QElapsedTimer lastActivity;
    int idleTimeoutMs;
    QByteArray receiveBuffer;
    qint64 headBytes = 0;
    qint64 bodyBytes = 0;
    static constexpr qint64 kBodyHandedOver = -2;
    qint64 declaredBodyBytes = -1;

    mutable QMutex requestLock;
    QString requestMethod_;
    QString requestUrl_;
    QString requestVersion_;
    QMap<QString, QString> requestHeaders_;
    HeaderList fileReplyHeaders;
    QByteArray requestBody_;
    QHostAddress clientAddress_;
    QHostAddress localAddress_;
    quint16 localPort_ = 0;
    // A HEAD request: every reply writes its head, with the Content-Length
    // the GET would have, and no body.
    bool headOnly = false;

    bool headerComplete = false;
    bool replied = false;
    bool finishing = false;
    qint64 pendingReplyBytes = 0;
    QSharedPointer<QIODevice> replyDevice;
    qint64 replyBodyLeft = 0;
    // While a file body goes by the kernel: the file's descriptor (the
    // session's own, closed with the reply device) and the offset of the
    // next body byte, and the notifier that waits for room in
    // the socket (enabled only while such a body is pending).
    int zeroCopyFile = -1;
    qint64 zeroCopyOffset = 0;
    bool zeroCopyStarted = false;
    // TCP_CORK is set on the socket for this reply's head and file body.
    bool corked = false;
    QSocketNotifier *socketWritable = nullptr;
    static std::atomic<qint64> zeroCopyBytes_;

    QMutex handlerLock;
    int handlersRunning = 0;
    bool deleteWhenIdle = false;
};

} // namespace HttpServer
