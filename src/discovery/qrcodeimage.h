#pragma once

#include <QImage>
#include <QString>

// A QR code as a picture, encoded by libqrencode.
class QrCodeImage
{
public:
    // The code of text in black on white, drawn with whole pixels per module
    // and a quiet zone of at least two modules, centred in a square of side
    // pixels. A null image (logged) when the text cannot be encoded or does
    // not fit at one pixel per module.
    static QImage render(const QString &text, int side);
};
