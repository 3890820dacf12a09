#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>

// What DLNA renderers are told about a file: its MIME type, the protocolInfo
// of its res element, and the headers the video route adds for them.
namespace DlnaFormat {

// The MIME type a renderer is given for a video file, by its extension.
QString videoMime(const QString &filePath);
// The MIME type of a subtitle file, or empty when renderers have none for it.
QString subtitleMime(const QString &fileName);

// The fourth field of protocolInfo: byte seeking, streaming, DLNA 1.5.
QString fourthField(const QString &dlnaProfile = QString());
QString protocolInfo(const QString &mime, const QString &dlnaProfile = QString());

// H:MM:SS.mmm, as res@duration wants it.
QString durationText(qint64 milliseconds);

using Headers = QList<QPair<QByteArray, QByteArray>>;
// The headers a /video reply adds for a DLNA client: transferMode and
// contentFeatures, and the Content-Type that matches the protocolInfo.
// Empty for any other client (the headset app gets exactly what it always did).
Headers videoReplyHeaders(const QMap<QString, QString> &requestHeaders, const QString &filePath);

} // namespace DlnaFormat
