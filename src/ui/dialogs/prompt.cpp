#include "prompt.h"
#include "ui_prompt.h"

#include "dialogs/dialogdragger.h"
#include "shell/textfit.h"
#include "shell/utils.h"

#include <QCoreApplication>
#include <QIcon>

Prompt::Prompt(QWidget *parent) : QDialog(parent), ui(new Ui::Prompt)
{
    ui->setupUi(this);
    new DialogDragger(this); // owned by the window
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(380, 220);
    setWindowIcon(QIcon(QStringLiteral(":/Corvane/Skin/ico/logo_16X16.png")));
    setWindowTitle(QCoreApplication::translate("AboutUs", "Corvane"));
    TextFit::keep({ui->lbPromptText, ui->btnOk});
}

Prompt::~Prompt()
{
    delete ui;
}

void Prompt::setPromptText(const QString &text)
{
    m_promptText = text;
    ui->lbPromptText->setText(text);
    move(Utils::instance().dialogPosition(size()));
}

void Prompt::on_btnClose_clicked()
{
    reject();
}

void Prompt::on_btnOk_clicked()
{
    accept();
}
