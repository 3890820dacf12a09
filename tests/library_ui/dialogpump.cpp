#include "dialogpump.h"
#include "processes.h"

#include "dialogs/formmessage.h"
#include "dialogs/prompt.h"
#include "ui/library/parseprocess.h"
#include "settings/appsettings.h"

#include <QApplication>
#include <QDebug>
#include <QFileDialog>
#include <QSettings>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>

namespace TestSupport {

void writeLanguage(const QString &language)
{
    writeIniValue(AppSettings::instance()->settingsFilePath(), QStringLiteral("language"), language);
}

} // namespace TestSupport

DialogPump::DialogPump(QObject *parent) : QObject(parent)
{
    connect(&m_timer, &QTimer::timeout, this, &DialogPump::tick);
}

void DialogPump::tick()
{
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    bool progressVisible = false;
    for (QWidget *w : windows) {
        if (qobject_cast<ParseProcess *>(w) && w->isVisible())
            progressVisible = true;
    }
    sawProgress = sawProgress || progressVisible;
    for (QWidget *w : windows) {
        if (!w->isVisible())
            continue;
        if (auto *box = qobject_cast<QMessageBox *>(w)) {
            // Not part of the program's flow (e.g. the file dialog did not
            // find a file): record it and close it so the test cannot hang.
            qWarning() << "unexpected message box:" << box->text();
            unexpected.append(box->text());
            box->reject();
        } else if (auto *dialog = qobject_cast<QFileDialog *>(w)) {
            if (m_answered.contains(dialog)) {
                // Answered but still open: give up on it rather than hang.
                if (++m_waitTicks > 300) {
                    unexpected.append(QStringLiteral("the file dialog did not accept the files"));
                    dialog->reject();
                }
                continue;
            }
            m_waitTicks = 0;
            m_answered.append(dialog);
            ++fileDialogs;
            if (onFileDialog)
                onFileDialog(dialog);
            else
                dialog->reject();
        } else if (auto *prompt = qobject_cast<Prompt *>(w)) {
            prompts.append(prompt->promptText());
            prompt->accept();
        } else if (auto *message = qobject_cast<FormMessage *>(w)) {
            // The name is shown in pieces of 36 characters, one per line, in a paragraph.
            QString name = message->promptText();
            name.remove(QRegularExpression(QStringLiteral("^<p[^>]*>"))).remove(QStringLiteral("</p>"));
            name.remove(QLatin1Char('\n'));
            messages.append({message->messageText(), name, progressVisible});
            message->close();
        }
    }
}

void chooseFiles(QFileDialog *dialog, const QString &folder, const QStringList &names)
{
    dialog->setDirectory(folder);
    QStringList quoted;
    for (const QString &name : names)
        quoted << QLatin1Char('"') + name + QLatin1Char('"');
    // Typed into the name field: selectFile() leaves the field alone once it has focus.
    auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    if (edit)
        edit->setText(quoted.join(QLatin1Char(' ')));
    else
        dialog->selectFile(quoted.join(QLatin1Char(' ')));
    static_cast<QDialog *>(dialog)->accept(); // QFileDialog::accept, reached through the public base
}
