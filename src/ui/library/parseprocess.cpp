#include "parseprocess.h"
#include "ui_parseprocess.h"

#include "dialogs/dialogdragger.h"
#include "shell/textfit.h"

#include <QDebug>
#include <QIcon>
#include <QKeyEvent>

ParseProcess::ParseProcess(QWidget *parent) : QDialog(parent), ui(new Ui::ParseProcess)
{
    ui->setupUi(this);
    new DialogDragger(this); // owned by the window
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setModal(true);
    setWindowIcon(QIcon(QStringLiteral(":/Corvane/Skin/ico/logo_16X16.png")));
    setFixedSize(380, 220);

    for (QLabel *label : {ui->labeltitle, ui->label}) {
        QFont font = label->font();
        font.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
        label->setFont(font);
    }
    TextFit::keep({ui->labeltitle, ui->label});
    hide();
}

ParseProcess::~ParseProcess()
{
    delete ui;
}

int ParseProcess::exec()
{
    isParsing = true;
    ui->progressBar->setValue(0);
    ui->progressBar->setStyleSheet(QStringLiteral(
        "QProgressBar{border-radius:4px;border-image:url(:/Corvane/Skin/new/Download-progress_background.png);}"
        "QProgressBar::chunk{border-radius:4px;background-image:url(:/Corvane/Skin/new/Download-progress.png);}"));
    return QDialog::exec();
}

void ParseProcess::resetProgress()
{
    ui->progressBar->setMaximum(100);
    ui->progressBar->setValue(0);
    isParsing = false;
}

void ParseProcess::slotUpdateDataReadProgress(qint64 bytesRead, qint64 totalBytes)
{
    ui->label->setText(tr("%1/%2").arg(bytesRead).arg(totalBytes));
    // QProgressBar takes int; the page counts files, far below the limit.
    ui->progressBar->setMaximum(int(totalBytes));
    ui->progressBar->setValue(int(bytesRead));
}

void ParseProcess::keyPressEvent(QKeyEvent *event)
{
    // The page keeps its library unchanged only while this dialog's modal
    // loop runs, so Escape must not end it before the probing thread does.
    if (event->key() == Qt::Key_Escape) {
        qDebug() << "ParseProcess: Escape ignored while probing";
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
