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
#include <libavutil/imgutils.h>
#include <libavutil/log.h>
#include <libavutil/mem.h>
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
struct AvFreer {
    void operator()(uint8_t *buffer) const { av_free(buffer); }
};
struct DictFreer {
    void operator()(AVDictionary *dict) const { av_dict_free(&dict); }
};

using FormatPtr = std::unique_ptr<AVFormatContext, FormatCloser>;
using CodecContextPtr = std::unique_ptr<AVCodecContext, CodecContextFreer>;
using FramePtr = std::unique_ptr<AVFrame, FrameFreer>;
using PacketPtr = std::unique_ptr<AVPacket, PacketFreer>;
using SwsPtr = std::unique_ptr<SwsContext, SwsFreer>;
using BufferPtr = std::unique_ptr<uint8_t, AvFreer>;

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

// The BGR24 target of the conversion. The buffer is made for the size the
// stream announces; the converter once the first key frame shows the real
// pixel format (some streams only reveal it when decoded), and both are
// remade only if the picture differs from what was announced.
struct Converter {
    SwsPtr sws;
    BufferPtr buffer;
    FramePtr frame;
    int width = 0;
    int height = 0;
    int format = AV_PIX_FMT_NONE;

    bool prepareBuffer(int w, int h)
    {
        if (buffer && w == width && h == height)
            return true;
        const int bytes = av_image_get_buffer_size(AV_PIX_FMT_BGR24, w, h, 1);
        if (bytes <= 0)
            return false;
        buffer.reset(static_cast<uint8_t *>(av_malloc(size_t(bytes))));
        if (!buffer)
            return false;
        // Rows of exactly width x 3 bytes.
        if (av_image_fill_arrays(frame->data, frame->linesize, buffer.get(), AV_PIX_FMT_BGR24, w, h, 1) < 0)
            return false;
        width = w;
        height = h;
        sws.reset();
        return true;
    }

    bool prepare(int w, int h, int sourceFormat)
    {
        if (!prepareBuffer(w, h))
            return false;
        if (!sws || sourceFormat != format) {
            // Point sampling as designed; SWS_ACCURATE_RND keeps swscale off
            // its SIMD YUV-to-RGB shortcut, which leaves the last columns of
            // a picture whose width is no multiple of 8 unwritten.
            sws.reset(sws_getContext(w, h, AVPixelFormat(sourceFormat), w, h, AV_PIX_FMT_BGR24,
                                     SWS_POINT | SWS_ACCURATE_RND, nullptr, nullptr, nullptr));
            format = sourceFormat;
        }
        return sws != nullptr;
    }
};

enum class PosterResult { Written, OpenFailed, Failed };

PosterResult savePoster(const AVFrame *picture, Converter &converter, const QString &posterPath,
                        const QByteArray &path)
{
    if (!converter.prepare(picture->width, picture->height, picture->format)) {
        qDebug() << "sws get context failed!" << path;
        return PosterResult::Failed;
    }
    sws_scale(converter.sws.get(), picture->data, picture->linesize, 0, picture->height, converter.frame->data,
              converter.frame->linesize);
    // BGR bytes read as RGB, then the first and third byte swapped.
    const QImage rgb = QImage(converter.buffer.get(), converter.width, converter.height, converter.width * 3,
                              QImage::Format_RGB888)
                           .rgbSwapped();
    const QImage poster = rgb.scaled(MediaProbe::posterSize(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
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
    if (avcodec_open2(codec.get(), decoder, nullptr) < 0) {
        qDebug() << "avcode open failed!" << path;
        return 0;
    }

    FramePtr picture(av_frame_alloc());
    Converter converter;
    converter.frame.reset(av_frame_alloc());
    if (!picture || !converter.frame) {
        qDebug() << "avcodec alloc frame failed!" << path;
        return 0;
    }
    if (!converter.prepareBuffer(codec->width, codec->height)) {
        qDebug() << "av malloc failed!" << path;
        return 0;
    }
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
        posterOpenFailed = savePoster(picture.get(), converter, posterPath, path) == PosterResult::OpenFailed;
    };

    int videoPackets = 0;
    bool done = false;
    bool limitReached = false;
    while (!done && av_read_frame(format.get(), packet.get()) >= 0) {
        if (packet->stream_index != videoStream) {
            av_packet_unref(packet.get());
            continue;
        }
        ++videoPackets;
        bool gotPicture = false;
        if (avcodec_send_packet(codec.get(), packet.get()) >= 0) {
            while (!done && avcodec_receive_frame(codec.get(), picture.get()) >= 0) {
                gotPicture = true;
                if (picture->key_frame == 1) {
                    takeKeyFrame();
                    done = true;
                }
                av_frame_unref(picture.get());
            }
        }
        if (!gotPicture && videoPackets == packetLimit) {
            qDebug() << "index == 1000!" << path;
            limitReached = true;
            done = true;
        }
        av_packet_unref(packet.get());
    }
    // At the end of the file the decoder may still hold pictures.
    if (!done && !limitReached && avcodec_send_packet(codec.get(), nullptr) >= 0) {
        while (!done && avcodec_receive_frame(codec.get(), picture.get()) >= 0) {
            if (picture->key_frame == 1) {
                takeKeyFrame();
                done = true;
            }
            av_frame_unref(picture.get());
        }
    }
    if (!done && !limitReached)
        qDebug() << "no key frame found for the poster" << path;

    if (posterOpenFailed)
        return 0;
    return seconds;
}
