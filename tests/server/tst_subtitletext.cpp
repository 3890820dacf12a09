#include "server/subtitletext.h"

#include "logcapture.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

// Subtitle files in the charsets PCs write, made here through Qt's codecs.
class TestSubtitleText : public QObject
{
    Q_OBJECT
private slots:
    void charsets_data();
    void charsets();
    void tooLargeOrMissing();
    void srtToVtt_data();
    void srtToVtt();

private:
    QTemporaryDir dir;
};

// Numbered SRT cues with CRLF as Windows tools write them, one "|"-separated sentence each.
QString srt(const QString &sentences)
{
    QString out;
    const QStringList lines = sentences.split(QLatin1Char('|'));
    for (int i = 0; i < lines.size(); ++i)
        out += QStringLiteral("%1\r\n00:00:%2,000 --> 00:00:%3,500\r\n%4\r\n\r\n").arg(i + 1).arg(i * 4 + 10).arg(i * 4 + 12).arg(lines.at(i));
    return out;
}

void TestSubtitleText::charsets_data()
{
    QTest::addColumn<QByteArray>("codec"); // how the file is written; empty: random bytes
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("converted");
    const QString zh = srt(QStringLiteral("你好，欢迎来到我们的家。|今天的天气非常好，我们去公园散步吧。|这部电影讲述了一个关于勇气和友谊的故事。"));
    const QString ru = srt(QStringLiteral("Привет, как у тебя дела?|Сегодня очень хорошая погода, пойдём гулять в парк.|Этот фильм рассказывает историю о дружбе."));
    const QString ja = srt(QStringLiteral("こんにちは、お元気ですか。|今日はとても良い天気ですね。|この映画は勇気と友情の物語です。"));
    const QString ko = srt(QStringLiteral("안녕하세요, 만나서 반갑습니다.|오늘 날씨가 정말 좋네요.|이 영화는 용기와 우정에 관한 이야기입니다."));
    const QString bom(QChar(0xFEFF));
    QTest::newRow("GBK Chinese") << QByteArray("GBK") << zh << true;
    QTest::newRow("Big5 Chinese") << QByteArray("Big5") << srt(QStringLiteral("你好，歡迎來到我們的家。|今天的天氣非常好，我們去公園散步吧。|這部電影講述了一個關於勇氣和友誼的故事。")) << true;
    QTest::newRow("Shift_JIS Japanese") << QByteArray("Shift_JIS") << ja << true;
    QTest::newRow("EUC-KR Korean") << QByteArray("EUC-KR") << ko << true;
    QTest::newRow("windows-1251 Russian") << QByteArray("windows-1251") << ru << true;
    QTest::newRow("windows-1250 Czech") << QByteArray("windows-1250") << srt(QStringLiteral("Dobrý den, jak se máte?|Dnes je opravdu krásné počasí, pojďme se projít do parku.|Řekl, že zítra nemůže přijít na schůzi.")) << true;
    // Two cues: uchardet says ISO-8859-2, which has controls where windows-1250 has ź.
    QTest::newRow("windows-1250 Polish") << QByteArray("windows-1250") << srt(QStringLiteral("Dzień dobry, jak się masz?|Dzisiaj jest naprawdę piękna pogoda, chodźmy na spacer.")) << true;
    QTest::newRow("windows-1252 French") << QByteArray("windows-1252") << srt(QStringLiteral("Bonjour, comment ça va ?|Aujourd’hui il fait très beau, c’est l’été.|Ce film raconte une histoire de cœur et d'amitié.")) << true;
    QTest::newRow("UTF-16LE with BOM") << QByteArray("UTF-16LE") << bom + zh << true;
    QTest::newRow("UTF-16BE with BOM") << QByteArray("UTF-16BE") << bom + ru << true;
    QTest::newRow("UTF-8 untouched") << QByteArray("UTF-8") << ja << false;
    QTest::newRow("UTF-8 with BOM untouched") << QByteArray("UTF-8") << bom + ko << false;
    QTest::newRow("ASCII untouched") << QByteArray("UTF-8") << srt(QStringLiteral("Hello, how are you today?")) << false;
    QTest::newRow("binary blob as it is") << QByteArray() << QString() << false;
}

void TestSubtitleText::charsets()
{
    QFETCH(QByteArray, codec);
    QFETCH(QString, text);
    QFETCH(bool, converted);
    QByteArray raw;
    QRandomGenerator random(16);
    while (codec.isEmpty() && raw.size() < 4096)
        raw += char(random.bounded(256));
    if (!codec.isEmpty())
        raw = QTextCodec::codecForName(codec)->fromUnicode(text);
    const QString path = dir.filePath(QStringLiteral("%1.srt").arg(QTest::currentDataTag()));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(raw) == raw.size() && f.flush());

    LogCapture log(LogCapture::Echo::None);
    const SubtitleText::Result result = SubtitleText::readAsUtf8(path);
    QCOMPARE(result.converted(), converted);
    // Converted text drops the old charset's BOM; anything else is the file's own bytes.
    QCOMPARE(result.bytes, converted ? text.mid(text.startsWith(QChar(0xFEFF)) ? 1 : 0).toUtf8() : raw);
    QCOMPARE(result.isUtf8(), !codec.isEmpty());
    QCOMPARE(log.count(QStringLiteral("served as it is")), codec.isEmpty() ? 1 : 0);
}

void TestSubtitleText::tooLargeOrMissing()
{
    LogCapture log(LogCapture::Echo::None);
    QFile big(dir.filePath(QStringLiteral("big.srt")));
    QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(SubtitleText::kMaxConvertBytes + 1));
    const SubtitleText::Result large = SubtitleText::readAsUtf8(big.fileName());
    QCOMPARE(large.outcome, SubtitleText::Outcome::TooLarge);
    QVERIFY(large.bytes.isEmpty());
    QCOMPARE(log.count(QStringLiteral("served as it is")), 1);
    QCOMPARE(SubtitleText::readAsUtf8(dir.filePath(QStringLiteral("none.srt"))).outcome, SubtitleText::Outcome::Unreadable);
}

void TestSubtitleText::srtToVtt_data()
{
    QTest::addColumn<QByteArray>("srt");
    QTest::addColumn<QByteArray>("vtt");
    QTest::newRow("CRLF, ids kept") << QByteArray("1\r\n00:00:01,000 --> 00:00:02,500\r\nHello\r\n\r\n2\r\n00:00:03,000 --> 00:00:04,000\r\nWorld\r\n")
                                    << QByteArray("WEBVTT\n\n1\n00:00:01.000 --> 00:00:02.500\nHello\n\n2\n00:00:03.000 --> 00:00:04.000\nWorld\n");
    QTest::newRow("BOM dropped") << QByteArray("\xEF\xBB\xBF" "1\n00:00:01,000 --> 00:00:02,000\nHi\n")
                                 << QByteArray("WEBVTT\n\n1\n00:00:01.000 --> 00:00:02.000\nHi\n");
    QTest::newRow("commas of the text kept") << QByteArray("7\n00:01:02,003 --> 01:02:03,004 X1:10\nYes, no --> 00:00:01,000\n")
                                             << QByteArray("WEBVTT\n\n7\n00:01:02.003 --> 01:02:03.004 X1:10\nYes, no --> 00:00:01,000\n");
    QTest::newRow("CR only, leading blank lines") << QByteArray("\r\n\r\n1\r00:00:01,000 --> 00:00:02,000\rA\r\r2\r00:00:03,000 --> 00:00:04,000\rB")
                                                  << QByteArray("WEBVTT\n\n1\n00:00:01.000 --> 00:00:02.000\nA\n\n2\n00:00:03.000 --> 00:00:04.000\nB\n");
    QTest::newRow("WebVTT passed through") << QByteArray("WEBVTT\r\n\r\n00:01,000 --> 00:02.000\r\nHi, there\r\n")
                                           << QByteArray("WEBVTT\r\n\r\n00:01,000 --> 00:02.000\r\nHi, there\r\n");
    QTest::newRow("empty") << QByteArray() << QByteArray("WEBVTT\n\n");
}

void TestSubtitleText::srtToVtt()
{
    QFETCH(QByteArray, srt);
    QFETCH(QByteArray, vtt);
    QCOMPARE(SubtitleText::srtToVtt(srt), vtt);
}

QTEST_GUILESS_MAIN(TestSubtitleText)
#include "tst_subtitletext.moc"
