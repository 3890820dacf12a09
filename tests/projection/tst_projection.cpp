#include "library/corvanevideoinfo.h"
#include "library/projection.h"
#include "library/projectionstore.h"
#include "library/videolisttext.h"
#include "server/libraryindex.h"
#include "server/playerapis.h"
#include "logcapture.h"
#include "processes.h"
#include "testvideos.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/spherical.h>
#include <libavutil/stereo3d.h>
}

using Kind = VideoProjection::Kind;
using Stereo = VideoProjection::Stereo;
using Source = VideoProjection::Source;
Q_DECLARE_METATYPE(Kind)
Q_DECLARE_METATYPE(Stereo)
Q_DECLARE_METATYPE(Source)

namespace {

const int kNoSpherical = -1;
const int kNoStereo = -1;

// Copies in to out, adding the spherical mapping (projection, left and
// right bounds, each crop as a share of the width) and stereo side data to
// the video stream, as a camera's or an encoder's muxer would have written them.
bool remuxWithSideData(const QString &in, const QString &out, int projection, double crop, int stereo)
{
    AVFormatContext *input = nullptr;
    if (avformat_open_input(&input, in.toUtf8().constData(), nullptr, nullptr) != 0)
        return false;
    AVFormatContext *output = nullptr;
    avformat_alloc_output_context2(&output, nullptr, nullptr, out.toUtf8().constData());
    bool ok = output && avformat_find_stream_info(input, nullptr) >= 0;
    for (unsigned i = 0; ok && i < input->nb_streams; ++i) {
        AVStream *stream = avformat_new_stream(output, nullptr);
        if (!(ok = stream && avcodec_parameters_copy(stream->codecpar, input->streams[i]->codecpar) >= 0))
            break;
        stream->codecpar->codec_tag = 0;
        stream->time_base = input->streams[i]->time_base;
        if (projection != kNoSpherical) {
            size_t size = 0;
            AVSphericalMapping *mapping = av_spherical_alloc(&size);
            mapping->projection = AVSphericalProjection(projection);
            mapping->bound_left = mapping->bound_right = uint32_t(crop * 4294967295.0);
            ok = av_stream_add_side_data(stream, AV_PKT_DATA_SPHERICAL, reinterpret_cast<uint8_t *>(mapping), size) >= 0;
        }
        if (ok && stereo != kNoStereo) {
            AVStereo3D *layout = av_stereo3d_alloc();
            layout->type = AVStereo3DType(stereo);
            ok = av_stream_add_side_data(stream, AV_PKT_DATA_STEREO3D, reinterpret_cast<uint8_t *>(layout),
                                         sizeof(AVStereo3D)) >= 0;
        }
    }
    if (ok) {
        output->strict_std_compliance = FF_COMPLIANCE_UNOFFICIAL;
        ok = avio_open(&output->pb, out.toUtf8().constData(), AVIO_FLAG_WRITE) >= 0
            && avformat_write_header(output, nullptr) >= 0;
    }
    AVPacket *packet = av_packet_alloc();
    while (ok && av_read_frame(input, packet) >= 0) {
        av_packet_rescale_ts(packet, input->streams[packet->stream_index]->time_base,
                             output->streams[packet->stream_index]->time_base);
        ok = av_interleaved_write_frame(output, packet) >= 0;
        av_packet_unref(packet);
    }
    av_packet_free(&packet);
    ok = ok && av_write_trailer(output) >= 0;
    if (output && output->pb)
        avio_closep(&output->pb);
    avformat_free_context(output);
    avformat_close_input(&input);
    return ok;
}

QJsonObject parse(const PlayerApis::Answer &answer)
{
    return QJsonDocument::fromJson(answer.body).object();
}

} // namespace

class TestProjection : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QVERIFY(TestVideos::clip(dir.filePath(QStringLiteral("source.mp4"))));
    }

    void sideData_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("projection");
        QTest::addColumn<double>("crop");
        QTest::addColumn<int>("stereo");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<Stereo>("layout");
        QTest::addColumn<Source>("source");
        const int equi = AV_SPHERICAL_EQUIRECTANGULAR;
        QTest::newRow("mp4 full sphere") << "plain.mp4" << equi << 0.0 << kNoStereo << Kind::Equirect360 << Stereo::Mono << Source::SideData;
        QTest::newRow("mp4 half width beats the name") << "x_360_tb.mp4" << equi << 0.25 << int(AV_STEREO3D_SIDEBYSIDE) << Kind::Equirect180 << Stereo::SideBySide << Source::SideData;
        QTest::newRow("mp4 cubemap top-bottom") << "cube.mp4" << int(AV_SPHERICAL_CUBEMAP) << 0.0 << int(AV_STEREO3D_TOPBOTTOM) << Kind::Cubemap << Stereo::TopBottom << Source::SideData;
        QTest::newRow("mp4 2D box beats sbs name") << "film_180_sbs.mp4" << kNoSpherical << 0.0 << int(AV_STEREO3D_2D) << Kind::Equirect180 << Stereo::Mono << Source::Name;
        // Matroska keeps bounds only for the tiled form.
        QTest::newRow("mkv tiled, half width") << "dome.mkv" << int(AV_SPHERICAL_EQUIRECTANGULAR_TILE) << 0.25 << int(AV_STEREO3D_TOPBOTTOM) << Kind::Equirect180 << Stereo::TopBottom << Source::SideData;
        QTest::newRow("mkv nothing") << "holiday.mkv" << kNoSpherical << 0.0 << kNoStereo << Kind::Flat << Stereo::Mono << Source::None;
    }
    void sideData()
    {
        QFETCH(QString, name);
        QFETCH(int, projection);
        QFETCH(double, crop);
        QFETCH(int, stereo);
        const QString path = dir.filePath(name);
        QVERIFY(remuxWithSideData(dir.filePath(QStringLiteral("source.mp4")), path, projection, crop, stereo));
        const ProjectionDetector::Result found = ProjectionDetector::probe(path);
        QVERIFY(found.ok);
        QCOMPARE(QSize(found.width, found.height), QSize(64, 36));
        QTEST(found.projection.kind, "kind");
        QTEST(found.projection.stereo, "layout");
        QTEST(found.projection.source, "source");
    }

    // Matroska's StereoMode as ffmpeg's own muxer writes it from the tag.
    void matroskaStereoMode()
    {
        const QString path = dir.filePath(QStringLiteral("tag_180.mkv"));
        QVERIFY(TestVideos::ffmpeg({QStringLiteral("-i"), dir.filePath(QStringLiteral("source.mp4")), QStringLiteral("-c"),
                                    QStringLiteral("copy"), QStringLiteral("-metadata:s:v"),
                                    QStringLiteral("stereo_mode=left_right"), path}));
        const VideoProjection p = ProjectionDetector::probe(path).projection;
        QCOMPARE(p.kind, Kind::Equirect180);
        QCOMPARE(p.stereo, Stereo::SideBySide);
    }

    void fileName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<Stereo>("layout");
        QTest::addColumn<int>("fov");
        QTest::newRow("plain") << "holiday.mp4" << Kind::Flat << Stereo::Mono << 0;
        QTest::newRow("180 sbs") << "Beach_180_SBS.mp4" << Kind::Equirect180 << Stereo::SideBySide << 0;
        QTest::newRow("360 tb brackets") << "city [360] (TB).mkv" << Kind::Equirect360 << Stereo::TopBottom << 0;
        QTest::newRow("lr dash") << "clip-180-LR.mp4" << Kind::Equirect180 << Stereo::SideBySide << 0;
        QTest::newRow("3dh") << "a.3dh.180.mp4" << Kind::Equirect180 << Stereo::SideBySide << 0;
        QTest::newRow("ou") << "a 360 ou.mp4" << Kind::Equirect360 << Stereo::TopBottom << 0;
        QTest::newRow("3dv") << "a_3DV.mp4" << Kind::Flat << Stereo::TopBottom << 0;
        QTest::newRow("fisheye190") << "lake_FISHEYE190_sbs.mp4" << Kind::Fisheye << Stereo::SideBySide << 190;
        QTest::newRow("fisheye") << "lake_fisheye.mp4" << Kind::Fisheye << Stereo::Mono << 0;
        QTest::newRow("mkx200") << "x_MKX200_3dh.mp4" << Kind::MKX200 << Stereo::SideBySide << 0;
        QTest::newRow("mkx220") << "x_mkx220.mp4" << Kind::MKX220 << Stereo::Mono << 0;
        QTest::newRow("vrca220") << "x_vrca220_lr.mp4" << Kind::VRCA220 << Stereo::SideBySide << 0;
        QTest::newRow("rf52") << "x.rf52.mp4" << Kind::RF52 << Stereo::Mono << 0;
        QTest::newRow("tbilisi") << "tbilisi_trip.mp4" << Kind::Flat << Stereo::Mono << 0;
        QTest::newRow("1800 and 3600") << "scan_1800_x3600.mp4" << Kind::Flat << Stereo::Mono << 0;
        QTest::newRow("sbs inside a word") << "sbsample_lrx.mp4" << Kind::Flat << Stereo::Mono << 0;
        QTest::newRow("folder name ignored") << "/v/180_sbs/holiday.mp4" << Kind::Flat << Stereo::Mono << 0;
    }
    void fileName()
    {
        QFETCH(QString, name);
        const VideoProjection p = ProjectionDetector::combine({}, ProjectionDetector::fromFileName(name), {});
        QTEST(p.kind, "kind");
        QTEST(p.stereo, "layout");
        QTEST(p.fov, "fov");
    }

    void aspect_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>("name");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<Stereo>("layout");
        QTest::newRow("2:1 stays flat") << 3840 << 1920 << "a.mp4" << Kind::Flat << Stereo::Mono;
        QTest::newRow("1:1 stays flat") << 4096 << 4096 << "a.mp4" << Kind::Flat << Stereo::Mono;
        QTest::newRow("16:9") << 1920 << 1080 << "a.mp4" << Kind::Flat << Stereo::Mono;
        QTest::newRow("1:2 vr size") << 2048 << 4096 << "a.mp4" << Kind::Equirect180 << Stereo::TopBottom;
        QTest::newRow("1:2 small") << 540 << 1080 << "a.mp4" << Kind::Flat << Stereo::Mono;
        QTest::newRow("4:1 vr size") << 7680 << 1920 << "a.mp4" << Kind::Equirect360 << Stereo::SideBySide;
        QTest::newRow("name beats aspect") << 7680 << 1920 << "a_180.mp4" << Kind::Equirect180 << Stereo::SideBySide;
    }
    void aspect()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QString, name);
        const VideoProjection p = ProjectionDetector::combine({}, ProjectionDetector::fromFileName(name),
                                                              ProjectionDetector::fromAspect(width, height));
        QTEST(p.kind, "kind");
        QTEST(p.stereo, "layout");
    }

    void storeRemembersAndOverrides()
    {
        QTemporaryDir data;
        const QString video = dir.filePath(QStringLiteral("store_360.mp4"));
        const QString renamed = dir.filePath(QStringLiteral("store_180_sbs.mp4"));
        QVERIFY(QFile::copy(dir.filePath(QStringLiteral("source.mp4")), video));
        QVERIFY(QFile::copy(dir.filePath(QStringLiteral("source.mp4")), renamed));
        {
            ProjectionStore store(data.path());
            store.detectInBackground({{QStringLiteral("a"), video}, {QStringLiteral("b"), renamed}});
            store.waitForBackground();
            QCOMPARE(store.videoSize(QStringLiteral("a")), QSize(64, 36));
            store.setOverride(QStringLiteral("b"), {Kind::Equirect360, Stereo::TopBottom, 0, Source::None});
        }
        QCOMPARE(QDir(data.path()).entryList(QDir::Files),
                 QStringList({"projectionOverride.json", "videoProjection.json"}));
        // A restart reads both files: nothing is probed again, the correction holds.
        ProjectionStore store(data.path());
        ProjectionStore::Info info;
        QVERIFY(store.cachedInfo(QStringLiteral("a"), info));
        QCOMPARE(info.projection.kind, Kind::Equirect360);
        QVERIFY(store.cachedInfo(QStringLiteral("b"), info));
        QCOMPARE(info.projection.stereo, Stereo::TopBottom);
        QCOMPARE(info.projection.source, Source::User);
        store.clearOverride(QStringLiteral("b"));
        QCOMPARE(store.info(QStringLiteral("b"), renamed).projection.stereo, Stereo::SideBySide);
        // A file changed under the same id is read again.
        QVERIFY(QFile::remove(renamed));
        QVERIFY(TestVideos::clip(renamed, 1, QStringLiteral("96x48")));
        QCOMPARE(store.info(QStringLiteral("b"), renamed).width, 96);
    }

    void storeSurvivesBadFiles()
    {
        QTemporaryDir data;
        QVERIFY(TestSupport::writeFile(data.filePath(QStringLiteral("videoProjection.json")), "{\"a\":"));
        QVERIFY(TestSupport::writeFile(data.filePath(QStringLiteral("projectionOverride.json")),
                                       "{\"a\":{\"projection\":\"sideways\",\"stereo\":\"tb\"},\"b\":7}"));
        LogCapture log;
        ProjectionStore store(data.path());
        QCOMPARE(log.count(QtWarningMsg, QStringLiteral("ignoring unreadable")), 1);
        ProjectionStore::Info info;
        QVERIFY(!store.cachedInfo(QStringLiteral("a"), info));
        QVERIFY(!store.hasOverride(QStringLiteral("b")));
        // Without a data folder nothing is written anywhere, and it still works.
        ProjectionStore nowhere{QString()};
        nowhere.setOverride(QStringLiteral("a"), {Kind::Cubemap, Stereo::Mono, 0, Source::None});
        QVERIFY(nowhere.hasOverride(QStringLiteral("a")));
        QVERIFY(!QFile::exists(QStringLiteral("/projectionOverride.json")));
    }

    void playerAnswers()
    {
        QTemporaryDir data;
        const QStringList names = {"flat.mp4", "beach_180_sbs.mp4", "city_360_tb.mp4",
                                   "lake_fisheye190.mp4", "room_360.mp4"};
        QStringList items;
        for (int i = 0; i < names.size(); ++i) {
            CorvaneVideoInfo info;
            info.videoPath = info.posterPath = QStringLiteral("id%1").arg(i);
            info.videoPathReal = data.filePath(names[i]);
            info.video = names[i];
            info.length = 2;
            QVERIFY(QFile::copy(dir.filePath(QStringLiteral("source.mp4")), info.videoPathReal));
            items << VideoListText::videoInfoToJsonText(&info);
            if (i == 1)
                items << items.last(); // listed twice in the library, once in the answers
        }
        QVERIFY(TestSupport::writeFile(data.filePath(QStringLiteral("beach_180_sbs.en gb.srt")), "1\n"));
        const LibraryIndex library(VideoListText::buildLibraryJson(items));
        ProjectionStore store(data.path());
        store.detectLibrary(library.json());
        store.waitForBackground();
        QCOMPARE(store.videoSize(QStringLiteral("id3")), QSize(64, 36));
        store.setOverride(QStringLiteral("id4"), {Kind::MKX200, Stereo::SideBySide, 0, Source::None});
        const QString host = QStringLiteral("10.1.2.3:8080");
        const qint64 bytes = QFileInfo(dir.filePath(QStringLiteral("source.mp4"))).size();

        const QJsonObject index = parse(PlayerApis::deovrIndex(library, host));
        QCOMPARE(index.value("authorized").toString(), QStringLiteral("1"));
        const QJsonArray list = index.value("scenes").toArray().at(0).toObject().value("list").toArray();
        const QJsonArray hsList = parse(PlayerApis::heresphereIndex(library, host, {})).value("library").toArray().at(0).toObject().value("list").toArray();
        QCOMPARE(list.size(), names.size());
        QCOMPARE(hsList.size(), names.size());

        struct Expect { const char *screen, *mode, *projection, *stereo, *lens; int fov; bool is3d; };
        const Expect expect[] = {{"flat", "off", "perspective", "mono", "Linear", 0, false},
                                 {"dome", "sbs", "equirectangular", "sbs", "Linear", 180, true},
                                 {"sphere", "tb", "equirectangular360", "tb", "Linear", 360, true},
                                 {"fisheye", "off", "fisheye", "mono", "Linear", 190, true},
                                 {"mkx200", "sbs", "fisheye", "sbs", "MKX200", 200, true}};
        for (int i = 0; i < names.size(); ++i) {
            const QString id = QStringLiteral("id%1").arg(i);
            const QString base = QStringLiteral("http://10.1.2.3:8080/");
            const QJsonObject entry = list.at(i).toObject();
            QCOMPARE(QStringList({entry.value("title").toString(), entry.value("thumbnailUrl").toString(),
                                  entry.value("video_url").toString(), hsList.at(i).toString()}),
                     QStringList({names[i], base + "post/" + id, base + "deovr/" + id, base + "heresphere/" + id}));
            QCOMPARE(entry.value("videoLength").toInt(), 2);

            const QJsonObject d = parse(PlayerApis::deovrVideo(library, store, host, id));
            QCOMPARE(QStringList({d.value("id").toString(), d.value("title").toString(), d.value("screenType").toString(),
                                  d.value("stereoMode").toString(), d.value("thumbnailUrl").toString()}),
                     QStringList({id, names[i], expect[i].screen, expect[i].mode, base + "post/" + id}));
            QCOMPARE(d.value("is3d").toBool(), expect[i].is3d);
            QCOMPARE(d.value("videoLength").toInt(), 2);
            const QJsonObject source = d.value("encodings").toArray().at(0).toObject().value("videoSources").toArray().at(0).toObject();
            const PlayerApis::Answer hsAnswer = PlayerApis::heresphereVideo(library, store, host, id, "{}");
            QVERIFY(hsAnswer.headers.contains({"HereSphere-JSON-Version", "1"}));
            const QJsonObject h = parse(hsAnswer);
            QCOMPARE(h.value("media").toArray().at(0).toObject().value("sources").toArray().at(0).toObject(), source);
            QCOMPARE(source.value("url").toString(), base + "video/" + id);
            const QVector<int> sizes{source.value("width").toInt(), source.value("height").toInt(),
                                     source.value("resolution").toInt(), int(source.value("size").toDouble())};
            QCOMPARE(sizes, QVector<int>({64, 36, 36, int(bytes)}));
            QCOMPARE(QStringList({h.value("title").toString(), h.value("thumbnailImage").toString(),
                                  h.value("projection").toString(), h.value("stereo").toString(), h.value("lens").toString()}),
                     QStringList({names[i], base + "post/" + id, expect[i].projection, expect[i].stereo, expect[i].lens}));
            QCOMPARE(QVector<int>({h.value("duration").toInt(), h.value("fov").toInt()}), QVector<int>({2000, expect[i].fov}));
            const QJsonArray subtitles = h.value("subtitles").toArray();
            QCOMPARE(subtitles.size(), i == 1 ? 1 : 0);
            if (i == 1) {
                QCOMPARE(subtitles.at(0).toObject().value("language").toString(), QStringLiteral("en gb"));
                QCOMPARE(subtitles.at(0).toObject().value("url").toString(),
                         base + "subtitle/id1/beach_180_sbs.en%20gb.srt");
            }
        }
        QCOMPARE(PlayerApis::deovrVideo(library, store, host, "id9").status, 404);
        QCOMPARE(PlayerApis::heresphereVideo(library, store, host, "id9", {}).status, 404);
        QCOMPARE(PlayerApis::heresphereIndex(library, host, "{\"user").status, 400);
        QCOMPARE(PlayerApis::heresphereVideo(library, store, host, "id0", "[1]").status, 400);
        QCOMPARE(parse(PlayerApis::projectionList(library, store)).value("id4").toObject().value("source").toString(),
                 QStringLiteral("user"));
    }

    void host_data()
    {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ip and port") << QByteArray("192.0.2.7:1234") << "192.0.2.7:1234";
        QTest::newRow("name") << QByteArray(" pc.local ") << "pc.local";
        QTest::newRow("ipv6") << QByteArray("[fe80::1]:80") << "[fe80::1]:80";
        QTest::newRow("missing") << QByteArray() << "fallback:1";
        QTest::newRow("path") << QByteArray("evil/x") << "fallback:1";
    }
    void host()
    {
        QFETCH(QByteArray, header);
        QTEST(PlayerApis::requestHost(header, QStringLiteral("fallback:1")), "expected");
    }

    void gzip_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QByteArray>("accept");
        QTest::addColumn<bool>("packed");
        QTest::newRow("large, gzip") << 20000 << QByteArray("deflate, gzip;q=0.8") << true;
        QTest::newRow("large, refused") << 20000 << QByteArray("gzip;q=0") << false;
        QTest::newRow("large, none") << 20000 << QByteArray() << false;
        QTest::newRow("small") << 1000 << QByteArray("gzip") << false;
    }
    void gzip()
    {
        QFETCH(int, size);
        QFETCH(QByteArray, accept);
        PlayerApis::Answer answer;
        for (int i = 0; answer.body.size() < size; ++i)
            answer.body += QByteArray::number(i * 7919) + ',';
        const QByteArray plain = answer.body;
        PlayerApis::compressFor(answer, accept);
        QFETCH(bool, packed);
        QCOMPARE(answer.headers.contains({"Content-Encoding", "gzip"}), packed);
        if (!packed) {
            QCOMPARE(answer.body, plain);
            return;
        }
        const QString file = dir.filePath(QStringLiteral("body.gz"));
        QVERIFY(TestSupport::writeFile(file, answer.body));
        int code = -1;
        QCOMPARE(TestSupport::run(QStringLiteral("gzip"), {QStringLiteral("-dc"), file}, &code), plain);
        QCOMPARE(code, 0);
    }

private:
    QTemporaryDir dir;
};

QTEST_GUILESS_MAIN(TestProjection)
#include "tst_projection.moc"
