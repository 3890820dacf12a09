#include "videolibraryfile.h"

#include "library/corvanevideoinfo.h"
#include "library/videolisttext.h"
#include "settings/session.h"

#include <QDataStream>
#include <QDebug>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>
#include <QtEndian>

namespace {

constexpr quint32 nullArrayLength = 0xFFFFFFFFu;

// Offset just past the last whole record, walking the length fields only.
qint64 endOfWholeRecords(QFile &file)
{
    const qint64 size = file.size();
    qint64 pos = 0;
    while (size - pos >= 4) {
        uchar raw[4];
        if (!file.seek(pos) || file.read(reinterpret_cast<char *>(raw), 4) != 4)
            break;
        const quint32 length = qFromBigEndian<quint32>(raw);
        if (length == nullArrayLength) {
            pos += 4;
            continue;
        }
        if (qint64(length) > size - pos - 4)
            break;
        pos += 4 + qint64(length);
    }
    return pos;
}

bool writeWhole(QSaveFile &file, const QByteArray &bytes)
{
    // QSaveFile buffers: a write that does not fit (full disk, file-size
    // limit) fails only when the buffer is flushed, and commit() does not
    // report that. Flushed here, so such a rewrite is refused.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        qWarning() << "library file: write failed" << file.fileName() << file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

} // namespace

QString VideoLibraryFile::libraryFileName()
{
    return QStringLiteral("corvanevideo.dat");
}

QString VideoLibraryFile::jsonFileName()
{
    return QStringLiteral("corvanevideojson.json");
}

VideoLibraryFile::VideoLibraryFile(const QString &folder) : m_folder(folder) {}

QString VideoLibraryFile::folder() const
{
    return m_folder.isEmpty() ? Session::instance()->getDataPath() : m_folder;
}

QString VideoLibraryFile::filePath() const
{
    // No data folder: no file (never one at the root of the file system).
    const QString where = folder();
    return where.isEmpty() ? QString() : where + QLatin1Char('/') + libraryFileName();
}

QString VideoLibraryFile::jsonFilePath() const
{
    const QString where = folder();
    return where.isEmpty() ? QString() : where + QLatin1Char('/') + jsonFileName();
}

QByteArray VideoLibraryFile::encodeRecord(const QString &itemText)
{
    const QByteArray utf8 = itemText.toUtf8();
    QByteArray record;
    QDataStream out(&record, QIODevice::WriteOnly);
    // constData() is NUL-terminated: length + 1 bytes carry the 0x00 too,
    // exactly what the stream writes for a const char *.
    out.writeBytes(utf8.constData(), uint(utf8.size()) + 1);
    return record;
}

bool VideoLibraryFile::readTexts(QStringList *texts) const
{
    QFile file(filePath());
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug() << "library file: cannot open" << file.fileName() << file.errorString();
        return false;
    }
    QDataStream in(&file);
    in.setVersion(QDataStream::Qt_5_2); // stream version 15

    int recordNumber = 0;
    while (!in.atEnd()) {
        const qint64 remaining = file.size() - file.pos();
        if (remaining < 4) {
            qWarning() << "library file: torn record" << recordNumber << "at the end of" << file.fileName()
                       << "(" << remaining << "stray bytes), ignored";
            break;
        }
        quint32 length = 0;
        in >> length;
        if (length == nullArrayLength) {
            qWarning() << "library file: null record" << recordNumber << "in" << file.fileName() << ", skipped";
            ++recordNumber;
            continue;
        }
        // A length past the end is a torn or corrupt record; it is never
        // allocated and ends the read (what follows cannot be framed).
        if (qint64(length) > remaining - 4) {
            qWarning() << "library file: record" << recordNumber << "of" << file.fileName() << "claims" << length
                       << "bytes but only" << (remaining - 4) << "remain; it and anything after it are ignored";
            break;
        }
        QByteArray bytes(int(length), Qt::Uninitialized);
        if (in.readRawData(bytes.data(), int(length)) != int(length)) {
            qWarning() << "library file: read failed in record" << recordNumber << file.errorString();
            break;
        }
        const int nul = bytes.indexOf('\0');
        texts->append(QString::fromUtf8(bytes.constData(), nul < 0 ? bytes.size() : nul));
        ++recordNumber;
    }
    return true;
}

bool VideoLibraryFile::load(QStringList *itemTexts, QList<CorvaneVideoInfo *> *records) const
{
    QStringList stored;
    if (!readTexts(&stored))
        return false;
    for (const QString &text : qAsConst(stored)) {
        bool isObject = false;
        const QJsonObject object = VideoListText::getJsonObjectFromString(text, &isObject);
        if (!isObject || object.isEmpty()) {
            // Kept out of the published list, which would otherwise stop
            // being JSON and hide every other video from the headset; an
            // empty object names no video and would stand in the list
            // without a record behind it.
            qWarning() << "library file: record is not a video's JSON object, left out:" << text.left(200);
            continue;
        }
        itemTexts->append(text);
        if (CorvaneVideoInfo *info = VideoListText::videoInfoFromJson(object, records->size()))
            records->append(info);
    }
    return true;
}

bool VideoLibraryFile::appendRecord(const CorvaneVideoInfo *info, bool first, QStringList *itemTexts) const
{
    if (!info)
        return false;
    const QString text = VideoListText::videoInfoToJsonText(info);
    const QByteArray record = encodeRecord(text);
    const QString path = filePath();

    if (first) {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            qWarning() << "library file: cannot open for writing" << path << file.errorString();
            return false;
        }
        if (!writeWhole(file, record) || !file.commit()) {
            qWarning() << "library file: cannot replace" << path << file.errorString();
            return false;
        }
    } else {
        QFile file(path);
        // Unbuffered, so a failed write is known at once and nothing is
        // left in a buffer to be written after the cut-back below.
        if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
            qWarning() << "library file: cannot open for appending" << path << file.errorString();
            return false;
        }
        const qint64 size = file.size();
        const qint64 whole = endOfWholeRecords(file);
        if (whole != size) {
            // A torn tail would swallow the new record; keep the whole
            // records and put the new one right after them, in one step.
            qWarning() << "library file:" << (size - whole) << "bytes of a torn record at the end of" << path
                       << "are dropped before appending";
            if (!file.seek(0)) {
                qWarning() << "library file: cannot read" << path << file.errorString();
                return false;
            }
            const QByteArray kept = file.read(whole);
            file.close();
            if (kept.size() != whole) {
                qWarning() << "library file: cannot read" << path << file.errorString();
                return false;
            }
            QSaveFile replacement(path);
            if (!replacement.open(QIODevice::WriteOnly) || !writeWhole(replacement, kept + record)
                || !replacement.commit()) {
                qWarning() << "library file: cannot repair" << path << replacement.errorString();
                return false;
            }
        } else {
            if (!file.seek(size)) {
                qWarning() << "library file: cannot seek" << path << file.errorString();
                return false;
            }
            const qint64 written = file.write(record);
            const bool flushed = file.flush();
            if (written != record.size() || !flushed) {
                qWarning() << "library file: append failed" << path << file.errorString();
                // Leave no half record behind (disk full): cut back.
                file.resize(size);
                return false;
            }
        }
    }
    if (itemTexts)
        itemTexts->append(text);
    return true;
}

bool VideoLibraryFile::rewrite(const QList<CorvaneVideoInfo *> &records, QStringList *itemTexts) const
{
    itemTexts->clear();
    QByteArray bytes;
    int position = 0;
    for (CorvaneVideoInfo *info : records) {
        if (!info)
            continue;
        info->index = position++;
        const QString text = VideoListText::videoInfoToJsonText(info);
        itemTexts->append(text);
        bytes += encodeRecord(text);
    }

    const QString path = filePath();
    if (itemTexts->isEmpty()) {
        if (QFile::exists(path) && !QFile::remove(path)) {
            qWarning() << "library file: cannot remove" << path;
            return false;
        }
        return true;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qWarning() << "library file: cannot open for rewriting" << path << file.errorString();
        return false;
    }
    if (!writeWhole(file, bytes) || !file.commit()) {
        qWarning() << "library file: rewrite failed, previous library kept" << path << file.errorString();
        return false;
    }
    return true;
}

bool VideoLibraryFile::writeJsonExport(const QStringList &itemTexts) const
{
    QSaveFile file(jsonFilePath());
    if (!file.open(QIODevice::WriteOnly)) {
        qDebug() << "library export: cannot open" << file.fileName() << file.errorString();
        return false;
    }
    {
        QTextStream out(&file);
        out << VideoListText::buildVideoListText(itemTexts) << "\n";
        out.flush();
        if (out.status() != QTextStream::Ok) {
            qDebug() << "library export: write failed" << file.fileName() << file.errorString();
            file.cancelWriting();
            return false;
        }
    }
    if (!file.commit()) {
        qDebug() << "library export: cannot replace" << file.fileName() << file.errorString();
        return false;
    }
    return true;
}
