#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

class CorvaneVideoInfo;

// The two texts built from the library: the item text of one video and the
// list text of the whole library, and their way back into records.
//
// Values are JSON-escaped (quote, backslash, control characters), so one odd
// file name cannot make the whole published list invalid; texts of ordinary
// names are byte-identical to the unescaped layout.
class VideoListText
{
public:
    // {"index":"3","poster":"...","video":"...","size":"2048","length":"95",
    //  "videopathreal":"...","posterpathreal":"...","videopath":"video/<id>",
    //  "posterpath":"post/<id>"}  -- empty for a null record.
    static QString videoInfoToJsonText(const CorvaneVideoInfo *info);

    // {"number":"<n>","items": [<text>,<text>,...]}
    static QString buildVideoListText(const QStringList &itemTexts);

    // Parses the UTF-8 form of text. A null document is logged (debug)
    // as "===> please check the string <text>"; the document's object is
    // returned in every case (empty on failure). isObject, when given, tells
    // whether the text was a JSON object at all (an empty object is one).
    static QJsonObject getJsonObjectFromString(const QString &text, bool *isObject = nullptr);

    // A new record (caller owns it) from an item object, or nullptr for an
    // empty object. "videopath"/"posterpath" lose their "video/"/"post/"
    // prefixes; "length"/"size" that are not decimal strings give 0; index
    // is set to the given value (the caller's current list size).
    static CorvaneVideoInfo *videoInfoFromJson(const QJsonObject &object, int index);

    // The list text parsed: the library JSON object the page publishes.
    static QJsonObject buildLibraryJson(const QStringList &itemTexts);

    // The value as it goes between the quotes of a JSON string.
    static QString escapeJsonValue(const QString &value);
};
