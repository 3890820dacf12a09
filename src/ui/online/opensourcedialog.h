#pragma once

#include <QDialog>

class QTextBrowser;

// The licences of the components the program is built from
// (":/Corvane/openSource.html"), in a scrollable frameless dialog of the
// program's look, reached from the about page.
class OpenSourceDialog : public QDialog
{
    Q_OBJECT
public:
    explicit OpenSourceDialog(QWidget *parent = nullptr);

    QTextBrowser *browser() const { return m_browser; }

private:
    QTextBrowser *m_browser;
};
