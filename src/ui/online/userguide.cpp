#include "userguide.h"
#include "ui_userguide.h"

#include <QDebug>

UserGuide::UserGuide(QWidget *parent) : UUBase(parent), ui(new Ui::UserGuide)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_StyledBackground);
}

UserGuide::~UserGuide()
{
    delete ui;
}

void UserGuide::loadGuide()
{
    // Nothing to fetch from yet: the page stays empty and not loaded.
    qDebug() << "UserGuide::loadGuide: no guide source";
}
