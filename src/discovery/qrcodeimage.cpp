#include "discovery/qrcodeimage.h"

#include <QDebug>
#include <QPainter>

#include <qrencode.h>

#include <memory>

namespace {
// The scanner needs light around the code; the card behind it adds more.
const int kQuietModules = 2;
}

QImage QrCodeImage::render(const QString &text, int side)
{
    const QByteArray bytes = text.toUtf8();
    std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString8bit(bytes.constData(), 0, QR_ECLEVEL_M), &QRcode_free);
    if (!code) {
        qWarning() << "QR code: cannot encode" << text;
        return QImage();
    }
    const int modules = code->width;
    const int scale = side / (modules + 2 * kQuietModules);
    if (scale < 1) {
        qWarning() << "QR code:" << modules << "modules do not fit in" << side << "pixels";
        return QImage();
    }
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int offset = (side - modules * scale) / 2;
    QPainter painter(&image);
    for (int y = 0; y < modules; ++y) {
        for (int x = 0; x < modules; ++x) {
            // Bit 0 of each byte: the module is dark.
            if (code->data[y * modules + x] & 1)
                painter.fillRect(offset + x * scale, offset + y * scale, scale, scale, Qt::black);
        }
    }
    return image;
}
