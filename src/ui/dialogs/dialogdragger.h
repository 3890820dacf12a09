#pragma once

#include <QPoint>

class QMouseEvent;
class QWidget;

// The dragging shared by every frameless dialog: a press of the left button
// grabs the window, a move carries it, a release lets it go. Other buttons
// and double clicks move nothing. The dialog forwards its three mouse
// handlers here and does not call the base handlers.
class DialogDragger
{
public:
    explicit DialogDragger(QWidget *window);

    void press(QMouseEvent *event);
    void move(QMouseEvent *event);
    void release(QMouseEvent *event);

    bool dragging() const { return m_dragging; }

private:
    QWidget *m_window;
    bool m_dragging = false;
    QPoint m_offset;
};
