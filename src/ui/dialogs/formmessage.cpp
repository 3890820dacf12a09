#include "formmessage.h"
#include "ui_formmessage.h"

#include "dialogs/dialogdragger.h"
#include "shell/textfit.h"
#include "shell/utils.h"

#include <QCoreApplication>
#include <QDebug>
#include <QIcon>

namespace {
const int kPieceLength = 36;
}

FormMessage::FormMessage(QWidget *parent)
    : QDialog(parent), ui(new Ui::FormMessage)
{
    ui->setupUi(this);
    new DialogDragger(this); // owned by the window
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(510, 331);
    setWindowIcon(QIcon(QStringLiteral(":/Corvane/Skin/ico/logo_48X48.png")));
    setWindowTitle(QCoreApplication::translate("AboutUs", "Corvane"));
    ui->btnOk->setText(QCoreApplication::translate("Prompt", "ok"));

    for (QWidget *w : {static_cast<QWidget *>(ui->lbPromptText), static_cast<QWidget *>(ui->btnOk)}) {
        QFont font = w->font();
        font.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
        w->setFont(font);
    }
    TextFit::keep({ui->label, ui->btnOk});
}

FormMessage::~FormMessage()
{
    delete ui;
}

QString FormMessage::cutName(const QString &name)
{
    if (name.isEmpty())
        return name;
    QString text;
    for (int at = 0; at < name.size(); at += kPieceLength)
        text += name.mid(at, kPieceLength) + QLatin1Char('\n');
    return text;
}

void FormMessage::setMessage(const QStringList &message)
{
    if (message.size() < 2)
        qWarning() << "FormMessage::setMessage: expected [message, file name], got" << message;
    ui->label->setText(message.value(0));
    // The label is rich text: a name with "<" or "&" is escaped so that it
    // shows as it is; ordinary names are unchanged.
    ui->lbPromptText->setText(QStringLiteral("<p style='line-height:120% '>") + cutName(message.value(1)).toHtmlEscaped()
                              + QStringLiteral("</p>"));
    move(Utils::instance().dialogPosition(size()));
}

QString FormMessage::messageText() const
{
    return ui->label->text();
}

QString FormMessage::promptText() const
{
    return ui->lbPromptText->text();
}

void FormMessage::on_btnClose_clicked()
{
    close();
}

void FormMessage::on_btnOk_clicked()
{
    close();
}
