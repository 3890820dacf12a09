#include "myexit.h"
#include "ui_myexit.h"

#include "dialogs/dialogdragger.h"
#include "shell/textfit.h"

#include <QCoreApplication>
#include <QDebug>
#include <QIcon>

myExit::myExit(QWidget *parent) : QWidget(parent), ui(new Ui::myExit)
{
    ui->setupUi(this);
    new DialogDragger(this); // owned by the window
    setWindowFlags(windowFlags() | Qt::Window | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(510, 330);
    setWindowIcon(QIcon(QStringLiteral(":/Corvane/Skin/ico/logo_16X16.png")));
    setWindowTitle(QCoreApplication::translate("AboutUs", "Corvane"));
    TextFit::keep({ui->label_hint, ui->pb_Exit, ui->pb_background});

    connect(ui->pb_background, &QPushButton::clicked, this, &myExit::slotBackground);
    connect(ui->pb_Exit, &QPushButton::clicked, this, &myExit::slotExit);
    connect(ui->tb_close, &QToolButton::clicked, this, &myExit::slotClose);
}

myExit::~myExit()
{
    delete ui;
}

void myExit::slotBackground()
{
    close();
    emit sglRunBack();
}

void myExit::slotExit()
{
    qDebug() << "myExit: quit chosen";
    QCoreApplication::quit();
}

void myExit::slotClose()
{
    close();
}
