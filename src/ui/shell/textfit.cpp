#include "textfit.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QTextDocument>

namespace {

// Everything from here to the end of a widget's style sheet is the fitter's.
const QString kMarker = QStringLiteral("\n/*textfit*/");

QString textOf(const QWidget *widget)
{
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    return QString();
}

bool isRichText(const QWidget *widget)
{
    auto *label = qobject_cast<const QLabel *>(widget);
    return label
        && (label->textFormat() == Qt::RichText
            || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text())));
}

int pixelSizeOf(const QFont &font)
{
    return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
}

bool fits(const QWidget *widget, const QString &text, int pixelSize)
{
    QFont font = widget->font();
    const QFontMetrics current(font);
    font.setPixelSize(pixelSize);
    const QFontMetrics metrics(font);
    if (auto *label = qobject_cast<const QLabel *>(widget)) {
        const int margin = label->margin();
        const QRect room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
        if (!label->wordWrap())
            return metrics.boundingRect(QRect(0, 0, 1 << 20, 1 << 20), 0, text).width() <= room.width();
        // Wrapped: every line as wide as the label at most, all lines within its height.
        const QRect needed = metrics.boundingRect(QRect(0, 0, room.width(), 1 << 20), Qt::TextWordWrap, text);
        return needed.width() <= room.width() && needed.height() <= room.height();
    }
    // A button's padding, icon and frame do not depend on the font: what its
    // size hint adds to the text now, it adds at any size; at least a little
    // air, so the text does not touch a rounded border image.
    const int kAir = 16;
    const int frame = qMax(kAir, widget->sizeHint().width() - current.horizontalAdvance(text));
    return frame + metrics.horizontalAdvance(text) <= widget->width();
}

// The largest size, from natural down, at which the text fits.
int fittingSize(const QWidget *widget, const QString &text, int natural)
{
    int size = natural;
    while (size > TextFit::kMinimumPixelSize && !fits(widget, text, size))
        --size;
    return size;
}

} // namespace

TextFit::TextFit(QWidget *widget) : QObject(widget), m_widget(widget)
{
    widget->installEventFilter(this);
}

void TextFit::keep(QWidget *widget)
{
    if (!widget || widget->findChild<TextFit *>(QString(), Qt::FindDirectChildrenOnly))
        return;
    (new TextFit(widget))->fit();
}

void TextFit::keep(std::initializer_list<QWidget *> widgets)
{
    for (QWidget *widget : widgets)
        keep(widget);
}

void TextFit::fit()
{
    if (m_fitting || isRichText(m_widget))
        return;
    m_fitting = true;
    const QString sheet = m_widget->styleSheet();
    const QString base = sheet.left(sheet.indexOf(kMarker)); // the whole sheet without a marker
    if (sheet != m_fittedSheet || m_naturalPixelSize == 0) {
        // A sheet of someone else's: learn the size it gives by itself.
        if (base != sheet)
            m_widget->setStyleSheet(base);
        m_widget->ensurePolished();
        m_naturalPixelSize = pixelSizeOf(m_widget->font());
    }
    m_fittedText = textOf(m_widget);
    const int size = fittingSize(m_widget, m_fittedText, m_naturalPixelSize);
    const QString selector = m_widget->objectName().isEmpty() ? QString::fromLatin1(m_widget->metaObject()->className())
                                                               : QLatin1Char('#') + m_widget->objectName();
    const QString wanted = size < m_naturalPixelSize
        ? base + kMarker + QStringLiteral("%1{font-size:%2px;}").arg(selector).arg(size)
        : base;
    if (m_widget->styleSheet() != wanted)
        m_widget->setStyleSheet(wanted);
    m_fittedSheet = wanted;
    m_fitting = false;
}

void TextFit::fitLater()
{
    if (m_queued)
        return;
    m_queued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_queued = false;
            fit();
        },
        Qt::QueuedConnection);
}

bool TextFit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_widget && !m_fitting) {
        switch (event->type()) {
        case QEvent::Show:
            fit();
            break;
        case QEvent::Resize:
        case QEvent::StyleChange:
            fitLater();
            break;
        case QEvent::Paint:
            if (textOf(m_widget) != m_fittedText)
                fitLater();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}
