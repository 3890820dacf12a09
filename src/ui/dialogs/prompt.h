#pragma once

#include <QDialog>
#include <QString>

namespace Ui {
class Prompt;
}

// The shared one-line prompt with OK and close buttons. One instance per
// process, owned by Utils; callers fill it and run it with exec().
class Prompt : public QDialog
{
    Q_OBJECT
public:
    explicit Prompt(QWidget *parent = nullptr);
    ~Prompt() override;

    // Stores and shows the text, then places the dialog over the main window.
    void setPromptText(const QString &text);
    QString promptText() const { return m_promptText; }

private slots:
    void on_btnClose_clicked();
    void on_btnOk_clicked();

private:

    Ui::Prompt *ui;
    QString m_promptText;
};
