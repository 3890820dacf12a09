#include "videolisttext.h"

#include "library/corvanevideoinfo.h"

#include <QDebug>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>

namespace {

// One key/value pair: "key":"value" with the value escaped.
QString pair(const char *key, const QString &value, const char *valuePrefix = "")
{
    return QLatin1Char('"') + QLatin1String(key) + QLatin1String("\":\"") + QLatin1String(valuePrefix)
        + VideoListText::escapeJsonValue(value) + QLatin1Char('"');
}

int decimalOrZero(const QJsonValue &value)
{
    bool ok = false;
    const int number = value.toString().toInt(&ok, 10);
    return ok ? number : 0;
}

} // namespace

QString VideoListText::escapeJsonValue(const QString &value)
{
    // Fast path: ordinary names stay byte-identical.
    bool plain = true;
    for (const QChar c : value) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\') || c.unicode() < 0x20 || c.isSurrogate()) {
            plain = false;
            break;
        }
    }
    if (plain)
        return value;

    QString out;
    out.reserve(value.size() + 8);
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        // A surrogate without its partner has no UTF-8 form: written raw it
        // would come back from the file as something else. Escaped, it reads
        // back as itself.
        if (c.isHighSurrogate() && i + 1 < value.size() && value.at(i + 1).isLowSurrogate()) {
            out += c;
            out += value.at(++i);
            continue;
        }
        if (c.isSurrogate()) {
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            continue;
        }
        switch (c.unicode()) {
        case '"': out += QLatin1String("\\\""); break;
        case '\\': out += QLatin1String("\\\\"); break;
        case '\b': out += QLatin1String("\\b"); break;
        case '\f': out += QLatin1String("\\f"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '\t': out += QLatin1String("\\t"); break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    return out;
}

QString VideoListText::videoInfoToJsonText(const CorvaneVideoInfo *info)
{
    if (!info)
        return QString();
    return QLatin1Char('{') + pair("index", QString::number(info->index)) + QLatin1Char(',')
        + pair("poster", info->poster) + QLatin1Char(',')
        + pair("video", info->video) + QLatin1Char(',')
        + pair("size", QString::number(info->size)) + QLatin1Char(',')
        + pair("length", QString::number(info->length)) + QLatin1Char(',')
        + pair("videopathreal", info->videoPathReal) + QLatin1Char(',')
        + pair("posterpathreal", info->posterPathReal) + QLatin1Char(',')
        + pair("videopath", info->videoPath, "video/") + QLatin1Char(',')
        + pair("posterpath", info->posterPath, "post/") + QLatin1Char('}');
}

QString VideoListText::buildVideoListText(const QStringList &itemTexts)
{
    return QStringLiteral("{\"number\":\"%1\",\"items\": [").arg(itemTexts.size())
        + itemTexts.join(QLatin1Char(',')) + QLatin1String("]}");
}

QJsonObject VideoListText::getJsonObjectFromString(const QString &text, bool *isObject)
{
    const QByteArray utf8 = text.toUtf8();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(utf8, &error);
    if (document.isNull())
        qDebug().nospace().noquote() << "===> please check the string " << utf8;
    if (isObject)
        *isObject = document.isObject();
    return document.object();
}

CorvaneVideoInfo *VideoListText::videoInfoFromJson(const QJsonObject &object, int index)
{
    if (object.isEmpty())
        return nullptr;
    auto *info = new CorvaneVideoInfo;
    info->videoPath = object.value(QLatin1String("videopath")).toString().mid(6);
    info->videoPathReal = object.value(QLatin1String("videopathreal")).toString();
    info->index = index;
    info->video = object.value(QLatin1String("video")).toString();
    info->length = decimalOrZero(object.value(QLatin1String("length")));
    info->size = decimalOrZero(object.value(QLatin1String("size")));
    info->posterPath = object.value(QLatin1String("posterpath")).toString().mid(5);
    info->poster = object.value(QLatin1String("poster")).toString();
    info->posterPathReal = object.value(QLatin1String("posterpathreal")).toString();
    return info;
}

QJsonObject VideoListText::buildLibraryJson(const QStringList &itemTexts)
{
    return getJsonObjectFromString(buildVideoListText(itemTexts));
}
