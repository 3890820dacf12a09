#pragma once

#include "shell/uubase.h"

namespace Ui {
class UserGuide;
}

// The guide page. Its content (the FAQ fetched from the web) arrives with
// the online services; until then the page is empty and never loaded.
class UserGuide : public UUBase
{
    Q_OBJECT
public:
    explicit UserGuide(QWidget *parent = nullptr);
    ~UserGuide() override;

    bool isLoaded() const { return loaded; }
    // Fills the page; the page container calls it when the page is shown
    // while not loaded.
    void loadGuide();

private:
    Ui::UserGuide *ui;
    bool loaded = false;
};
