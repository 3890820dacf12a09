#include "dlna/dlnaformat.h"

#include <QFileInfo>
#include <QHash>
#include <QMimeDatabase>

namespace {
// DLNA.ORG_FLAGS: streaming and background transfer, connection stall,
// DLNA 1.5; the 24 trailing zeros are reserved.
const char kFlags[] = "01700000000000000000000000000000";

QString lowerSuffix(const QString &path) { return QFileInfo(path).suffix().toLower(); }
}

QString DlnaFormat::videoMime(const QString &filePath)
{
    // Renderers match these exact strings; the MIME database calls a .ts file
    // a translation catalogue and knows no DLNA spelling.
    static const QHash<QString, QString> known = {
        {QStringLiteral("mp4"), QStringLiteral("video/mp4")},
        {QStringLiteral("m4v"), QStringLiteral("video/mp4")},
        {QStringLiteral("mkv"), QStringLiteral("video/x-matroska")},
        {QStringLiteral("webm"), QStringLiteral("video/webm")},
        {QStringLiteral("avi"), QStringLiteral("video/x-msvideo")},
        {QStringLiteral("mov"), QStringLiteral("video/quicktime")},
        {QStringLiteral("ts"), QStringLiteral("video/mp2t")},
        {QStringLiteral("m2ts"), QStringLiteral("video/mp2t")},
        {QStringLiteral("mpg"), QStringLiteral("video/mpeg")},
        {QStringLiteral("mpeg"), QStringLiteral("video/mpeg")},
        {QStringLiteral("wmv"), QStringLiteral("video/x-ms-wmv")},
        {QStringLiteral("flv"), QStringLiteral("video/x-flv")},
    };
    const auto it = known.constFind(lowerSuffix(filePath));
    if (it != known.constEnd())
        return it.value();
    const QString guess = QMimeDatabase().mimeTypeForFile(filePath, QMimeDatabase::MatchExtension).name();
    return guess.startsWith(QLatin1String("video/")) ? guess : QStringLiteral("video/mpeg");
}

QString DlnaFormat::subtitleMime(const QString &fileName)
{
    const QString suffix = lowerSuffix(fileName);
    if (suffix == QLatin1String("srt"))
        return QStringLiteral("text/srt");
    if (suffix == QLatin1String("vtt"))
        return QStringLiteral("text/vtt");
    if (suffix == QLatin1String("ass") || suffix == QLatin1String("ssa"))
        return QStringLiteral("text/x-ssa");
    return QString();
}

QString DlnaFormat::fourthField(const QString &dlnaProfile)
{
    QString field;
    if (!dlnaProfile.isEmpty())
        field = QStringLiteral("DLNA.ORG_PN=%1;").arg(dlnaProfile);
    return field + QStringLiteral("DLNA.ORG_OP=01;DLNA.ORG_CI=0;DLNA.ORG_FLAGS=") + QLatin1String(kFlags);
}

QString DlnaFormat::protocolInfo(const QString &mime, const QString &dlnaProfile)
{
    return QStringLiteral("http-get:*:%1:%2").arg(mime, fourthField(dlnaProfile));
}

QString DlnaFormat::durationText(qint64 milliseconds)
{
    if (milliseconds < 0)
        milliseconds = 0;
    const qint64 seconds = milliseconds / 1000;
    return QStringLiteral("%1:%2:%3.%4")
        .arg(seconds / 3600)
        .arg((seconds / 60) % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'))
        .arg(milliseconds % 1000, 3, 10, QLatin1Char('0'));
}

DlnaFormat::Headers DlnaFormat::videoReplyHeaders(const QMap<QString, QString> &requestHeaders,
                                                  const QString &filePath)
{
    // Header names arrive in whatever case the client wrote them.
    bool dlnaClient = false;
    for (auto it = requestHeaders.constBegin(); it != requestHeaders.constEnd(); ++it) {
        const QString name = it.key().trimmed().toLower();
        if (name == QLatin1String("transfermode.dlna.org")
            || (name == QLatin1String("getcontentfeatures.dlna.org") && it.value().trimmed() == QLatin1String("1")))
            dlnaClient = true;
    }
    if (!dlnaClient)
        return {};
    return {{QByteArrayLiteral("Content-Type"), videoMime(filePath).toLatin1()},
            {QByteArrayLiteral("transferMode.dlna.org"), QByteArrayLiteral("Streaming")},
            {QByteArrayLiteral("contentFeatures.dlna.org"), fourthField().toLatin1()}};
}
