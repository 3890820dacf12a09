#pragma once

#include <QWidget>

namespace Ui {
class myExit;
}

// Asks whether to quit the program or to let it run on in the background.
// Owned by the page container; shown with show(), modal by its attribute.
class myExit : public QWidget
{
    Q_OBJECT
public:
    explicit myExit(QWidget *parent = nullptr);
    ~myExit() override;

signals:
    void sglRunBack();

public slots:
    void slotBackground();
    void slotExit();
    void slotClose();

private:

    Ui::myExit *ui;
};
