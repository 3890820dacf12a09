#pragma once

#include "shell/uubase.h"

class QLabel;
class QPushButton;

namespace Ui {
class UserGuide;
}

// The guide page: the FAQ page fetched from the web, shown as rich text; an
// offline picture and "no net" when there is none, a click on the picture
// tries again.
class UserGuide : public UUBase
{
    Q_OBJECT
public:
    explicit UserGuide(QWidget *parent = nullptr);
    ~UserGuide() override;

    bool isLoaded() const { return loaded; }
    // Fills the page (may block while the text is fetched); the page
    // container calls it when the page is shown while not loaded.
    void loadGuide();
    QString guideText() const;
    bool isOffline() const;

public slots:
    void sltUpdateNetwork();

private:
    Ui::UserGuide *ui;
    QPushButton *m_offlineButton = nullptr;
    QLabel *m_offlineLabel = nullptr;
    bool loaded = false;
};
