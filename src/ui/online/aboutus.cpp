#include "aboutus.h"
#include "ui_aboutus.h"

#include "dialogs/prompt.h"
#include "online/cnuvohomedataproc.h"
#include "online/versioninfo.h"
#include "online/nuvohomeupdatedesc.h"
#include "online/opensourcedialog.h"
#include "settings/appsettings.h"
#include "shell/utils.h"
#include "shell/textfit.h"

#include <QDebug>
#include <QMouseEvent>
#include <QSysInfo>

AboutUs::AboutUs(QWidget *parent) : UUBase(parent), ui(new Ui::AboutUs)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_StyledBackground);
    connect(ui->pushButtonVersionDetect, &QPushButton::clicked, this, &AboutUs::slotVersionDetect);
    m_localVersion = AppSettings::instance()->localVersion();
    ui->labelGameTitle2->setText(tr("Current version:") + m_localVersion + QLatin1Char('C'));
    ui->labelDid->setText(QString::fromLatin1(QSysInfo::machineUniqueId()));
    ui->labelDid->hide();
    ui->lb_openSource->show();
    TextFit::keep({ui->labelGameTitle2, ui->pushButtonVersionDetect, ui->lb_openSource});
    ui->lb_openSource->installEventFilter(this);
    ui->labelMain->setText(QStringLiteral("<p style=\"line-height:120%\">%1</p>").arg(tr("company")));
    for (QWidget *w : {static_cast<QWidget *>(ui->labelGamePic), static_cast<QWidget *>(ui->labelMain),
                       static_cast<QWidget *>(ui->label_2), static_cast<QWidget *>(ui->lb_web),
                       static_cast<QWidget *>(ui->widget_8)})
        w->hide();
}

AboutUs::~AboutUs()
{
    delete m_updateDialog;
    delete m_openSource;
    delete ui;
}

void AboutUs::mouseDoubleClickEvent(QMouseEvent *event)
{
    ui->labelDid->show();
    UUBase::mouseDoubleClickEvent(event);
}

bool AboutUs::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->lb_openSource && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        showOpenSource();
        return true;
    }
    return UUBase::eventFilter(watched, event);
}

void AboutUs::showOpenSource()
{
    if (!m_openSource)
        m_openSource = new OpenSourceDialog;
    m_openSource->move(Utils::instance().dialogPosition(m_openSource->size()));
    m_openSource->show();
    m_openSource->raise();
    m_openSource->activateWindow();
}

void AboutUs::slotVersionDetect()
{
    // The check waits in nested loops (the network, then a dialog): a click
    // arriving meanwhile must not start a second one.
    if (m_checking) {
        qDebug() << "AboutUs::slotVersionDetect: a check is already running";
        return;
    }
    m_checking = true;
    ui->pushButtonVersionDetect->setEnabled(false);
    runVersionCheck();
    ui->pushButtonVersionDetect->setEnabled(true);
    m_checking = false;
}

void AboutUs::runVersionCheck()
{
    if (!m_updateDialog)
        m_updateDialog = new NuvoHomeUpdateDesc;
    if (!m_record) {
        CNuvoHomeDataProc *proc = Utils::instance().getNuvoHomeDataProc();
        m_record = proc ? proc->GetNuvoHomeVersionData() : nullptr;
    }
    Prompt *prompt = Utils::instance().getPrompt();
    if (!m_record || !m_record->hasNewVersion) {
        qDebug() << "AboutUs::slotVersionDetect:" << (m_record ? "no newer version" : "no answer");
        if (prompt) {
            prompt->setPromptText(m_record ? tr("it is the latest version") : tr("net error"));
            prompt->exec();
        }
        return;
    }
    m_updateDialog->fillOffer(tr("latest version: %1").arg(m_record->version), tr("cancel"), m_record->notes);
    m_updateDialog->setUpdateButtonNormal(tr("Update"));
    m_updateDialog->move(Utils::instance().dialogPosition(m_updateDialog->size()));
    m_updateDialog->exec();
}
