#include "mediaprobe.h"

#include <QBuffer>
#include <QDebug>
#include <QImage>
#include <QSaveFile>

#include <cstdarg>
#include <memory>
#include <mutex>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
#include <libavutil/log.h>
#include <libswscale/swscale.h>
}

namespace {

// Owners of the FFmpeg objects: each early return releases what exists.
struct FormatCloser {
    void operator()(AVFormatContext *context) const { avformat_close_input(&context); }
};
struct CodecContextFreer {
    void operator()(AVCodecContext *context) const { avcodec_free_context(&context); }
};
struct FrameFreer {
    void operator()(AVFrame *frame) const { av_frame_free(&frame); }
};
struct PacketFreer {
    void operator()(AVPacket *packet) const { av_packet_free(&packet); }
};
struct SwsFreer {
    void operator()(SwsContext *context) const { sws_freeContext(context); }
};
struct DictFreer {
    void operator()(AVDictionary *dict) const { av_dict_free(&dict); }
};

using FormatPtr = std::unique_ptr<AVFormatContext, FormatCloser>;
using CodecContextPtr = std::unique_ptr<AVCodecContext, CodecContextFreer>;
using FramePtr = std::unique_ptr<AVFrame, FrameFreer>;
using PacketPtr = std::unique_ptr<AVPacket, PacketFreer>;
using SwsPtr = std::unique_ptr<SwsContext, SwsFreer>;

// FFmpeg hands its log over in pieces; a line is passed on when complete.
void logToQt(void *avClass, int level, const char *format, va_list args)
{
    if (level > av_log_get_level())
        return;
    thread_local int printPrefix = 1;
    thread_local QByteArray pending;
    char line[1024];
    va_list copy;
    va_copy(copy, args);
    av_log_format_line2(avClass, level, format, copy, line, sizeof line, &printPrefix);
    va_end(copy);
    pending += line;
    if (!pending.endsWith('\n'))
        return;
    pending.chop(1);
    if (level <= AV_LOG_WARNING)
        qWarning().noquote() << "ffmpeg:" << QString::fromUtf8(pending);
    else
        qDebug().noquote() << "ffmpeg:" << QString::fromUtf8(pending);
    pending.clear();
}

// Scales the decoded picture straight to the poster size: no full-size
// copy of a picture is ever made, which on a 5.7K video is 50 MB per copy.
// The converter is made once the first key frame shows the real pixel
// format (some streams only reveal it when decoded).
class PosterScaler
{
public:
    QImage scale(const AVFrame *picture)
    {
        const QSize size = MediaProbe::posterSize();
        if (!m_sws || picture->width != m_width || picture->height != m_height || picture->format != m_format) {
            // Point sampling as designed, so every poster pixel is a source
            // pixel. SWS_FULL_CHR_H_INT gives each poster pixel its own
            // chroma sample, as converting the whole picture did (without
            // it neighbours share one); SWS_ACCURATE_RND keeps swscale off
            // its SIMD YUV-to-RGB shortcuts and their rounding.
            m_sws.reset(sws_getContext(picture->width, picture->height, AVPixelFormat(picture->format),
                                       size.width(), size.height(), AV_PIX_FMT_RGB24,
                                       SWS_POINT | SWS_ACCURATE_RND | SWS_FULL_CHR_H_INT, nullptr, nullptr, nullptr));
            m_width = picture->width;
            m_height = picture->height;
            m_format = picture->format;
        }
        if (!m_sws)
            return QImage();
        // RGB24 bytes are what QImage::Format_RGB888 holds.
        QImage poster(size, QImage::Format_RGB888);
        if (poster.isNull())
            return poster;
        uint8_t *const target[4] = {poster.bits(), nullptr, nullptr, nullptr};
        const int targetLinesize[4] = {int(poster.bytesPerLine()), 0, 0, 0};
        if (sws_scale(m_sws.get(), picture->data, picture->linesize, 0, picture->height, target, targetLinesize)
            != size.height())
            return QImage();
        return poster;
    }

private:
    SwsPtr m_sws;
    int m_width = 0;
    int m_height = 0;
    int m_format = AV_PIX_FMT_NONE;
};

// While a key packet is decoded, every picture buffer after the first is
// one shared spare. An HEVC decoder entering at a CRA picture makes a grey
// stand-in for each reference its leading pictures name (four full-size
// pictures for x265's defaults) and writes them all before the key
// picture's own samples, which depend on none of them; the key picture is
// drained before anything else is decoded, so nothing overwrites it.
class KeyPacketBuffers
{
public:
    explicit KeyPacketBuffers(AVCodecContext *codec)
    {
        codec->opaque = this;
        codec->get_buffer2 = &KeyPacketBuffers::getBuffer;
    }
    bool ready() const { return m_spare != nullptr; }
    void setKeyPacket(bool key)
    {
        m_sharing = key;
        m_handed = 0;
    }

private:
    static int getBuffer(AVCodecContext *codec, AVFrame *frame, int flags)
    {
        auto *self = static_cast<KeyPacketBuffers *>(codec->opaque);
        if (!self->m_sharing || self->m_handed++ == 0)
            return avcodec_default_get_buffer2(codec, frame, flags);
        AVFrame *spare = self->m_spare.get();
        if (!spare->buf[0] || spare->width != frame->width || spare->height != frame->height
            || spare->format != frame->format) {
            av_frame_unref(spare);
            spare->width = frame->width;
            spare->height = frame->height;
            spare->format = frame->format;
            const int made = avcodec_default_get_buffer2(codec, spare, flags);
            if (made < 0)
                return made;
        }
        for (int i = 0; i < AV_NUM_DATA_POINTERS; ++i) {
            if (spare->buf[i] && !(frame->buf[i] = av_buffer_ref(spare->buf[i]))) {
                av_frame_unref(frame);
                return AVERROR(ENOMEM);
            }
            frame->data[i] = spare->data[i];
            frame->linesize[i] = spare->linesize[i];
        }
        frame->extended_data = frame->data;
        return 0;
    }

    FramePtr m_spare{av_frame_alloc()};
    bool m_sharing = false;
    int m_handed = 0;
};

enum class PosterResult { Written, OpenFailed, Failed };

PosterResult savePoster(const AVFrame *picture, PosterScaler &scaler, const QString &posterPath,
                        const QByteArray &path)
{
    const QImage poster = scaler.scale(picture);
    if (poster.isNull()) {
        qDebug() << "sws get context failed!" << path;
        return PosterResult::Failed;
    }
    QByteArray png;
    QBuffer pngBuffer(&png);
    pngBuffer.open(QIODevice::WriteOnly);
    if (!poster.save(&pngBuffer, "PNG")) {
        qDebug() << "png encode failed!" << path;
        return PosterResult::Failed;
    }
    // Written in one step, so no half poster is ever left behind.
    QSaveFile file(posterPath);
    if (!file.open(QIODevice::WriteOnly)) {
        qDebug() << "poster file open failed!" << posterPath << file.errorString() << path;
        return PosterResult::OpenFailed;
    }
    if (file.write(png) != png.size() || !file.commit()) {
        qDebug() << "poster file write failed!" << posterPath << file.errorString() << path;
        return PosterResult::Failed;
    }
    return PosterResult::Written;
}

} // namespace

void MediaProbe::installLogHandler()
{
    static std::once_flag once;
    std::call_once(once, [] { av_log_set_callback(logToQt); });
}

int MediaProbe::vid2picretdur(const QByteArray &path, const QString &posterPath)
{
    installLogHandler();

    AVFormatContext *rawFormat = avformat_alloc_context();
    if (!rawFormat) {
        qDebug() << "av open input file failed!" << path;
        return 0;
    }
    // Only the local file: the path is never read as another protocol's
    // address, and a playlist disguised as a video cannot reach the network.
    AVDictionary *rawOptions = nullptr;
    av_dict_set(&rawOptions, "protocol_whitelist", "file", 0);
    std::unique_ptr<AVDictionary, DictFreer> options(rawOptions);
    const QByteArray url = QByteArrayLiteral("file:") + path;
    {
        AVDictionary *opts = options.release();
        const int opened = avformat_open_input(&rawFormat, url.constData(), nullptr, &opts);
        options.reset(opts);
        if (opened != 0) {
            // avformat_open_input has freed the context.
            qDebug() << "av open input file failed!" << path;
            return 0;
        }
    }
    FormatPtr format(rawFormat);

    if (avformat_find_stream_info(format.get(), nullptr) < 0) {
        qDebug() << "av find stream info failed!" << path;
        return 0;
    }

    int videoStream = -1;
    for (unsigned i = 0; i < format->nb_streams; ++i) {
        if (format->streams[i]->codecpar->codec_type == AVMEDIA_TYPE_VIDEO) {
            videoStream = int(i);
            break;
        }
    }
    if (videoStream < 0) {
        qDebug() << "find video stream failed!" << path;
        return 0;
    }
    const AVCodecParameters *parameters = format->streams[videoStream]->codecpar;

    const AVCodec *decoder = avcodec_find_decoder(parameters->codec_id);
    if (!decoder) {
        qDebug() << "avcode find decoder failed!" << path;
        return 0;
    }
    CodecContextPtr codec(avcodec_alloc_context3(decoder));
    if (!codec || avcodec_parameters_to_context(codec.get(), parameters) < 0) {
        qDebug() << "avcode open failed!" << path;
        return 0;
    }
    KeyPacketBuffers buffers(codec.get());
    // One thread decodes the one picture wanted; saying so keeps libavcodec
    // from warning, at every probe, that frame threads would not take the
    // buffer callback.
    codec->thread_type = FF_THREAD_SLICE;
    if (!buffers.ready() || avcodec_open2(codec.get(), decoder, nullptr) < 0) {
        qDebug() << "avcode open failed!" << path;
        return 0;
    }

    FramePtr picture(av_frame_alloc());
    if (!picture) {
        qDebug() << "avcodec alloc frame failed!" << path;
        return 0;
    }
    PosterScaler scaler;
    PacketPtr packet(av_packet_alloc());
    if (!packet) {
        qDebug() << "av packet alloc failed!" << path;
        return 0;
    }

    // A container without a duration gives 0 and the poster from the start.
    int seconds = 0;
    if (format->duration != AV_NOPTS_VALUE && format->duration > 0) {
        seconds = int(format->duration / AV_TIME_BASE);
        const int64_t target = int64_t(seconds / 2) * AV_TIME_BASE;
        av_seek_frame(format.get(), -1, target, AVSEEK_FLAG_BACKWARD);
    } else {
        qDebug() << "no duration in the container, poster from the start" << path;
    }

    // The first key frame ends the search, whether its poster is written or not.
    bool posterOpenFailed = false;
    auto takeKeyFrame = [&] {
        posterOpenFailed = savePoster(picture.get(), scaler, posterPath, path) == PosterResult::OpenFailed;
    };

    // Takes what the decoder has ready; true when it gave any picture.
    bool done = false;
    auto receivePictures = [&] {
        bool gotPicture = false;
        while (!done && avcodec_receive_frame(codec.get(), picture.get()) >= 0) {
            gotPicture = true;
            if (picture->key_frame == 1) {
                takeKeyFrame();
                done = true;
            }
            av_frame_unref(picture.get());
        }
        return gotPicture;
    };

    int videoPackets = 0;
    bool limitReached = false;
    while (!done && av_read_frame(format.get(), packet.get()) >= 0) {
        if (packet->stream_index != videoStream) {
            av_packet_unref(packet.get());
            continue;
        }
        ++videoPackets;
        const bool keyPacket = packet->flags & AV_PKT_FLAG_KEY;
        buffers.setKeyPacket(keyPacket);
        bool gotPicture = avcodec_send_packet(codec.get(), packet.get()) >= 0 && receivePictures();
        buffers.setKeyPacket(false);
        av_packet_unref(packet.get());
        // A decoder that reorders holds the key frame back until several
        // later pictures are decoded, each full-size (four of 50 MB for a
        // 5.7K HEVC stream). Draining hands it out at once; a key frame
        // depends on no other picture, so it is the same picture. If none
        // came, the decoder starts afresh with the next packet.
        if (!done && keyPacket) {
            gotPicture = (avcodec_send_packet(codec.get(), nullptr) >= 0 && receivePictures()) || gotPicture;
            if (!done)
                avcodec_flush_buffers(codec.get());
        }
        if (!gotPicture && videoPackets == packetLimit) {
            qDebug() << "index == 1000!" << path;
            limitReached = true;
            done = true;
        }
    }
    // At the end of the file the decoder may still hold pictures.
    if (!done && !limitReached && avcodec_send_packet(codec.get(), nullptr) >= 0)
        receivePictures();
    if (!done && !limitReached)
        qDebug() << "no key frame found for the poster" << path;

    if (posterOpenFailed)
        return 0;
    return seconds;
}
