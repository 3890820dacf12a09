#include "userguide.h"
#include "ui_userguide.h"
#include "shell/textfit.h"

#include "online/cnuvohomedataproc.h"
#include "shell/utils.h"

#include <QDebug>
#include <QFont>
#include <QLabel>
#include <QPushButton>

UserGuide::UserGuide(QWidget *parent) : UUBase(parent), ui(new Ui::UserGuide)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_StyledBackground);

    m_offlineButton = new QPushButton(this);
    m_offlineButton->setObjectName(QStringLiteral("pbOffline"));
    m_offlineButton->setGeometry(250, 180, 300, 229);
    m_offlineButton->setCursor(Qt::PointingHandCursor);
    m_offlineButton->setStyleSheet(QStringLiteral("border-image:url(:/Corvane/Skin/new/network_unusual.png)"));
    m_offlineButton->hide();
    connect(m_offlineButton, &QPushButton::clicked, this, &UserGuide::sltUpdateNetwork);

    m_offlineLabel = new QLabel(tr("no net"), this);
    m_offlineLabel->setObjectName(QStringLiteral("lbOffline"));
    m_offlineLabel->setGeometry(150, 409, 500, 71);
    TextFit::keep(m_offlineLabel);
    m_offlineLabel->setStyleSheet(QStringLiteral("QLabel{font:20px \"Microsoft YaHei\";color:#c6c6c6;}"));
    m_offlineLabel->setAlignment(Qt::AlignHCenter);
    m_offlineLabel->hide();
}

UserGuide::~UserGuide()
{
    delete ui;
}

QString UserGuide::guideText() const
{
    return ui->labelGuide->text();
}

bool UserGuide::isOffline() const
{
    return !m_offlineButton->isHidden() && !m_offlineLabel->isHidden();
}

void UserGuide::loadGuide()
{
    qDebug() << "UserGuide::loadGuide";
    loaded = false;
    m_offlineButton->hide();
    m_offlineLabel->hide();
    CNuvoHomeDataProc *proc = Utils::instance().getNuvoHomeDataProc();
    const QString html = proc ? proc->GetFaqHtml() : QString();
    if (html.isEmpty()) {
        qDebug() << "guide page: no text, offline picture shown";
        m_offlineButton->show();
        m_offlineButton->raise();
        m_offlineLabel->show();
        m_offlineLabel->raise();
        return;
    }
    ui->labelGuide->setTextFormat(Qt::RichText);
    ui->labelGuide->setText(html);
    ui->labelGuide->setStyleSheet(QStringLiteral("QLabel{color:#454545;}"));
    ui->labelGuide->setWordWrap(true);
    QFont font = ui->labelGuide->font();
    font.setFamily(QStringLiteral("Microsoft YaHei"));
    ui->labelGuide->setFont(font);
    loaded = true;
}

void UserGuide::sltUpdateNetwork()
{
    loadGuide();
}
