#pragma once

#include <QObject>
#include <QPoint>

class QMouseEvent;
class QWidget;

// The dragging shared by every frameless dialog: a press of the left button
// grabs the window, a move carries it, a release lets it go. Other buttons
// and double clicks move nothing. It watches the window's mouse events as an
// event filter (owned by the window) and consumes them, so the window's own
// mouse handlers are not called.
class DialogDragger : public QObject
{
    Q_OBJECT
public:
    explicit DialogDragger(QWidget *window);

    bool dragging() const { return m_dragging; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void press(QMouseEvent *event);
    void move(QMouseEvent *event);
    void release();

    QWidget *m_window;
    bool m_dragging = false;
    QPoint m_offset;
};
