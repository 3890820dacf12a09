#include "confirmdelete.h"
#include "ui_confirmdelete.h"

#include "dialogs/dialogdragger.h"
#include "shell/textfit.h"

#include <QIcon>

ConfirmDelete::ConfirmDelete(QWidget *parent) : QWidget(parent), ui(new Ui::ConfirmDelete)
{
    ui->setupUi(this);
    new DialogDragger(this); // owned by the window
    // A parent would make this a child widget; keep it a window either way.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowModality(Qt::ApplicationModal);
    setWindowIcon(QIcon(QStringLiteral(":/Corvane/Skin/ico/logo_16X16.png")));
    TextFit::keep({ui->label_hint, ui->pb_delete, ui->pb_cancel});

    connect(ui->pb_cancel, &QPushButton::clicked, this, &ConfirmDelete::slotCancel);
    connect(ui->pb_delete, &QPushButton::clicked, this, &ConfirmDelete::slotDelete);
    connect(ui->tb_close, &QToolButton::clicked, this, &ConfirmDelete::slotClose);
}

ConfirmDelete::~ConfirmDelete()
{
    delete ui;
}

void ConfirmDelete::slotCancel()
{
    close();
    emit sglCancelDelVideoFile();
}

void ConfirmDelete::slotDelete()
{
    emit sglDoDelVideoFile();
    close();
}

void ConfirmDelete::slotClose()
{
    slotCancel();
}
