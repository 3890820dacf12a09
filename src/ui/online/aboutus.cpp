#include "aboutus.h"
#include "ui_aboutus.h"

AboutUs::AboutUs(QWidget *parent) : UUBase(parent), ui(new Ui::AboutUs)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_StyledBackground);
}

AboutUs::~AboutUs()
{
    delete ui;
}
