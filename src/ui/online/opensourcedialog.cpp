#include "opensourcedialog.h"

#include "dialogs/dialogdragger.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

OpenSourceDialog::OpenSourceDialog(QWidget *parent) : QDialog(parent), m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("OpenSourceDialog"));
    new DialogDragger(this); // owned by the window
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setWindowIcon(QIcon(QStringLiteral(":/Corvane/Skin/ico/logo_16X16.png")));
    setWindowTitle(QCoreApplication::translate("AboutUs", "openSource"));
    resize(640, 520);
    // A white card with the accent on top, apart from the grey page under it.
    setStyleSheet(QStringLiteral("QDialog#OpenSourceDialog{background-color:#ffffff;border:1px solid #d6d6d6;"
                                 "border-top:4px solid #00ecf6;}"
                                 "QTextBrowser{background-color:#fafafa;border:0px;color:#454545;}"));

    auto *title = new QLabel(windowTitle(), this);
    title->setObjectName(QStringLiteral("lbOpenSourceTitle"));
    title->setStyleSheet(QStringLiteral("QLabel{font:18px \"Microsoft YaHei\";color:#454545;}"));
    auto *close = new QPushButton(this);
    close->setObjectName(QStringLiteral("pbOpenSourceClose"));
    close->setFixedSize(50, 20);
    close->setCursor(Qt::PointingHandCursor);
    close->setFocusPolicy(Qt::NoFocus);
    close->setStyleSheet(QStringLiteral("QPushButton{border:0px;border-image:url(:/Corvane/Skin/new/bt_close_normal_1.png);}"
                                        "QPushButton:hover{border-image:url(:/Corvane/Skin/new/bt_close_selected_1.png);}"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto *head = new QHBoxLayout;
    head->addWidget(title, 1);
    head->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 24);
    layout->setSpacing(12);
    layout->addLayout(head);
    layout->addWidget(m_browser, 1);

    // Links open in the user's browser; the page itself is never replaced.
    m_browser->setOpenExternalLinks(true);
    QFile page(QStringLiteral(":/Corvane/openSource.html"));
    if (page.open(QIODevice::ReadOnly))
        m_browser->setHtml(QString::fromUtf8(page.readAll()));
    else
        qWarning() << "OpenSourceDialog: the licence page is missing from the resources";
}
