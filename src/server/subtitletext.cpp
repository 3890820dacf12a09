#include "subtitletext.h"

#include "httpsession.h"

#include <QDebug>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QTextCodec>

#include <iconv.h>
#include <uchardet.h>

#include <algorithm>
#include <memory>

namespace {

bool isValidUtf8(const QByteArray &raw)
{
    QTextCodec *utf8 = QTextCodec::codecForName("UTF-8");
    QTextCodec::ConverterState state;
    utf8->toUnicode(raw.constData(), raw.size(), &state);
    // A sequence cut off at the end is not valid either.
    return state.invalidChars == 0 && state.remainingChars == 0;
}

// iconv rather than QTextCodec: it knows every charset uchardet names (Qt 5
// has no UHC, the Korean charset Windows writes) and refuses bytes the
// charset does not have instead of guessing.
bool convertToUtf8(const QByteArray &raw, const QByteArray &charset, QByteArray &out)
{
    iconv_t cd = iconv_open("UTF-8", charset.constData());
    if (cd == iconv_t(-1))
        return false;
    // No charset takes more than three UTF-8 bytes per input byte.
    out.resize(raw.size() * 3 + 4);
    char *in = const_cast<char *>(raw.constData());
    size_t inLeft = size_t(raw.size());
    char *o = out.data();
    size_t outLeft = size_t(out.size());
    bool ok = iconv(cd, &in, &inLeft, &o, &outLeft) != size_t(-1) && inLeft == 0;
    ok = ok && iconv(cd, nullptr, nullptr, &o, &outLeft) != size_t(-1);
    iconv_close(cd);
    out.resize(out.size() - int(outLeft));
    return ok;
}

// A BOM names the encoding; it is no part of the text.
void dropUtf8Bom(QByteArray &text)
{
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
}

} // namespace

QByteArray SubtitleText::detectCharset(const QByteArray &raw)
{
    std::unique_ptr<struct uchardet, decltype(&uchardet_delete)> detector(uchardet_new(), uchardet_delete);
    if (!detector || uchardet_handle_data(detector.get(), raw.constData(), size_t(raw.size())) != 0)
        return QByteArray();
    uchardet_data_end(detector.get());
    return QByteArray(uchardet_get_charset(detector.get()));
}

SubtitleText::Result SubtitleText::readAsUtf8(const QString &path)
{
    Result result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug().noquote() << "SubtitleText: cannot open" << path << file.errorString();
        return result;
    }
    if (file.size() > kMaxConvertBytes) {
        qDebug().noquote() << "SubtitleText: too large to convert, served as it is:" << path << file.size();
        result.outcome = Outcome::TooLarge;
        return result;
    }
    const QByteArray raw = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        qDebug().noquote() << "SubtitleText: read error" << path << file.errorString();
        return result;
    }
    return toUtf8(raw, path);
}

SubtitleText::Result SubtitleText::toUtf8(const QByteArray &raw, const QString &name)
{
    Result result;
    result.bytes = raw;
    if (isValidUtf8(raw)) {
        result.outcome = Outcome::Utf8;
        return result;
    }
    QByteArray charset = detectCharset(raw);
    if (charset.isEmpty()) {
        qDebug().noquote() << "SubtitleText: charset not determined, served as it is:" << name;
        result.outcome = Outcome::Undetected;
        return result;
    }
    // Bytes 0x80-0x9F are controls in ISO-8859-1/-2 and never text; with them
    // the file is the Windows charset that short texts get mistaken for.
    static const QMap<QByteArray, QByteArray> windowsSuperset = {
        {"ISO-8859-1", "WINDOWS-1252"}, {"ISO-8859-2", "WINDOWS-1250"}, {"ISO-8859-9", "WINDOWS-1254"}};
    const bool hasC1 = std::any_of(raw.cbegin(), raw.cend(), [](char c) { return uchar(c) >= 0x80 && uchar(c) <= 0x9F; });
    if (hasC1 && windowsSuperset.contains(charset))
        charset = windowsSuperset.value(charset);
    QByteArray text;
    if (!convertToUtf8(raw, charset, text)) {
        qDebug().noquote() << "SubtitleText: not convertible from" << charset
                           << ", served as it is:" << name;
        result.outcome = Outcome::ConversionFailed;
        return result;
    }
    dropUtf8Bom(text);
    result.outcome = Outcome::Converted;
    result.bytes = text;
    return result;
}

QByteArray SubtitleText::srtToVtt(const QByteArray &utf8)
{
    QByteArray text = utf8;
    dropUtf8Bom(text);
    if (text.startsWith("WEBVTT"))
        return utf8;
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    // SRT writes 00:00:01,500; WebVTT 00:00:01.500.
    static const QRegularExpression timing(
        QStringLiteral("^(\\s*\\d+:\\d{2}:\\d{2})[,.](\\d{3}\\s*-->\\s*\\d+:\\d{2}:\\d{2})[,.](\\d{3})"));
    QByteArray out("WEBVTT\n\n");
    out.reserve(text.size() + 16);
    const QList<QByteArray> lines = text.split('\n');
    bool leading = true;
    for (const QByteArray &line : lines) {
        if (leading && line.trimmed().isEmpty())
            continue;
        leading = false;
        if (line.contains("-->")) {
            QString s = QString::fromUtf8(line);
            s.replace(timing, QStringLiteral("\\1.\\2.\\3"));
            out += s.toUtf8();
        } else {
            out += line;
        }
        out += '\n';
    }
    // split() leaves one empty piece after a final newline.
    if (!leading && text.endsWith('\n'))
        out.chop(1);
    return out;
}

void SubtitleText::reply(const QPointer<HttpServer::Session> &session, const QString &path, bool asVtt,
                         qint64 s, qint64 e)
{
    const Result text = readAsUtf8(path);
    if (!session)
        return;
    if (text.outcome == Outcome::Unreadable) {
        session->replyError(404);
    } else if (asVtt && text.outcome == Outcome::TooLarge) {
        qDebug().noquote() << "SubtitleText: no WebVTT rendering of a file this large:" << path;
        session->replyError(404);
    } else if (asVtt) {
        // Bytes of an unknown charset still make cues a browser can time.
        session->replyBytes(srtToVtt(text.bytes), "text/vtt; charset=utf-8", s, e);
    } else if (text.converted()) {
        session->replyBytes(text.bytes, "application/octet-stream", s, e);
    } else {
        session->replyFile(path, s, e);
    }
}
