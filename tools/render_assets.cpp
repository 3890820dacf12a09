// Renders every image of Corvane's skin into resources/: icons, buttons,
// popups, the default poster. Built and run by tools/render-assets.sh.
//
// One look throughout: teal accent #00ecf6 (deep teal #00a9c0 for fills
// that carry white text), light pages #F1F1F1, greys #6d6d6d, #959595,
// #9da1a3, white cards with a soft shadow, round line icons.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStringList>
#include <QTextStream>
#include <QXmlStreamReader>
#include <cmath>
#include <cstdio>

namespace {

const QColor kTeal(0x00, 0xec, 0xf6);
const QColor kDeepTeal(0x00, 0xa9, 0xc0);
const QColor kGreyDark(0x6d, 0x6d, 0x6d);
const QColor kGreyMid(0x95, 0x95, 0x95);
const QColor kGreyLight(0x9d, 0xa1, 0xa3);
const QColor kPage(0xf1, 0xf1, 0xf1);
const QColor kLine(0xd9, 0xdd, 0xdf);
const QColor kRed(0xf0, 0x5a, 0x5a);
const QColor kDeepRed(0xd4, 0x3f, 0x3f);

QString g_root;
int g_written = 0;

QImage canvas(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void save(const QImage &image, const QString &relative)
{
    const QString path = g_root + QLatin1Char('/') + relative;
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG", 9)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    ++g_written;
}

void antialias(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);
}

QFont uiFont(qreal px, int weight = QFont::Normal, const QString &family = QStringLiteral("Noto Sans CJK SC"))
{
    QFont font(family);
    font.setPixelSize(int(px));
    font.setWeight(weight);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// Box blur of the alpha channel, three passes (close to a Gaussian).
QImage blurred(const QImage &source, int radius)
{
    QImage image = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = image.width(), h = image.height();
    QVector<int> alpha(w * h), tmp(w * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            alpha[y * w + x] = qAlpha(image.pixel(x, y));
    // One box pass along lines of `length` values `step` apart; lines start
    // `lineStep` apart.
    auto boxPass = [radius](const QVector<int> &from, QVector<int> &to, int lines, int lineStep, int length,
                            int step) {
        for (int line = 0; line < lines; ++line) {
            for (int i = 0; i < length; ++i) {
                int sum = 0, n = 0;
                for (int k = -radius; k <= radius; ++k) {
                    const int j = i + k;
                    if (j >= 0 && j < length) {
                        sum += from[line * lineStep + j * step];
                        ++n;
                    }
                }
                to[line * lineStep + i * step] = sum / n;
            }
        }
    };
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(alpha, tmp, h, w, w, 1); // along rows
        boxPass(tmp, alpha, w, 1, h, w); // along columns
    }
    QImage out(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            out.setPixel(x, y, qRgba(0, 0, 0, alpha[y * w + x]));
    return out;
}

// A white card with rounded corners and a soft shadow, inset by `margin`.
QImage card(int w, int h, int margin, qreal radius, bool headerLine)
{
    QImage shadowShape = canvas(w, h);
    {
        QPainter p(&shadowShape);
        antialias(p);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 55));
        p.drawRoundedRect(QRectF(margin, margin + 1, w - 2 * margin, h - 2 * margin), radius, radius);
    }
    QImage image = canvas(w, h);
    QPainter p(&image);
    antialias(p);
    p.drawImage(0, 0, blurred(shadowShape, qMax(2, margin * 2 / 3)));
    const QRectF body(margin, margin, w - 2 * margin, h - 2 * margin);
    QPainterPath path;
    path.addRoundedRect(body, radius, radius);
    p.setPen(QPen(QColor(0, 0, 0, 18), 1));
    p.setBrush(Qt::white);
    p.drawPath(path);
    // A thin teal accent along the top edge, clipped to the card's shape.
    p.save();
    p.setClipPath(path);
    QLinearGradient accent(body.topLeft(), body.topRight());
    accent.setColorAt(0, kTeal);
    accent.setColorAt(1, kDeepTeal);
    p.fillRect(QRectF(body.left(), body.top(), body.width(), 4), accent);
    p.restore();
    if (headerLine) {
        p.setPen(QPen(QColor(0xe8, 0xea, 0xeb), 1));
        p.drawLine(QPointF(body.left() + 20, margin + 50.5), QPointF(body.right() - 20, margin + 50.5));
    }
    return image;
}

// A pill-shaped button face.
QImage pill(int w, int h, const QColor &fill, const QColor &border, bool gradient)
{
    QImage image = canvas(w, h);
    QPainter p(&image);
    antialias(p);
    const QRectF r(1, 1, w - 2, h - 2);
    if (gradient) {
        QLinearGradient g(r.topLeft(), r.bottomRight());
        g.setColorAt(0, fill.lighter(112));
        g.setColorAt(1, fill);
        p.setBrush(g);
    } else {
        p.setBrush(fill);
    }
    p.setPen(border.alpha() ? QPen(border, 1.2) : Qt::NoPen);
    p.drawRoundedRect(r, r.height() / 2, r.height() / 2);
    return image;
}

// Line icons on a 24-unit grid, drawn into `box`.
enum class Glyph { Home, Guide, About, Plus, Trash, Check, Minimize, Close, Play };

void drawGlyph(QPainter &p, Glyph glyph, const QRectF &box, const QColor &color, qreal stroke = 2.0)
{
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 24.0, box.height() / 24.0);
    QPen pen(color, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    switch (glyph) {
    case Glyph::Home: {
        QPainterPath roof;
        roof.moveTo(3, 11.5);
        roof.lineTo(12, 3.5);
        roof.lineTo(21, 11.5);
        p.drawPath(roof);
        QPainterPath body;
        body.moveTo(5.5, 9.5);
        body.lineTo(5.5, 20.5);
        body.lineTo(18.5, 20.5);
        body.lineTo(18.5, 9.5);
        p.drawPath(body);
        p.drawRoundedRect(QRectF(10, 14, 4, 6.5), 1, 1);
        break;
    }
    case Glyph::Guide: {
        QPainterPath book;
        book.moveTo(12, 6);
        book.cubicTo(9.5, 4.2, 6, 4, 3, 4.8);
        book.lineTo(3, 19);
        book.cubicTo(6, 18.2, 9.5, 18.4, 12, 20);
        book.cubicTo(14.5, 18.4, 18, 18.2, 21, 19);
        book.lineTo(21, 4.8);
        book.cubicTo(18, 4, 14.5, 4.2, 12, 6);
        book.lineTo(12, 20);
        p.drawPath(book);
        break;
    }
    case Glyph::About: {
        p.drawEllipse(QPointF(12, 12), 9, 9);
        p.drawLine(QPointF(12, 11), QPointF(12, 16.5));
        p.setBrush(color);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(12, 7.6), 1.3, 1.3);
        break;
    }
    case Glyph::Plus:
        p.drawLine(QPointF(12, 5), QPointF(12, 19));
        p.drawLine(QPointF(5, 12), QPointF(19, 12));
        break;
    case Glyph::Trash: {
        p.drawLine(QPointF(4, 6.5), QPointF(20, 6.5));
        QPainterPath lid;
        lid.moveTo(9, 6.5);
        lid.lineTo(9.5, 4);
        lid.lineTo(14.5, 4);
        lid.lineTo(15, 6.5);
        p.drawPath(lid);
        QPainterPath can;
        can.moveTo(6, 6.5);
        can.lineTo(7, 20);
        can.lineTo(17, 20);
        can.lineTo(18, 6.5);
        p.drawPath(can);
        p.drawLine(QPointF(10, 10), QPointF(10.3, 16.5));
        p.drawLine(QPointF(14, 10), QPointF(13.7, 16.5));
        break;
    }
    case Glyph::Check: {
        QPainterPath tick;
        tick.moveTo(6, 12.5);
        tick.lineTo(10.3, 16.5);
        tick.lineTo(18, 8);
        p.drawPath(tick);
        break;
    }
    case Glyph::Minimize:
        p.drawLine(QPointF(6, 12), QPointF(18, 12));
        break;
    case Glyph::Close:
        p.drawLine(QPointF(7, 7), QPointF(17, 17));
        p.drawLine(QPointF(17, 7), QPointF(7, 17));
        break;
    case Glyph::Play: {
        QPainterPath tri;
        tri.moveTo(9, 6.5);
        tri.lineTo(18, 12);
        tri.lineTo(9, 17.5);
        tri.closeSubpath();
        p.setBrush(color);
        p.drawPath(tri);
        break;
    }
    }
    p.restore();
}

// The logo: a teal tile holding a white headset visor with a play mark.
QImage logo(int size)
{
    QImage image = canvas(size, size);
    QPainter p(&image);
    antialias(p);
    const qreal s = size;
    const QRectF tile(s * 0.03, s * 0.03, s * 0.94, s * 0.94);
    QLinearGradient g(tile.topLeft(), tile.bottomRight());
    g.setColorAt(0, kTeal);
    g.setColorAt(1, kDeepTeal);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(tile, s * 0.22, s * 0.22);
    // Visor: a wide rounded shape with a notch for the nose.
    QPainterPath visor;
    const qreal l = s * 0.16, r = s * 0.84, t = s * 0.31, b = s * 0.69;
    const qreal rad = s * 0.12;
    visor.moveTo(l + rad, t);
    visor.lineTo(r - rad, t);
    visor.quadTo(r, t, r, t + rad);
    visor.lineTo(r, b - rad);
    visor.quadTo(r, b, r - rad, b);
    visor.lineTo(s * 0.60, b);
    visor.quadTo(s * 0.5, b - s * 0.13, s * 0.40, b);
    visor.lineTo(l + rad, b);
    visor.quadTo(l, b, l, b - rad);
    visor.lineTo(l, t + rad);
    visor.quadTo(l, t, l + rad, t);
    p.setBrush(Qt::white);
    p.drawPath(visor);
    if (size >= 24) {
        QPainterPath tri;
        tri.moveTo(s * 0.445, s * 0.37);
        tri.lineTo(s * 0.605, s * 0.455);
        tri.lineTo(s * 0.445, s * 0.54);
        tri.closeSubpath();
        p.setBrush(kDeepTeal);
        p.drawPath(tri);
    }
    return image;
}

// Title-bar button: a glyph alone, on a soft disc when hovered or pressed.
QImage titleButton(Glyph glyph, int state, bool isClose)
{
    const int w = 40, h = 40;
    QImage image = canvas(w, h);
    QPainter p(&image);
    antialias(p);
    QColor glyphColor = kGreyLight;
    if (state == 1) {
        p.setPen(Qt::NoPen);
        p.setBrush(isClose ? kRed : QColor(0xe6, 0xf9, 0xfa));
        p.drawEllipse(QRectF(4, 4, 32, 32));
        glyphColor = isClose ? Qt::white : kDeepTeal;
    } else if (state == 2) {
        p.setPen(Qt::NoPen);
        p.setBrush(isClose ? kDeepRed : kDeepTeal);
        p.drawEllipse(QRectF(4, 4, 32, 32));
        glyphColor = Qt::white;
    }
    drawGlyph(p, glyph, QRectF(10, 10, 20, 20), glyphColor, 2.0);
    return image;
}

// Small close cross for dialog corners (w x h, glyph centred at the right).
QImage cornerClose(int w, int h, int state)
{
    QImage image = canvas(w, h);
    QPainter p(&image);
    antialias(p);
    const qreal d = h;
    const QRectF disc(w - d - 4, 0, d, d);
    QColor glyphColor = kGreyLight;
    if (state == 1) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xe6, 0xf9, 0xfa));
        p.drawEllipse(disc);
        glyphColor = kDeepTeal;
    } else if (state == 2) {
        p.setPen(Qt::NoPen);
        p.setBrush(kDeepTeal);
        p.drawEllipse(disc);
        glyphColor = Qt::white;
    }
    drawGlyph(p, Glyph::Close, disc.adjusted(2, 2, -2, -2), glyphColor, 2.4);
    return image;
}

// Navigation entry: a pill with the icon at its left; the text is drawn by
// the button itself, to the right of the icon.
QImage navButton(Glyph glyph, int state)
{
    const int w = 124, h = 40;
    QImage image = canvas(w, h);
    QPainter p(&image);
    antialias(p);
    QColor glyphColor = kGreyDark;
    if (state == 1) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xee, 0xf1, 0xf2));
        p.drawRoundedRect(QRectF(1, 1, w - 2, h - 2), 19, 19);
        glyphColor = kGreyMid;
    } else if (state == 2) {
        QLinearGradient g(0, 0, w, h);
        g.setColorAt(0, QColor(0x00, 0xc6, 0xd6));
        g.setColorAt(1, kDeepTeal);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(QRectF(1, 1, w - 2, h - 2), 19, 19);
        glyphColor = Qt::white;
    }
    drawGlyph(p, glyph, QRectF(16, 10, 20, 20), glyphColor, 1.9);
    return image;
}

// Library tool button (64 x 64): a round button with a glyph.
QImage toolButton(Glyph glyph, int state)
{
    const int s = 64;
    QImage image = canvas(s, s);
    QPainter p(&image);
    antialias(p);
    const QRectF disc(8, 8, 48, 48);
    // Soft drop shadow under the disc.
    QImage shadow = canvas(s, s);
    {
        QPainter sp(&shadow);
        antialias(sp);
        sp.setPen(Qt::NoPen);
        sp.setBrush(QColor(0, 0, 0, state == 2 ? 40 : 55));
        sp.drawEllipse(disc.translated(0, 2));
    }
    p.drawImage(0, 0, blurred(shadow, 3));
    QColor glyphColor;
    if (state == 0) {
        p.setPen(QPen(kLine, 1));
        p.setBrush(Qt::white);
        glyphColor = kDeepTeal;
    } else if (state == 1) {
        p.setPen(QPen(kTeal, 1.5));
        p.setBrush(QColor(0xf0, 0xfd, 0xfe));
        glyphColor = kDeepTeal;
    } else {
        QLinearGradient g(disc.topLeft(), disc.bottomRight());
        g.setColorAt(0, QColor(0x00, 0xd2, 0xe0));
        g.setColorAt(1, kDeepTeal);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        glyphColor = Qt::white;
    }
    p.drawEllipse(disc);
    drawGlyph(p, glyph, QRectF(20, 20, 24, 24), glyphColor, 2.2);
    return image;
}

// The selection check of delete mode (20 x 20).
QImage checkMark(int state)
{
    const int s = 20;
    QImage image = canvas(s, s);
    QPainter p(&image);
    antialias(p);
    const QRectF disc(1.5, 1.5, 17, 17);
    if (state == 2) {
        p.setPen(Qt::NoPen);
        p.setBrush(kDeepTeal);
        p.drawEllipse(disc);
        drawGlyph(p, Glyph::Check, QRectF(3, 3, 14, 14), Qt::white, 3.0);
    } else {
        p.setPen(QPen(state == 1 ? kDeepTeal : kGreyLight, 1.5));
        p.setBrush(QColor(255, 255, 255, 235));
        p.drawEllipse(disc);
        if (state == 1)
            drawGlyph(p, Glyph::Check, QRectF(3, 3, 14, 14), QColor(0x00, 0xa9, 0xc0, 140), 3.0);
    }
    return image;
}

// The banner over a tile whose video file is gone (212 x 28).
QImage missingBanner(const QString &text, const QString &family)
{
    const int w = 212, h = 28;
    QImage image = canvas(w, h);
    QPainter p(&image);
    antialias(p);
    p.fillRect(QRect(0, 0, w, h), QColor(0x2b, 0x2f, 0x33, 200));
    p.fillRect(QRect(0, 0, 4, h), kRed);
    // A small warning mark before the text.
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawEllipse(QRectF(12, 7, 14, 14));
    p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(19, 10), QPointF(19, 14.5));
    p.drawPoint(QPointF(19, 17.6));
    p.setPen(Qt::white);
    QFont font = uiFont(13, QFont::Medium, family);
    QFontMetricsF metrics(font);
    while (metrics.horizontalAdvance(text) > w - 40 && font.pixelSize() > 9) {
        font.setPixelSize(font.pixelSize() - 1);
        metrics = QFontMetricsF(font);
    }
    p.setFont(font);
    p.drawText(QRectF(32, 0, w - 36, h), Qt::AlignVCenter | Qt::AlignLeft, text);
    return image;
}

// What a catalogue (a .ts file) gives for a source text of a context; empty
// when the text is missing or not finished there.
QString catalogueText(const QString &path, const QString &context, const QString &source)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QXmlStreamReader xml(&file);
    QString currentContext, currentSource;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            currentContext = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            currentSource = xml.readElementText();
        else if (xml.name() == QLatin1String("translation") && currentContext == context && currentSource == source)
            return xml.attributes().value(QLatin1String("type")).isEmpty() ? xml.readElementText() : QString();
    }
    return QString();
}

// The default poster: a deep gradient with a play mark, no text, so it
// suits every language.
QImage defaultPoster(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    antialias(p);
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, QColor(0x1d, 0x3b, 0x45));
    g.setColorAt(1, QColor(0x10, 0x1e, 0x26));
    p.fillRect(image.rect(), g);
    QRadialGradient glow(w * 0.5, h * 0.5, w * 0.45);
    glow.setColorAt(0, QColor(0x00, 0xec, 0xf6, 60));
    glow.setColorAt(1, QColor(0x00, 0xec, 0xf6, 0));
    p.fillRect(image.rect(), glow);
    // Film perforations along top and bottom.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 26));
    const qreal hole = h * 0.05;
    for (qreal x = hole; x < w; x += hole * 2.4) {
        p.drawRoundedRect(QRectF(x, hole * 0.6, hole * 1.3, hole), hole * 0.25, hole * 0.25);
        p.drawRoundedRect(QRectF(x, h - hole * 1.6, hole * 1.3, hole), hole * 0.25, hole * 0.25);
    }
    const qreal r = h * 0.2;
    const QPointF c(w * 0.5, h * 0.5);
    p.setPen(QPen(QColor(0x00, 0xec, 0xf6, 230), qMax(1.5, h * 0.018)));
    p.setBrush(QColor(255, 255, 255, 20));
    p.drawEllipse(c, r, r);
    drawGlyph(p, Glyph::Play, QRectF(c.x() - r * 0.62, c.y() - r * 0.62, r * 1.24, r * 1.24), QColor(0x00, 0xec, 0xf6), 0.5);
    return image;
}

// The empty-library picture (236 x 236): a dashed drop zone with a plus.
QImage addVideo()
{
    const int s = 236;
    QImage image = canvas(s, s);
    QPainter p(&image);
    antialias(p);
    const QRectF zone(10, 10, s - 20, s - 20);
    p.setBrush(QColor(255, 255, 255, 150));
    QPen dash(kGreyLight, 2.5, Qt::CustomDashLine, Qt::RoundCap);
    dash.setDashPattern({4, 3});
    p.setPen(dash);
    p.drawRoundedRect(zone, 28, 28);
    // A film frame with a play mark...
    const QRectF film(58, 62, 120, 84);
    p.setPen(QPen(kGreyLight, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawRoundedRect(film, 12, 12);
    drawGlyph(p, Glyph::Play, QRectF(98, 84, 40, 40), kGreyLight, 1.0);
    // ...and a teal plus badge at its corner.
    const QPointF badge(172, 150);
    QLinearGradient g(badge - QPointF(24, 24), badge + QPointF(24, 24));
    g.setColorAt(0, kTeal);
    g.setColorAt(1, kDeepTeal);
    p.setPen(QPen(Qt::white, 4));
    p.setBrush(g);
    p.drawEllipse(badge, 26, 26);
    drawGlyph(p, Glyph::Plus, QRectF(badge.x() - 15, badge.y() - 15, 30, 30), Qt::white, 2.6);
    return image;
}

// Progress bar parts: the track (stretched) and two tileable chunk faces.
QImage progressTrack()
{
    QImage image = canvas(40, 12);
    QPainter p(&image);
    antialias(p);
    p.setPen(QPen(QColor(0xdd, 0xe1, 0xe3), 1));
    p.setBrush(QColor(0xec, 0xee, 0xef));
    p.drawRoundedRect(QRectF(0.5, 0.5, 39, 11), 5.5, 5.5);
    return image;
}

QImage progressChunk(const QColor &base)
{
    // 24 x 24 with diagonal stripes of period 12: seamless in both directions.
    const int s = 24;
    QImage image(s, s, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    antialias(p);
    p.fillRect(image.rect(), base);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 45));
    for (int k = -2; k <= 4; ++k) {
        QPainterPath stripe;
        const qreal x = k * 12;
        stripe.moveTo(x, s);
        stripe.lineTo(x + 6, s);
        stripe.lineTo(x + 6 + s, 0);
        stripe.lineTo(x + s, 0);
        stripe.closeSubpath();
        p.drawPath(stripe);
    }
    return image;
}

// The frame around the QR code on the side panel (150 x 150).
QImage qrBackground()
{
    const int s = 150;
    QImage image = canvas(s, s);
    QPainter p(&image);
    antialias(p);
    p.setPen(QPen(QColor(0xe3, 0xe6, 0xe7), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(0.5, 0.5, s - 1, s - 1), 12, 12);
    // Scanner corner marks in teal.
    QPen pen(kDeepTeal, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    const qreal a = 9, l = 22, e = s - 9;
    p.drawPolyline(QPolygonF({QPointF(a, a + l), QPointF(a, a), QPointF(a + l, a)}));
    p.drawPolyline(QPolygonF({QPointF(e - l, a), QPointF(e, a), QPointF(e, a + l)}));
    p.drawPolyline(QPolygonF({QPointF(a, e - l), QPointF(a, e), QPointF(a + l, e)}));
    p.drawPolyline(QPolygonF({QPointF(e - l, e), QPointF(e, e), QPointF(e, e - l)}));
    return image;
}

// Network-state icons (48 x 48): Wi-Fi arcs, teal when connected, grey and
// struck through when not.
QImage wifi(bool connected)
{
    const int s = 48;
    QImage image = canvas(s, s);
    QPainter p(&image);
    antialias(p);
    p.translate(4, 4);
    const QColor color = connected ? kDeepTeal : kGreyLight;
    const QPointF c(20, 30);
    for (int i = 1; i <= 3; ++i) {
        const qreal r = 7.5 * i;
        p.setPen(QPen(color, 3.2, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 45 * 16, 90 * 16);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(c, 2.8, 2.8);
    if (!connected) {
        p.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 6), QPointF(32, 34));
        p.setPen(QPen(kRed, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 6), QPointF(32, 34));
    }
    return image;
}

// The guide page's offline picture (300 x 229): a cloud with a broken link.
QImage networkUnusual()
{
    const int w = 300, h = 229;
    QImage image = canvas(w, h);
    QPainter p(&image);
    antialias(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe4, 0xe8, 0xe9));
    p.drawEllipse(QRectF(40, 188, 220, 26));
    QPainterPath cloud;
    const QRectF puffs[] = {QRectF(62, 70, 90, 90), QRectF(112, 38, 110, 110), QRectF(180, 86, 72, 72)};
    for (const QRectF &puff : puffs) {
        QPainterPath circle;
        circle.addEllipse(puff);
        cloud = cloud.united(circle);
    }
    QPainterPath base;
    base.addRoundedRect(QRectF(62, 112, 190, 58), 29, 29);
    cloud = cloud.united(base);
    QLinearGradient g(0, 38, 0, 170);
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, QColor(0xf3, 0xf5, 0xf6));
    p.setBrush(g);
    p.setPen(QPen(kGreyLight, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(cloud);
    // Broken link: two chain halves with a gap and sparks.
    QPen link(kGreyMid, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(link);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(104, 104, 46, 22), 11, 11);
    p.drawRoundedRect(QRectF(166, 104, 46, 22), 11, 11);
    p.setPen(QPen(kRed, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(158, 86), QPointF(158, 96));
    p.drawLine(QPointF(146, 92), QPointF(151, 99));
    p.drawLine(QPointF(170, 92), QPointF(165, 99));
    // A refresh hint below: a circular arrow in teal.
    p.setPen(QPen(kDeepTeal, 3.5, Qt::SolidLine, Qt::RoundCap));
    const QRectF arc(146, 150, 24, 24);
    p.drawArc(arc, 60 * 16, 280 * 16);
    QPainterPath head;
    head.moveTo(166.5, 146.5);
    head.lineTo(167, 156);
    head.lineTo(158, 154);
    p.drawPath(head);
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <resources folder>\n", argv[0]);
        return 2;
    }
    g_root = QString::fromLocal8Bit(argv[1]);

    // Logo in the four sizes the program uses.
    for (int size : {16, 32, 48, 64})
        save(logo(size), QStringLiteral("Skin/ico/logo_%1X%1.png").arg(size));
    // The desktop icon at the usual hicolor sizes, for the package.
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        save(logo(size), QStringLiteral("../packaging/icons/hicolor/%1x%1/apps/corvane.png").arg(size));

    // Title bar.
    const char *states[] = {"normal", "selected", "press"};
    for (int s = 0; s < 3; ++s) {
        save(titleButton(Glyph::Minimize, s, false), QStringLiteral("Skin/new/bt_minimize_%1.png").arg(QLatin1String(states[s])));
        save(titleButton(Glyph::Close, s, true), QStringLiteral("Skin/new/bt_close_%1.png").arg(QLatin1String(states[s])));
    }
    const struct { const char *name; Glyph glyph; } nav[] = {
        {"home", Glyph::Home}, {"guide", Glyph::Guide}, {"about", Glyph::About}};
    const char *navStates[] = {"normal", "hover", "press"};
    for (const auto &entry : nav)
        for (int s = 0; s < 3; ++s)
            save(navButton(entry.glyph, s),
                 QStringLiteral("Skin/new/%1_%2_1.png").arg(QLatin1String(entry.name), QLatin1String(navStates[s])));

    // Pages.
    {
        QImage bg(64, 64, QImage::Format_ARGB32_Premultiplied);
        bg.fill(kPage);
        save(bg, QStringLiteral("Skin/new/my_bg.png"));
    }
    save(addVideo(), QStringLiteral("Skin/new/Add-video.png"));
    for (int s = 0; s < 3; ++s) {
        const char *names[] = {"normal", "hover", "press"};
        save(toolButton(Glyph::Plus, s), QStringLiteral("Skin/new/add_%1.png").arg(QLatin1String(names[s])));
        save(toolButton(Glyph::Trash, s), QStringLiteral("Skin/new/delete_%1.png").arg(QLatin1String(names[s])));
    }
    save(checkMark(0), QStringLiteral("Skin/new/delete_select_normal.png"));
    save(checkMark(1), QStringLiteral("Skin/new/delete_select_hover.png"));
    save(checkMark(2), QStringLiteral("Skin/new/delete_select_Press.png"));
    // The banners say what the catalogues say for a missing video file.
    const struct { const char *suffix, *catalogue, *family; } banners[] = {
        {"", "zh", "Noto Sans CJK SC"}, {"_us", "en", "Noto Sans CJK SC"}, {"_jp", "ja", "Noto Sans CJK JP"},
        {"_fr", "fr", "Noto Sans CJK SC"}, {"_it", "it", "Noto Sans CJK SC"}, {"_de", "de", "Noto Sans CJK SC"},
        {"_es", "es", "Noto Sans CJK SC"},
    };
    for (const auto &banner : banners) {
        const QString catalogue = g_root + QStringLiteral("/../translations/corvane_%1.ts").arg(QLatin1String(banner.catalogue));
        const QString text = catalogueText(catalogue, QStringLiteral("HomeSub"), QStringLiteral("Video file missing"));
        if (text.isEmpty()) {
            std::fprintf(stderr, "%s has no finished translation of the missing-video phrase\n", qPrintable(catalogue));
            return 1;
        }
        save(missingBanner(text, QLatin1String(banner.family)),
             QStringLiteral("Skin/new/delvideo%1.png").arg(QLatin1String(banner.suffix)));
    }
    save(defaultPoster(212, 119), QStringLiteral("Skin/new/DefaultPoster.png"));
    save(defaultPoster(640, 360), QStringLiteral("DefaultPoster/DefaultPoster.png"));

    // Popups and their buttons.
    save(card(510, 330, 8, 14, true), QStringLiteral("Skin/new/update_popup.png"));
    save(card(380, 220, 12, 14, false), QStringLiteral("Skin/new/popup_Version-update-prompt.png"));
    for (int width : {150, 200}) {
        const QString suffix = width == 150 ? QString() : QStringLiteral("_%1").arg(width);
        save(pill(width, 40, Qt::white, kLine, false), QStringLiteral("Skin/new/Button_normal%1.png").arg(suffix));
        save(pill(width, 40, QColor(0xf0, 0xfd, 0xfe), kTeal, false), QStringLiteral("Skin/new/Button_selected%1.png").arg(suffix));
        save(pill(width, 40, kDeepTeal, Qt::transparent, true), QStringLiteral("Skin/new/Button_press%1.png").arg(suffix));
    }
    save(pill(150, 40, kRed, Qt::transparent, true), QStringLiteral("Skin/new/red-Button_press.png"));
    for (int s = 0; s < 3; ++s) {
        const char *names[] = {"normal", "selected", "pressed"};
        save(cornerClose(48, 19, s), QStringLiteral("Skin/new/top_close_%1.png").arg(QLatin1String(names[s])));
    }
    save(cornerClose(50, 20, 0), QStringLiteral("Skin/new/bt_close_normal_1.png"));
    save(cornerClose(50, 20, 1), QStringLiteral("Skin/new/bt_close_selected_1.png"));
    save(progressTrack(), QStringLiteral("Skin/new/Download-progress_background.png"));
    save(progressChunk(kDeepTeal), QStringLiteral("Skin/new/Download-progress.png"));
    save(progressChunk(kRed), QStringLiteral("Skin/new/Download-failed.png"));

    // Side panel and guide page.
    save(qrBackground(), QStringLiteral("Skin/new/QR-Code-background.png"));
    save(wifi(true), QStringLiteral("Skin/new/wifi.png"));
    save(wifi(false), QStringLiteral("Skin/new/wifi_not-connected.png"));
    save(networkUnusual(), QStringLiteral("Skin/new/network_unusual.png"));

    std::printf("%d images written under %s\n", g_written, qPrintable(g_root));
    return 0;
}
