#pragma once

#include <QDialog>
#include <QStringList>

namespace Ui {
class FormMessage;
}

// The shared message about one file: a message line and the file's name,
// cut into lines of 36 characters. One instance per process, owned by Utils.
class FormMessage : public QDialog
{
    Q_OBJECT
public:
    explicit FormMessage(QWidget *parent = nullptr);
    ~FormMessage() override;

    // [message, file name]. A shorter list shows what it has (an empty list
    // shows an empty message) instead of failing.
    void setMessage(const QStringList &message);

    // The file name as it is shown: pieces of 36 characters, each followed
    // by a line break; an empty name stays empty.
    static QString cutName(const QString &name);

    QString messageText() const;
    QString promptText() const;

private slots:
    void on_btnClose_clicked();
    void on_btnOk_clicked();

private:

    Ui::FormMessage *ui;
};
