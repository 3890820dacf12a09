#include "utils.h"

#include "dialogs/formmessage.h"
#include "dialogs/prompt.h"
#include "discovery/networkstate.h"
#include "online/cnuvohomedataproc.h"
#include "telemetry/telemetryinit.h"

#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QScreen>

Utils &Utils::instance()
{
    static Utils utils;
    return utils;
}

Utils::Utils() : m_prompt(new Prompt), m_formMessage(new FormMessage)
{
    // The instance outlives the application object; widgets must be gone
    // before it is, so the dialogs are deleted at the start of its tear-down.
    qAddPostRoutine([] { instance().deleteDialogs(); });
}

Utils::~Utils()
{
    // Normally the dialogs are gone already; without an application object
    // deleting widgets would be unsafe, so they are left to the system.
    if (QCoreApplication::instance())
        deleteDialogs();
}

void Utils::deleteDialogs()
{
    delete m_prompt.data();
    delete m_formMessage.data();
    // Its network managers need the application object too.
    delete m_dataProc.data();
}

Prompt *Utils::getPrompt() const
{
    return m_prompt;
}

FormMessage *Utils::getFormMessage() const
{
    return m_formMessage;
}

CNuvoHomeDataProc *Utils::getNuvoHomeDataProc()
{
    if (!m_dataProc && QCoreApplication::instance())
        m_dataProc = new CNuvoHomeDataProc;
    return m_dataProc;
}

QPoint Utils::dialogPosition(const QSize &dialogSize) const
{
    QWidget *parent = m_mainWidget ? m_mainWidget->parentWidget() : nullptr;
    if (parent) {
        const QPoint topLeft = parent->mapToGlobal(QPoint(0, 0));
        return topLeft + QPoint((parent->width() - dialogSize.width()) / 2,
                                (parent->height() - dialogSize.height()) / 2);
    }
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect geometry = screen ? screen->geometry() : QRect();
    return QPoint((geometry.width() - dialogSize.width()) / 2, (geometry.height() - dialogSize.height()) / 2);
}

void Utils::installFontSubstitutes()
{
    const QStringList substitutes = {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Droid Sans Fallback"),
                                     QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("Microsoft YaHei"), substitutes);
    QFont::insertSubstitutions(QString::fromUtf8("微软雅黑"), substitutes);
}

void Utils::InitTavrel()
{
    initTavrelFromSettings();
}

QString Utils::getLocalIp()
{
    return NetworkState::localIp();
}
