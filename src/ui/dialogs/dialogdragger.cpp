#include "dialogdragger.h"

#include <QMouseEvent>
#include <QWidget>

DialogDragger::DialogDragger(QWidget *window) : m_window(window) {}

void DialogDragger::press(QMouseEvent *event)
{
    m_offset = event->globalPos() - m_window->pos();
    // Only a real press of the left button grabs the window: the default
    // double-click handler forwards double clicks here too.
    m_dragging = event->type() == QEvent::MouseButtonPress && event->button() == Qt::LeftButton;
}

void DialogDragger::move(QMouseEvent *event)
{
    if (m_dragging)
        m_window->move(event->globalPos() - m_offset);
}

void DialogDragger::release(QMouseEvent *)
{
    m_dragging = false;
}
