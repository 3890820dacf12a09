#pragma once

#include <QWidget>

namespace Ui {
class ConfirmDelete;
}

// Asks before the selected videos are removed from the library. Shown
// application-modal by the page container; the answer travels as a signal.
class ConfirmDelete : public QWidget
{
    Q_OBJECT
public:
    explicit ConfirmDelete(QWidget *parent = nullptr);
    ~ConfirmDelete() override;

signals:
    void sglDoDelVideoFile();
    void sglCancelDelVideoFile();

public slots:
    void slotCancel();
    void slotDelete();
    void slotClose();

protected:
    // Frameless: the window is moved by dragging it with the left button.

private:
    Ui::ConfirmDelete *ui;
};
