#include "server/subtitletext.h"

#include "logcapture.h"

#include <QFile>
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
    QString write(const QString &name, const QByteArray &bytes);
    QTemporaryDir dir;
};

namespace {

const char kServedAsIs[] = "served as it is";

// Numbered SRT cues, one sentence each, with CRLF as Windows tools write them.
QString srt(const QStringList &sentences)
{
    QString out;
    for (int i = 0; i < sentences.size(); ++i)
        out += QStringLiteral("%1\r\n00:00:%2,000 --> 00:00:%3,500\r\n%4\r\n\r\n")
                   .arg(i + 1).arg(i * 4 + 1, 2, 10, QLatin1Char('0'))
                   .arg(i * 4 + 3, 2, 10, QLatin1Char('0')).arg(sentences.at(i));
    return out;
}

} // namespace

QString TestSubtitleText::write(const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        return QString();
    return path;
}

void TestSubtitleText::charsets_data()
{
    QTest::addColumn<QByteArray>("codec"); // how the file is written; empty: random bytes
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("converted");

    const QString chinese = srt({QStringLiteral("你好，欢迎来到我们的家。"),
                                 QStringLiteral("今天的天气非常好，我们去公园散步吧。"),
                                 QStringLiteral("他说他明天不能来参加会议了。"),
                                 QStringLiteral("这部电影讲述了一个关于勇气和友谊的故事。")});
    const QString traditional = srt({QStringLiteral("你好，歡迎來到我們的家。"),
                                     QStringLiteral("今天的天氣非常好，我們去公園散步吧。"),
                                     QStringLiteral("他說他明天不能來參加會議了。"),
                                     QStringLiteral("這部電影講述了一個關於勇氣和友誼的故事。")});
    const QString japanese = srt({QStringLiteral("こんにちは、お元気ですか。"),
                                  QStringLiteral("今日はとても良い天気ですね。"),
                                  QStringLiteral("明日の会議には参加できません。"),
                                  QStringLiteral("この映画は勇気と友情の物語です。")});
    const QString korean = srt({QStringLiteral("안녕하세요, 만나서 반갑습니다."),
                                QStringLiteral("오늘 날씨가 정말 좋네요."),
                                QStringLiteral("내일 회의에 참석할 수 없습니다."),
                                QStringLiteral("이 영화는 용기와 우정에 관한 이야기입니다.")});
    const QString russian = srt({QStringLiteral("Привет, как у тебя дела?"),
                                 QStringLiteral("Сегодня очень хорошая погода, пойдём гулять в парк."),
                                 QStringLiteral("Он сказал, что не сможет прийти на собрание завтра."),
                                 QStringLiteral("Этот фильм рассказывает историю о мужестве и дружбе.")});
    const QString czech = srt({QStringLiteral("Dobrý den, jak se máte?"),
                               QStringLiteral("Dnes je opravdu krásné počasí, pojďme se projít do parku."),
                               QStringLiteral("Řekl, že zítra nemůže přijít na schůzi."),
                               QStringLiteral("Tento film vypráví příběh o odvaze a přátelství.")});
    const QString polish = srt({QStringLiteral("Dzień dobry, jak się masz?"),
                                QStringLiteral("Dzisiaj jest naprawdę piękna pogoda, chodźmy na spacer."),
                                QStringLiteral("Powiedział, że jutro nie będzie mógł przyjść na zebranie."),
                                QStringLiteral("Ten film opowiada historię o odwadze i przyjaźni.")});
    const QString french = srt({QStringLiteral("Bonjour, comment ça va ?"),
                                QStringLiteral("Aujourd'hui il fait très beau, allons nous promener."),
                                QStringLiteral("Il a dit qu'il ne pourrait pas venir à la réunion."),
                                QStringLiteral("Ce film raconte une histoire de cœur et d'amitié.")});
    const QString english = srt({QStringLiteral("Hello, how are you today?"),
                                 QStringLiteral("The weather is lovely, let us walk in the park.")});
    const QString bom(QChar(0xFEFF));

    QTest::newRow("GBK Chinese") << QByteArray("GBK") << chinese << true;
    QTest::newRow("Big5 Chinese") << QByteArray("Big5") << traditional << true;
    QTest::newRow("Shift_JIS Japanese") << QByteArray("Shift_JIS") << japanese << true;
    QTest::newRow("EUC-KR Korean") << QByteArray("EUC-KR") << korean << true;
    QTest::newRow("windows-1251 Russian") << QByteArray("windows-1251") << russian << true;
    QTest::newRow("windows-1250 Czech") << QByteArray("windows-1250") << czech << true;
    QTest::newRow("windows-1250 Polish") << QByteArray("windows-1250") << polish << true;
    QTest::newRow("windows-1252 French") << QByteArray("windows-1252") << french << true;
    // Short texts that uchardet takes for ISO-8859-2 and -1.
    QTest::newRow("windows-1250 Polish, two cues")
        << QByteArray("windows-1250") << srt({QStringLiteral("Dzień dobry, jak się masz?"),
                                             QStringLiteral("Dzisiaj jest naprawdę piękna pogoda, chodźmy na spacer.")})
        << true;
    QTest::newRow("windows-1252 French, two cues")
        << QByteArray("windows-1252") << srt({QStringLiteral("Bonjour, comment ça va ?"),
                                             QStringLiteral("Aujourd’hui il fait très beau, c’est l’été.")})
        << true;
    QTest::newRow("UTF-16LE with BOM") << QByteArray("UTF-16LE") << bom + chinese << true;
    QTest::newRow("UTF-16BE with BOM") << QByteArray("UTF-16BE") << bom + russian << true;
    QTest::newRow("UTF-8 untouched") << QByteArray("UTF-8") << japanese << false;
    QTest::newRow("UTF-8 with BOM untouched") << QByteArray("UTF-8") << bom + korean << false;
    QTest::newRow("ASCII untouched") << QByteArray("UTF-8") << english << false;
    QTest::newRow("binary blob as it is") << QByteArray() << QString() << false;
}

void TestSubtitleText::charsets()
{
    QFETCH(QByteArray, codec);
    QFETCH(QString, text);
    QFETCH(bool, converted);
    QByteArray raw;
    if (codec.isEmpty()) {
        QRandomGenerator random(16);
        for (int i = 0; i < 4096; ++i)
            raw += char(random.bounded(256));
    } else {
        raw = QTextCodec::codecForName(codec)->fromUnicode(text);
        QVERIFY(!raw.startsWith("\xFF\xFE") || codec == "UTF-16LE"); // the codec wrote no BOM of its own
    }
    const QString path = write(QStringLiteral("%1.srt").arg(QTest::currentDataTag()), raw);
    QVERIFY(!path.isEmpty());

    LogCapture log(LogCapture::Echo::None);
    const SubtitleText::Result result = SubtitleText::readAsUtf8(path);
    QCOMPARE(result.converted(), converted);
    if (converted) {
        // The BOM is a marker of the old charset, not text.
        QString expected = text;
        if (expected.startsWith(QChar(0xFEFF)))
            expected.remove(0, 1);
        QCOMPARE(QString::fromUtf8(result.bytes), expected);
        QCOMPARE(result.bytes, expected.toUtf8());
    } else {
        QCOMPARE(result.bytes, raw);
    }
    QCOMPARE(result.isUtf8(), !codec.isEmpty());
    QCOMPARE(log.count(QLatin1String(kServedAsIs)), codec.isEmpty() ? 1 : 0);
}

void TestSubtitleText::tooLargeOrMissing()
{
    LogCapture log(LogCapture::Echo::None);
    const QString big = write(QStringLiteral("big.srt"), QByteArray(int(SubtitleText::kMaxConvertBytes) + 1, '\xA4'));
    QVERIFY(!big.isEmpty());
    const SubtitleText::Result large = SubtitleText::readAsUtf8(big);
    QCOMPARE(large.outcome, SubtitleText::Outcome::TooLarge);
    QVERIFY(large.bytes.isEmpty());
    QCOMPARE(log.count(QLatin1String(kServedAsIs)), 1);
    QCOMPARE(SubtitleText::readAsUtf8(dir.filePath(QStringLiteral("none.srt"))).outcome,
             SubtitleText::Outcome::Unreadable);
}

void TestSubtitleText::srtToVtt_data()
{
    QTest::addColumn<QByteArray>("srt");
    QTest::addColumn<QByteArray>("vtt");
    QTest::newRow("CRLF, ids kept") << QByteArray("1\r\n00:00:01,000 --> 00:00:02,500\r\nHello\r\n\r\n"
                                                  "2\r\n00:00:03,000 --> 00:00:04,000\r\nWorld\r\n")
                                    << QByteArray("WEBVTT\n\n1\n00:00:01.000 --> 00:00:02.500\nHello\n\n"
                                                  "2\n00:00:03.000 --> 00:00:04.000\nWorld\n");
    QTest::newRow("BOM dropped") << QByteArray("\xEF\xBB\xBF" "1\n00:00:01,000 --> 00:00:02,000\nHi\n")
                                 << QByteArray("WEBVTT\n\n1\n00:00:01.000 --> 00:00:02.000\nHi\n");
    QTest::newRow("commas of the text kept")
        << QByteArray("7\n00:01:02,003 --> 01:02:03,004 X1:10\nYes, no, maybe --> later\n")
        << QByteArray("WEBVTT\n\n7\n00:01:02.003 --> 01:02:03.004 X1:10\nYes, no, maybe --> later\n");
    QTest::newRow("CR only, leading blank lines")
        << QByteArray("\r\n\r\n1\r00:00:01,000 --> 00:00:02,000\rA\r\r2\r00:00:03,000 --> 00:00:04,000\rB")
        << QByteArray("WEBVTT\n\n1\n00:00:01.000 --> 00:00:02.000\nA\n\n2\n00:00:03.000 --> 00:00:04.000\nB\n");
    QTest::newRow("WebVTT passed through")
        << QByteArray("WEBVTT\r\n\r\n00:01,000 --> 00:02.000\r\nHi, there\r\n")
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
