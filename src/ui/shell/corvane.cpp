#include "corvane.h"

#include "settings/appsettings.h"
#include "settings/session.h"

Corvane::Corvane(QWidget *parent) : QMainWindow(parent)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setMinimumSize(1024, 768);
}

Corvane::~Corvane()
{
    AppSettings::deleteInstance();
    Session::deleteInstance();
}

void Corvane::sltProcApplicationPara(const QString &)
{
    show();
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    raise();
    activateWindow();
}
