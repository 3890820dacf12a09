#include "dialogdragger.h"

#include <QMouseEvent>
#include <QWidget>

DialogDragger::DialogDragger(QWidget *window) : QObject(window), m_window(window)
{
    window->installEventFilter(this);
}

bool DialogDragger::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        press(static_cast<QMouseEvent *>(event));
        return true;
    case QEvent::MouseMove:
        move(static_cast<QMouseEvent *>(event));
        return true;
    case QEvent::MouseButtonRelease:
        release();
        return true;
    default:
        return false;
    }
}

void DialogDragger::press(QMouseEvent *event)
{
    m_offset = event->globalPos() - m_window->pos();
    // Only a real press of the left button grabs the window; a double click
    // moves nothing.
    m_dragging = event->type() == QEvent::MouseButtonPress && event->button() == Qt::LeftButton;
}

void DialogDragger::move(QMouseEvent *event)
{
    if (m_dragging)
        m_window->move(event->globalPos() - m_offset);
}

void DialogDragger::release()
{
    m_dragging = false;
}
