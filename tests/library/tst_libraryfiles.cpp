#include "tst_libraryfiles.h"

#include "library/corvanevideoinfo.h"
#include "library/videoid.h"
#include "library/videolibraryfile.h"
#include "library/videolisttext.h"
#include "processes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QTextCodec>
#include <QtEndian>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

namespace {

std::unique_ptr<CorvaneVideoInfo> makeRecord(const QString &id, const QString &name, int index = 0,
                                             int size = 2048, int length = 95,
                                             const QString &folder = QStringLiteral("/home/user/Videos"))
{
    auto info = std::make_unique<CorvaneVideoInfo>();
    info->videoPath = id;
    info->videoPathReal = folder + QLatin1Char('/') + name;
    info->index = index;
    info->video = name;
    info->length = length;
    info->size = size;
    info->posterPath = id;
    info->poster = id + QStringLiteral(".png");
    info->posterPathReal = QStringLiteral("/home/user/.local/share/NuvoVR/Brindlecast/videoPictures/") + info->poster;
    return info;
}

// The item text straight from the template table, without escaping.
QString templateText(const CorvaneVideoInfo &info)
{
    const struct { const char *templ; const char *key; QString value; } rows[] = {
        {"{\"%1\":\"%2\",", "index", QString::number(info.index)},
        {"\"%1\":\"%2\",", "poster", info.poster},
        {"\"%1\":\"%2\",", "video", info.video},
        {"\"%1\":\"%2\",", "size", QString::number(info.size)},
        {"\"%1\":\"%2\",", "length", QString::number(info.length)},
        {"\"%1\":\"%2\",", "videopathreal", info.videoPathReal},
        {"\"%1\":\"%2\",", "posterpathreal", info.posterPathReal},
        {"\"%1\":\"video/%2\",", "videopath", info.videoPath},
        {"\"%1\":\"post/%2\"}", "posterpath", info.posterPath},
    };
    QString text;
    for (const auto &row : rows) {
        QString pair = QString::fromLatin1(row.templ);
        pair.replace(QLatin1String("%1"), QLatin1String(row.key));
        const int at = pair.indexOf(QLatin1String("%2"));
        pair.replace(at, 2, row.value);
        text += pair;
    }
    return text;
}

QByteArray lengthField(quint32 length)
{
    QByteArray raw(4, '\0');
    qToBigEndian(length, reinterpret_cast<uchar *>(raw.data()));
    return raw;
}

struct OwnedRecords {
    QList<CorvaneVideoInfo *> list;
    ~OwnedRecords() { qDeleteAll(list); }
};

// Caps the process's address space a little above what it uses now, so a
// reader that tried to allocate a 4 GiB record would fail loudly.
class AddressSpaceCap
{
public:
    AddressSpaceCap()
    {
        getrlimit(RLIMIT_AS, &m_saved);
        QFile statm(QStringLiteral("/proc/self/statm"));
        if (!statm.open(QIODevice::ReadOnly))
            return;
        const qint64 pages = statm.readAll().split(' ').value(0).toLongLong();
        rlimit cap = m_saved;
        cap.rlim_cur = rlim_t(pages * sysconf(_SC_PAGESIZE) + (512LL << 20));
        m_active = setrlimit(RLIMIT_AS, &cap) == 0;
    }
    ~AddressSpaceCap() { setrlimit(RLIMIT_AS, &m_saved); }
    bool active() const { return m_active; }

private:
    rlimit m_saved{};
    bool m_active = false;
};

QList<CorvaneVideoInfo *> bigLibrary(QChar tag, int count)
{
    QList<CorvaneVideoInfo *> list;
    for (int i = 0; i < count; ++i) {
        const QString id = QString::number(1607300000000LL + i);
        list.append(makeRecord(id, QStringLiteral("%1-%2 a rather long video file name to fill the record.mp4")
                                       .arg(tag).arg(i, 5, 10, QLatin1Char('0')),
                               i)
                        .release());
    }
    return list;
}

} // namespace

void TestLibraryFiles::init()
{
    m_dir = new QTemporaryDir;
    QVERIFY(m_dir->isValid());
    m_folder = m_dir->path();
}

void TestLibraryFiles::cleanup()
{
    delete m_dir;
    m_dir = nullptr;
}

void TestLibraryFiles::itemTextOfExampleRecord()
{
    const auto info = makeRecord(QStringLiteral("1607300000042"), QStringLiteral("Trip.mp4"), 3, 2048, 95);
    const QString text = VideoListText::videoInfoToJsonText(info.get());
    QCOMPARE(text, QStringLiteral(
        "{\"index\":\"3\",\"poster\":\"1607300000042.png\",\"video\":\"Trip.mp4\",\"size\":\"2048\","
        "\"length\":\"95\",\"videopathreal\":\"/home/user/Videos/Trip.mp4\","
        "\"posterpathreal\":\"/home/user/.local/share/NuvoVR/Brindlecast/videoPictures/1607300000042.png\","
        "\"videopath\":\"video/1607300000042\",\"posterpath\":\"post/1607300000042\"}"));
    QVERIFY(text.contains(QLatin1String("\"index\":\"3\"")));
    QVERIFY(text.contains(QLatin1String("\"size\":\"2048\"")));
    QVERIFY(text.contains(QLatin1String("\"length\":\"95\"")));
    QVERIFY(text.endsWith(QLatin1Char('}')));
    const QJsonObject object = QJsonDocument::fromJson(text.toUtf8()).object();
    QCOMPARE(object.value(QLatin1String("videopath")).toString(), QStringLiteral("video/1607300000042"));
}

void TestLibraryFiles::itemTextOfNullRecord()
{
    QVERIFY(VideoListText::videoInfoToJsonText(nullptr).isEmpty());
}

void TestLibraryFiles::plainNamesAreByteIdentical_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("ascii") << QStringLiteral("Holiday 2019 (final).mp4");
    QTest::newRow("percent placeholders") << QStringLiteral("a%1b%2c.mkv");
    QTest::newRow("braces and quotes'") << QStringLiteral("it's {x} [y].avi");
    QTest::newRow("latin") << QStringLiteral("Reise nach K\u00f6ln.webm");
    QTest::newRow("cjk") << QStringLiteral("\u65e5\u672c\u8a9e\u306e\u52d5\u753b.mov");
    QTest::newRow("emoji") << QStringLiteral("clip \U0001F3AC.mp4");
}

void TestLibraryFiles::plainNamesAreByteIdentical()
{
    QFETCH(QString, name);
    const auto info = makeRecord(QStringLiteral("1607300000042"), name, 7, 12, 34);
    const QString text = VideoListText::videoInfoToJsonText(info.get());
    QCOMPARE(text.toUtf8(), templateText(*info).toUtf8());
}

void TestLibraryFiles::oddNamesStillGiveValidJson_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("quote") << QStringLiteral("The \"best\" cut.mp4");
    QTest::newRow("backslash") << QStringLiteral("back\\slash\\.mp4");
    QTest::newRow("trailing backslash") << QStringLiteral("odd\\");
    QTest::newRow("newline and tab") << QStringLiteral("two\nlines\tand tab.mkv");
    QTest::newRow("control characters") << QStringLiteral("bell\x07 esc\x1b unit\x1f.avi");
    QTest::newRow("everything") << QStringLiteral("\"\\\"\\\\\b\f\r.mp4");
    // Only a damaged library file can hold these; they must survive a rewrite.
    QTest::newRow("lone low surrogate") << QString(QChar(0xdddd)) + QStringLiteral("x.mp4");
    QTest::newRow("lone high surrogate last") << QStringLiteral("x") + QChar(0xd83c);
}

void TestLibraryFiles::oddNamesStillGiveValidJson()
{
    QFETCH(QString, name);
    const auto plain = makeRecord(QStringLiteral("1607300000001"), QStringLiteral("plain.mp4"), 0);
    const auto odd = makeRecord(QStringLiteral("1607300000002"), name, 1, 5, 6,
                                QStringLiteral("/home/user/") + name + QStringLiteral(" folder"));
    const QStringList texts{VideoListText::videoInfoToJsonText(plain.get()),
                            VideoListText::videoInfoToJsonText(odd.get())};
    const QString list = VideoListText::buildVideoListText(texts);

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(list.toUtf8(), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonObject library = VideoListText::buildLibraryJson(texts);
    QCOMPARE(library.value(QLatin1String("number")).toString(), QStringLiteral("2"));
    const QJsonArray items = library.value(QLatin1String("items")).toArray();
    QCOMPARE(items.size(), 2);
    QCOMPARE(items.at(0).toObject().value(QLatin1String("video")).toString(), QStringLiteral("plain.mp4"));

    // The values come back exactly as they were.
    const std::unique_ptr<CorvaneVideoInfo> back(VideoListText::videoInfoFromJson(items.at(1).toObject(), 1));
    QVERIFY(back);
    QCOMPARE(back->video, name);
    QCOMPARE(back->videoPathReal, odd->videoPathReal);
    QVERIFY(*back == *odd);
}

void TestLibraryFiles::listTextOfTwoVideos()
{
    const auto first = makeRecord(QStringLiteral("1607300000001"), QStringLiteral("one.mp4"), 0, 100, 10);
    const auto second = makeRecord(QStringLiteral("1607300000002"), QStringLiteral("two.mkv"), 1, 200, 20);
    const QStringList texts{VideoListText::videoInfoToJsonText(first.get()),
                            VideoListText::videoInfoToJsonText(second.get())};
    const QString list = VideoListText::buildVideoListText(texts);
    QCOMPARE(list, QStringLiteral("{\"number\":\"2\",\"items\": [") + texts.at(0) + QLatin1Char(',') + texts.at(1)
                 + QStringLiteral("]}"));
    QVERIFY(list.startsWith(QLatin1String("{\"number\":\"2\",\"items\": [")));
    QVERIFY(list.endsWith(QLatin1String("}]}")));

    const QJsonObject library = VideoListText::buildLibraryJson(texts);
    const QJsonArray items = library.value(QLatin1String("items")).toArray();
    QCOMPARE(items.size(), 2);
    QCOMPARE(items.at(1).toObject().value(QLatin1String("videopath")).toString(),
             QStringLiteral("video/1607300000002"));
    // The routes serve the compact form with sorted keys.
    const QByteArray served = QJsonDocument(library).toJson(QJsonDocument::Compact);
    QVERIFY(served.startsWith("{\"items\":[{\"index\":\"0\",\"length\":\"10\",\"poster\":\"1607300000001.png\""));
    QVERIFY(served.endsWith("],\"number\":\"2\"}"));
}

void TestLibraryFiles::listTextOfEmptyLibrary()
{
    QCOMPARE(VideoListText::buildVideoListText({}), QStringLiteral("{\"number\":\"0\",\"items\": []}"));
    const QJsonObject library = VideoListText::buildLibraryJson({});
    QCOMPARE(library.value(QLatin1String("number")).toString(), QStringLiteral("0"));
    QVERIFY(library.value(QLatin1String("items")).isArray());
    QVERIFY(library.value(QLatin1String("items")).toArray().isEmpty());
}

void TestLibraryFiles::invalidTextGivesEmptyObjectAndLog()
{
    QTest::ignoreMessage(QtDebugMsg, "===> please check the string {\"index\":\"1\",");
    bool isObject = true;
    QVERIFY(VideoListText::getJsonObjectFromString(QStringLiteral("{\"index\":\"1\","), &isObject).isEmpty());
    QVERIFY(!isObject);

    // An array is a document but no object: empty, without the log line.
    QVERIFY(VideoListText::getJsonObjectFromString(QStringLiteral("[1,2]"), &isObject).isEmpty());
    QVERIFY(!isObject);
    const QJsonObject object = VideoListText::getJsonObjectFromString(QStringLiteral("{\"a\":\"b\"}"), &isObject);
    QVERIFY(isObject);
    QCOMPARE(object.value(QLatin1String("a")).toString(), QStringLiteral("b"));
}

void TestLibraryFiles::videoInfoFromJsonValues_data()
{
    QTest::addColumn<QJsonValue>("length");
    QTest::addColumn<QJsonValue>("size");
    QTest::addColumn<int>("expectedLength");
    QTest::addColumn<int>("expectedSize");
    QTest::newRow("decimal strings") << QJsonValue(QStringLiteral("95")) << QJsonValue(QStringLiteral("2048")) << 95
                                     << 2048;
    QTest::newRow("zero") << QJsonValue(QStringLiteral("0")) << QJsonValue(QStringLiteral("0")) << 0 << 0;
    QTest::newRow("letters") << QJsonValue(QStringLiteral("abc")) << QJsonValue(QStringLiteral("12x")) << 0 << 0;
    QTest::newRow("empty") << QJsonValue(QString()) << QJsonValue(QString()) << 0 << 0;
    QTest::newRow("hex is no decimal") << QJsonValue(QStringLiteral("0x10")) << QJsonValue(QStringLiteral("1e3"))
                                       << 0 << 0;
    QTest::newRow("json numbers") << QJsonValue(95) << QJsonValue(2048) << 0 << 0;
    QTest::newRow("missing") << QJsonValue(QJsonValue::Undefined) << QJsonValue(QJsonValue::Undefined) << 0 << 0;
}

void TestLibraryFiles::videoInfoFromJsonValues()
{
    QFETCH(QJsonValue, length);
    QFETCH(QJsonValue, size);
    QFETCH(int, expectedLength);
    QFETCH(int, expectedSize);
    QJsonObject object{{QStringLiteral("index"), QStringLiteral("42")},
                       {QStringLiteral("video"), QStringLiteral("clip.mp4")},
                       {QStringLiteral("videopath"), QStringLiteral("video/1607300000042")},
                       {QStringLiteral("posterpath"), QStringLiteral("post/1607300000042")},
                       {QStringLiteral("videopathreal"), QStringLiteral("/v/clip.mp4")},
                       {QStringLiteral("poster"), QStringLiteral("1607300000042.png")},
                       {QStringLiteral("posterpathreal"), QStringLiteral("/p/1607300000042.png")}};
    if (!length.isUndefined())
        object.insert(QStringLiteral("length"), length);
    if (!size.isUndefined())
        object.insert(QStringLiteral("size"), size);
    const std::unique_ptr<CorvaneVideoInfo> info(VideoListText::videoInfoFromJson(object, 4));
    QVERIFY(info);
    QCOMPARE(info->length, expectedLength);
    QCOMPARE(info->size, expectedSize);
    QCOMPARE(info->index, 4); // the caller's list size, not the stored 42
    QCOMPARE(info->videoPath, QStringLiteral("1607300000042"));
    QCOMPARE(info->posterPath, QStringLiteral("1607300000042"));
    QCOMPARE(info->videoPathReal, QStringLiteral("/v/clip.mp4"));
    QCOMPARE(info->posterPathReal, QStringLiteral("/p/1607300000042.png"));
    QCOMPARE(info->poster, QStringLiteral("1607300000042.png"));
    QCOMPARE(info->video, QStringLiteral("clip.mp4"));
}

void TestLibraryFiles::videoInfoFromEmptyObject()
{
    QVERIFY(VideoListText::videoInfoFromJson(QJsonObject(), 0) == nullptr);
}

void TestLibraryFiles::recordOccupiesTextPlusFiveBytes_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("ascii") << QStringLiteral("Trip.mp4");
    QTest::newRow("two-byte utf-8") << QStringLiteral("K\u00f6ln \u00e9t\u00e9.mkv");
    QTest::newRow("three-byte utf-8") << QStringLiteral("\u65e5\u672c.mov");
    QTest::newRow("four-byte utf-8") << QStringLiteral("\U0001F3AC.mp4");
    QTest::newRow("escaped") << QStringLiteral("q\"b\\.mp4");
}

void TestLibraryFiles::recordOccupiesTextPlusFiveBytes()
{
    QFETCH(QString, name);
    const VideoLibraryFile file(m_folder);
    const auto info = makeRecord(QStringLiteral("1607300000042"), name, 3);
    QStringList texts;
    QVERIFY(file.appendRecord(info.get(), false, &texts));
    QCOMPARE(texts.size(), 1);
    const QByteArray utf8 = texts.first().toUtf8();
    const int t = utf8.size();

    const QByteArray bytes = TestSupport::fileBytes(file.filePath());
    QCOMPARE(bytes.size(), t + 5);
    QCOMPARE(bytes.at(bytes.size() - 1), '\0');
    QCOMPARE(qFromBigEndian<quint32>(reinterpret_cast<const uchar *>(bytes.constData())), quint32(t + 1));
    QCOMPARE(bytes.mid(4, t), utf8);
    QCOMPARE(VideoLibraryFile::encodeRecord(texts.first()), bytes);

    // The same bytes as the data stream writes a NUL-terminated string.
    QByteArray streamed;
    QDataStream stream(&streamed, QIODevice::WriteOnly);
    stream << utf8.constData();
    QCOMPARE(streamed, bytes);
}

void TestLibraryFiles::threeRecordsReadBackInOrder()
{
    const VideoLibraryFile file(m_folder);
    QStringList texts;
    const QStringList names{QStringLiteral("c.mp4"), QStringLiteral("a.mkv"), QStringLiteral("b.avi")};
    const int storedIndex[] = {7, 7, 2};
    for (int i = 0; i < 3; ++i) {
        const auto info = makeRecord(QString::number(1607300000010LL + i), names.at(i), storedIndex[i]);
        QVERIFY(file.appendRecord(info.get(), false, &texts));
    }

    QStringList loadedTexts;
    OwnedRecords records;
    QVERIFY(file.load(&loadedTexts, &records.list));
    QCOMPARE(records.list.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(records.list.at(i)->index, i);
        QCOMPARE(records.list.at(i)->video, names.at(i));
        QCOMPARE(records.list.at(i)->videoPath, QString::number(1607300000010LL + i));
    }
    // The stored texts are served unchanged until the next rewrite.
    QCOMPARE(loadedTexts, texts);
    QVERIFY(loadedTexts.at(1).startsWith(QLatin1String("{\"index\":\"7\"")));
}

void TestLibraryFiles::missingFileIsNoLibrary()
{
    const VideoLibraryFile file(m_folder);
    QStringList texts;
    OwnedRecords records;
    QVERIFY(!QFile::exists(file.filePath()));
    QVERIFY(!file.load(&texts, &records.list));
    QVERIFY(texts.isEmpty());
    QVERIFY(records.list.isEmpty());
}

void TestLibraryFiles::emptyFileIsEmptyLibrary()
{
    const VideoLibraryFile file(m_folder);
    QVERIFY(TestSupport::writeFile(file.filePath(), QByteArray()));
    QStringList texts;
    OwnedRecords records;
    QVERIFY(file.load(&texts, &records.list));
    QVERIFY(texts.isEmpty());
    QVERIFY(records.list.isEmpty());
    QCOMPARE(VideoListText::buildLibraryJson(texts).value(QLatin1String("number")).toString(), QStringLiteral("0"));
}

void TestLibraryFiles::damagedTailCostsOnlyThatRecord_data()
{
    QTest::addColumn<QByteArray>("tail");
    const QByteArray text = QByteArrayLiteral("{\"index\":\"2\",\"video\":\"torn.mp4\"}");
    QTest::newRow("two stray bytes") << QByteArray("\x00\x01", 2);
    QTest::newRow("length field only") << lengthField(50);
    QTest::newRow("torn text") << lengthField(quint32(text.size() + 1)) + text.left(12);
    QTest::newRow("text without its nul") << lengthField(quint32(text.size() + 1)) + text;
    QTest::newRow("corrupt length 0xFFFFFFF0") << lengthField(0xFFFFFFF0u) + text + '\0';
    QTest::newRow("corrupt length 0x7FFFFFFF") << lengthField(0x7FFFFFFFu) + text;
}

void TestLibraryFiles::damagedTailCostsOnlyThatRecord()
{
    QFETCH(QByteArray, tail);
    const VideoLibraryFile file(m_folder);
    QStringList written;
    const auto a = makeRecord(QStringLiteral("1607300000001"), QStringLiteral("a.mp4"), 0);
    const auto b = makeRecord(QStringLiteral("1607300000002"), QStringLiteral("b.mp4"), 1);
    QVERIFY(file.appendRecord(a.get(), false, &written));
    QVERIFY(file.appendRecord(b.get(), false, &written));
    const QByteArray good = TestSupport::fileBytes(file.filePath());
    QVERIFY(TestSupport::writeFile(file.filePath(), good + tail));

    {
        AddressSpaceCap cap;
        QVERIFY(cap.active());
        QStringList texts;
        OwnedRecords records;
        QVERIFY(file.load(&texts, &records.list));
        QCOMPARE(texts, written);
        QCOMPARE(records.list.size(), 2);
        QCOMPARE(records.list.at(0)->video, QStringLiteral("a.mp4"));
        QCOMPARE(records.list.at(1)->video, QStringLiteral("b.mp4"));
    }

    // The next video appended after the damage stays readable.
    const auto c = makeRecord(QStringLiteral("1607300000003"), QStringLiteral("c.mp4"), 2);
    QVERIFY(file.appendRecord(c.get(), false, &written));
    QStringList texts;
    OwnedRecords records;
    QVERIFY(file.load(&texts, &records.list));
    QCOMPARE(texts, written);
    QCOMPARE(records.list.size(), 3);
    QCOMPARE(records.list.at(2)->video, QStringLiteral("c.mp4"));
    QCOMPARE(TestSupport::fileBytes(file.filePath()), good + VideoLibraryFile::encodeRecord(written.at(2)));
}

void TestLibraryFiles::corruptLengthAtStart()
{
    const VideoLibraryFile file(m_folder);
    const auto a = makeRecord(QStringLiteral("1607300000001"), QStringLiteral("a.mp4"));
    QVERIFY(TestSupport::writeFile(file.filePath(),
                     lengthField(0xFFFFFFF0u) + VideoLibraryFile::encodeRecord(VideoListText::videoInfoToJsonText(a.get()))));
    AddressSpaceCap cap;
    QVERIFY(cap.active());
    QStringList texts;
    OwnedRecords records;
    QVERIFY(file.load(&texts, &records.list));
    QVERIFY(texts.isEmpty());
    QVERIFY(records.list.isEmpty());
}

void TestLibraryFiles::nullRecordInTheMiddle()
{
    const VideoLibraryFile file(m_folder);
    const auto a = makeRecord(QStringLiteral("1607300000001"), QStringLiteral("a.mp4"));
    const auto b = makeRecord(QStringLiteral("1607300000002"), QStringLiteral("b.mp4"));
    const QString ta = VideoListText::videoInfoToJsonText(a.get());
    const QString tb = VideoListText::videoInfoToJsonText(b.get());
    QVERIFY(TestSupport::writeFile(file.filePath(),
                     VideoLibraryFile::encodeRecord(ta) + lengthField(0xFFFFFFFFu) + VideoLibraryFile::encodeRecord(tb)));
    QStringList texts;
    OwnedRecords records;
    QVERIFY(file.load(&texts, &records.list));
    QCOMPARE(texts, (QStringList{ta, tb}));
    QCOMPARE(records.list.size(), 2);
    QCOMPARE(records.list.at(1)->index, 1);
}

void TestLibraryFiles::nonJsonRecordIsLeftOut()
{
    const VideoLibraryFile file(m_folder);
    const auto a = makeRecord(QStringLiteral("1607300000001"), QStringLiteral("a.mp4"), 0);
    const auto b = makeRecord(QStringLiteral("1607300000002"), QStringLiteral("b.mp4"), 2);
    const QString ta = VideoListText::videoInfoToJsonText(a.get());
    const QString tb = VideoListText::videoInfoToJsonText(b.get());
    QVERIFY(TestSupport::writeFile(file.filePath(), VideoLibraryFile::encodeRecord(ta)
                                          + VideoLibraryFile::encodeRecord(QStringLiteral("not json at all"))
                                          + VideoLibraryFile::encodeRecord(QStringLiteral("{}"))
                                          + VideoLibraryFile::encodeRecord(tb)));

    QTest::ignoreMessage(QtDebugMsg, "===> please check the string not json at all");
    QStringList texts;
    OwnedRecords records;
    QVERIFY(file.load(&texts, &records.list));
    QCOMPARE(texts, (QStringList{ta, tb}));
    QCOMPARE(records.list.size(), 2);
    QCOMPARE(records.list.at(1)->video, QStringLiteral("b.mp4"));
    QCOMPARE(records.list.at(1)->index, 1);

    // The published list stays JSON and shows both videos.
    const QJsonObject library = VideoListText::buildLibraryJson(texts);
    QCOMPARE(library.value(QLatin1String("number")).toString(), QStringLiteral("2"));
    QCOMPARE(library.value(QLatin1String("items")).toArray().size(), 2);

    // The next rewrite drops the bad record from the file.
    QVERIFY(file.rewrite(records.list, &texts));
    QStringList reread;
    QVERIFY(file.readTexts(&reread));
    QCOMPARE(reread, texts);
    QCOMPARE(reread.size(), 2);
}

void TestLibraryFiles::appendCreatesThenAppends()
{
    const VideoLibraryFile file(m_folder);
    const auto a = makeRecord(QStringLiteral("1607300000001"), QStringLiteral("a.mp4"));
    const auto b = makeRecord(QStringLiteral("1607300000002"), QStringLiteral("b.mp4"));
    QStringList texts;
    QVERIFY(!QFile::exists(file.filePath()));
    QVERIFY(file.appendRecord(a.get(), false, &texts));
    QVERIFY(file.appendRecord(b.get(), false, &texts));
    QStringList reread;
    QVERIFY(file.readTexts(&reread));
    QCOMPARE(reread.size(), 2);
    QCOMPARE(reread, texts);

    // first = true starts the file over with this one record.
    QStringList fresh;
    QVERIFY(file.appendRecord(b.get(), true, &fresh));
    reread.clear();
    QVERIFY(file.readTexts(&reread));
    QCOMPARE(reread, fresh);
    QCOMPARE(reread.size(), 1);

    QVERIFY(!file.appendRecord(nullptr, false, &texts));
    QCOMPARE(texts.size(), 2);
}

void TestLibraryFiles::appendWhenFileCannotBeOpened()
{
    const VideoLibraryFile file(m_folder);
    // A folder where the file should be: no write can succeed, root or not.
    QVERIFY(QDir(m_folder).mkdir(VideoLibraryFile::libraryFileName()));
    const auto a = makeRecord(QStringLiteral("1607300000001"), QStringLiteral("a.mp4"));
    QStringList texts{QStringLiteral("kept")};
    QVERIFY(!file.appendRecord(a.get(), false, &texts));
    QVERIFY(!file.appendRecord(a.get(), true, &texts));
    QCOMPARE(texts, QStringList{QStringLiteral("kept")});
    QVERIFY(QFileInfo(file.filePath()).isDir());
}

void TestLibraryFiles::rewriteRenumbers()
{
    const VideoLibraryFile file(m_folder);
    OwnedRecords records;
    records.list << makeRecord(QStringLiteral("1607300000001"), QStringLiteral("a.mp4"), 5).release()
                 << makeRecord(QStringLiteral("1607300000002"), QStringLiteral("b.mp4"), 9).release()
                 << makeRecord(QStringLiteral("1607300000003"), QStringLiteral("c.mp4"), 9).release();
    QStringList texts{QStringLiteral("stale")};
    QVERIFY(file.rewrite(records.list, &texts));
    QCOMPARE(texts.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(records.list.at(i)->index, i);
        QVERIFY(texts.at(i).startsWith(QStringLiteral("{\"index\":\"%1\"").arg(i)));
    }
    QStringList reread;
    QVERIFY(file.readTexts(&reread));
    QCOMPARE(reread, texts);
}

void TestLibraryFiles::rewriteOfEmptyLibraryRemovesFile()
{
    const VideoLibraryFile file(m_folder);
    const auto a = makeRecord(QStringLiteral("1607300000001"), QStringLiteral("a.mp4"));
    QStringList texts;
    QVERIFY(file.appendRecord(a.get(), false, &texts));
    QVERIFY(QFile::exists(file.filePath()));
    QVERIFY(file.rewrite({}, &texts));
    QVERIFY(texts.isEmpty());
    QVERIFY(!QFile::exists(file.filePath()));
    QCOMPARE(VideoListText::buildVideoListText(texts), QStringLiteral("{\"number\":\"0\",\"items\": []}"));

    // The next added video creates the file again in append mode.
    QVERIFY(file.appendRecord(a.get(), false, &texts));
    QStringList reread;
    QVERIFY(file.readTexts(&reread));
    QCOMPARE(reread, texts);
}

void TestLibraryFiles::rewriteOnFullDiskKeepsOldFile()
{
    const VideoLibraryFile file(m_folder);
    OwnedRecords old{bigLibrary(QLatin1Char('o'), 3)};
    QStringList texts;
    QVERIFY(file.rewrite(old.list, &texts));
    const QByteArray oldBytes = TestSupport::fileBytes(file.filePath());
    QVERIFY(oldBytes.size() > 0);

    OwnedRecords bigger{bigLibrary(QLatin1Char('n'), 200)};
    {
        FileSizeLimit cap(512);
        QVERIFY(cap.active());
        QVERIFY(!file.rewrite(bigger.list, &texts));
        // A rewrite small enough to sit in the write buffer until commit
        // fails too, instead of committing a cut-off file.
        OwnedRecords small{bigLibrary(QLatin1Char('s'), 4)};
        QStringList smallTexts;
        QVERIFY(!file.rewrite(small.list, &smallTexts));
    }
    QCOMPARE(TestSupport::fileBytes(file.filePath()), oldBytes);
    QCOMPARE(QDir(m_folder).entryList(QDir::Files | QDir::Hidden), QStringList{VideoLibraryFile::libraryFileName()});
    // The published texts follow the records in memory.
    QCOMPARE(texts.size(), 200);

    // An append that does not fit leaves no half record behind either.
    const auto extra = makeRecord(QStringLiteral("1607300009999"), QStringLiteral("extra.mp4"));
    {
        FileSizeLimit cap(oldBytes.size() + 10);
        QVERIFY(cap.active());
        QStringList appended;
        QVERIFY(!file.appendRecord(extra.get(), false, &appended));
        QVERIFY(appended.isEmpty());
    }
    QCOMPARE(TestSupport::fileBytes(file.filePath()), oldBytes);

    // Without the limit the same rewrite goes through.
    QVERIFY(file.rewrite(bigger.list, &texts));
    QStringList reread;
    QVERIFY(file.readTexts(&reread));
    QCOMPARE(reread.size(), 200);
}

void TestLibraryFiles::jsonExport()
{
    const VideoLibraryFile file(m_folder);
    const auto a = makeRecord(QStringLiteral("1607300000001"), QStringLiteral("a.mp4"));
    const auto b = makeRecord(QStringLiteral("1607300000002"), QStringLiteral("b \"quoted\".mp4"));
    const QStringList texts{VideoListText::videoInfoToJsonText(a.get()), VideoListText::videoInfoToJsonText(b.get())};
    QVERIFY(TestSupport::writeFile(file.jsonFilePath(), QByteArray(4096, 'x'))); // truncated on write
    QVERIFY(file.writeJsonExport(texts));
    const QByteArray expected =
        QTextCodec::codecForLocale()->fromUnicode(VideoListText::buildVideoListText(texts) + QLatin1Char('\n'));
    QCOMPARE(TestSupport::fileBytes(file.jsonFilePath()), expected);
    QVERIFY(QJsonDocument::fromJson(TestSupport::fileBytes(file.jsonFilePath())).isObject());
    QCOMPARE(file.jsonFilePath(), m_folder + QStringLiteral("/corvanevideojson.json"));
}

void TestLibraryFiles::jsonExportFailureChangesNothing()
{
    const VideoLibraryFile file(m_folder);
    QVERIFY(QDir(m_folder).mkdir(VideoLibraryFile::jsonFileName()));
    QVERIFY(!file.writeJsonExport({}));
    QVERIFY(QFileInfo(file.jsonFilePath()).isDir());
}

void TestLibraryFiles::videoIdLayout_data()
{
    QTest::addColumn<qint64>("msecs");
    QTest::addColumn<QString>("id");
    QTest::newRow("42 ms") << 1607300000042LL << QStringLiteral("1607300000042");
    QTest::newRow("7 ms") << 1607300000007LL << QStringLiteral("1607300000007");
    QTest::newRow("0 ms") << 1607300000000LL << QStringLiteral("1607300000000");
    QTest::newRow("999 ms") << 1607300000999LL << QStringLiteral("1607300000999");
}

void TestLibraryFiles::videoIdLayout()
{
    QFETCH(qint64, msecs);
    QFETCH(QString, id);
    QCOMPARE(VideoId::fromMSecs(msecs), id);
}

void TestLibraryFiles::videoIdsUniqueInOneMillisecond()
{
    // Far more ids than milliseconds pass: every one must still differ.
    QSet<QString> seen;
    qint64 previous = 0;
    for (int i = 0; i < 5000; ++i) {
        const QString id = VideoId::next();
        QCOMPARE(id.size(), 13);
        bool ok = false;
        const qint64 value = id.toLongLong(&ok);
        QVERIFY(ok);
        QVERIFY(value > previous);
        previous = value;
        QVERIFY(!seen.contains(id));
        seen.insert(id);
    }
}

void TestLibraryFiles::videoIdSkipsTakenIds()
{
    const qint64 base = VideoId::next().toLongLong();
    QSet<QString> taken;
    for (int i = 1; i <= 20; ++i)
        taken.insert(VideoId::fromMSecs(base + i));
    const QString id = VideoId::next(taken);
    QVERIFY(!taken.contains(id));
    QVERIFY(id.toLongLong() > base);

    // Ids whose poster already lies in the folder are skipped too.
    const qint64 start = id.toLongLong();
    for (int i = 1; i <= 20; ++i)
        QVERIFY(TestSupport::writeFile(m_folder + QLatin1Char('/') + VideoId::fromMSecs(start + i) + QStringLiteral(".png"), "x"));
    const QString next = VideoId::next({}, m_folder);
    QVERIFY(next.toLongLong() > start);
    QVERIFY(!QFile::exists(m_folder + QLatin1Char('/') + next + QStringLiteral(".png")));
}
