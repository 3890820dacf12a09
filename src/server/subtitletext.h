#pragma once

#include <QByteArray>
#include <QPointer>
#include <QString>

namespace HttpServer {
class Session;
}

// Subtitle files as the headset and browsers can read them: legacy charsets
// (GBK, Big5, Shift_JIS, windows-125x, UTF-16...) turned into UTF-8, and SRT
// rendered as WebVTT. A file that is UTF-8 already is never touched.
class SubtitleText
{
public:
    // Subtitle files are small; past this a file is served as it is.
    static constexpr qint64 kMaxConvertBytes = 16 * 1024 * 1024;

    enum class Outcome {
        Utf8,            // valid UTF-8 (or ASCII) already: bytes are the file's own
        Converted,       // bytes are the file's text converted to UTF-8
        Undetected,      // charset unknown: bytes are the file's own
        ConversionFailed, // charset named but not convertible: bytes are the file's own
        TooLarge,        // not read: serve the file as it is
        Unreadable,      // not read: the file could not be opened
    };

    struct Result
    {
        Outcome outcome = Outcome::Unreadable;
        QByteArray bytes;   // what to serve (empty for TooLarge and Unreadable)
        bool converted() const { return outcome == Outcome::Converted; }
    };

    static Result readAsUtf8(const QString &path);
    // The same for bytes already in memory (the name is for log lines).
    static Result toUtf8(const QByteArray &raw, const QString &name = QString());

    // "WEBVTT" then the cues of an SRT text in UTF-8; WebVTT input is passed
    // through as it is.
    static QByteArray srtToVtt(const QByteArray &utf8);

    // The subtitle route's reply: bytes s to e (as Session::replyFile reads
    // them) of the text in UTF-8, or of its WebVTT rendering; a file that is
    // not converted is served as it is, from the file.
    static void reply(const QPointer<HttpServer::Session> &session, const QString &path, bool asVtt,
                      qint64 s, qint64 e);

private:
    static QByteArray detectCharset(const QByteArray &raw);
};
