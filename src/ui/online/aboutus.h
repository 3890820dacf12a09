#pragma once

#include "shell/uubase.h"

namespace Ui {
class AboutUs;
}

// The about page. The version line and the update check arrive with the
// online services; until then the page is an empty light page.
class AboutUs : public UUBase
{
    Q_OBJECT
public:
    explicit AboutUs(QWidget *parent = nullptr);
    ~AboutUs() override;

private:
    Ui::AboutUs *ui;
};
