#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class CorvaneVideoInfo;

// The library file "corvanevideo.dat" and its export "corvanevideojson.json"
// in one folder (the data folder by default).
//
// corvanevideo.dat is a bare sequence of records, each a NUL-terminated byte
// string as QDataStream writes it: 32-bit big-endian length N (UTF-8 bytes of
// the item text + 1), the text, 0x00. No header, no count.
//
// Robustness: a rewrite goes through a temporary file that replaces the old
// one in one step, so a crash or a full disk leaves the previous library
// whole. A torn or corrupt record costs that record only (a length that runs
// past the end of the file stops the reader without allocating it), and an
// append after a torn tail first cuts the tail off so the new record stays
// readable.
class VideoLibraryFile
{
public:
    static QString libraryFileName(); // "corvanevideo.dat"
    static QString jsonFileName();    // "corvanevideojson.json"

    // folder empty: the data folder of Session (resolved on each call).
    explicit VideoLibraryFile(const QString &folder = QString());

    QString folder() const;
    QString filePath() const;     // folder + "/corvanevideo.dat"
    QString jsonFilePath() const; // folder + "/corvanevideojson.json"

    // Reads the stored item texts in file order. Returns false when the file
    // cannot be opened (normally: no library yet); an existing empty file
    // gives true and no texts. Records that are torn, null or corrupt are
    // skipped with a warning.
    bool readTexts(QStringList *texts) const;

    // The start-up load. Fills itemTexts with the stored texts (served
    // unchanged until the next rewrite) and records with new records the
    // caller owns, index 0, 1, 2, ... whatever was stored. A text that does
    // not parse as a JSON object is logged and left out of both lists, so
    // the published list stays valid JSON; the next rewrite drops it from
    // the file. Returns false when the file cannot be opened.
    bool load(QStringList *itemTexts, QList<CorvaneVideoInfo *> *records) const;

    // Appends one record (nothing for nullptr). first = true replaces the
    // whole file by this one record. On success the item text is appended to
    // itemTexts (when given); when the file cannot be written nothing is
    // appended and false is returned.
    bool appendRecord(const CorvaneVideoInfo *info, bool first, QStringList *itemTexts = nullptr) const;

    // Writes the records as the whole new library: sets each record's index
    // to its position, replaces itemTexts by their texts and swaps the file
    // in one step. An empty list removes the file. Returns false (the old
    // file left as it was) when the new file cannot be written; itemTexts
    // still follows the records, since the published list must not offer
    // videos the user has just deleted.
    bool rewrite(const QList<CorvaneVideoInfo *> &records, QStringList *itemTexts) const;

    // Writes the list text and "\n" to corvanevideojson.json through a text
    // stream with the locale's codec; false (and nothing changed) on failure.
    bool writeJsonExport(const QStringList &itemTexts) const;

    // One record as stored: length, UTF-8 text, 0x00.
    static QByteArray encodeRecord(const QString &itemText);

private:
    QString m_folder;
};
