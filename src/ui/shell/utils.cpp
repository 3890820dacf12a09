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

void Utils::installFontSubstitutes(const QString &language)
{
    // Han characters take the shapes of the language shown, so the CJK face
    // of that language comes first; Thai is found by the font fallback.
    QString cjk = QStringLiteral("Noto Sans CJK SC");
    if (language == QLatin1String("jp"))
        cjk = QStringLiteral("Noto Sans CJK JP");
    else if (language == QLatin1String("ko"))
        cjk = QStringLiteral("Noto Sans CJK KR");
    else if (language == QLatin1String("zh-TW"))
        cjk = QStringLiteral("Noto Sans CJK TC");
    else if (language == QLatin1String("zh-HK"))
        cjk = QStringLiteral("Noto Sans CJK HK");
    const QStringList substitutes = {cjk, QStringLiteral("Droid Sans Fallback"), QStringLiteral("DejaVu Sans")};
    for (const QString &family : {QStringLiteral("Microsoft YaHei"), QString::fromUtf8("微软雅黑")}) {
        QFont::removeSubstitutions(family);
        QFont::insertSubstitutions(family, substitutes);
    }
}

void Utils::InitTavrel()
{
    initTavrelFromSettings();
}

QString Utils::getLocalIp()
{
    return NetworkState::localIp();
}
