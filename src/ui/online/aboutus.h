#pragma once

#include "shell/uubase.h"

class NuvoHomeUpdateDesc;
class OpenSourceDialog;
struct VersionInfo;

namespace Ui {
class AboutUs;
}

// The about page: the installed version, the manual update check (which
// reuses one update dialog), the machine id on a double click, and the
// licences of what the program is built from behind "openSource".
class AboutUs : public UUBase
{
    Q_OBJECT
public:
    explicit AboutUs(QWidget *parent = nullptr);
    ~AboutUs() override;

    NuvoHomeUpdateDesc *updateDialog() const { return m_updateDialog; }
    OpenSourceDialog *openSourceDialog() const { return m_openSource; }
    // Shows the licence page over the window.
    void showOpenSource();

public slots:
    void slotVersionDetect();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void runVersionCheck();

    Ui::AboutUs *ui;
    bool m_checking = false;
    const VersionInfo *m_record = nullptr;
    QString m_localVersion;
    NuvoHomeUpdateDesc *m_updateDialog = nullptr;
    OpenSourceDialog *m_openSource = nullptr;
};
