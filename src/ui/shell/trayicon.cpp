#include "trayicon.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QMenu>
#include <QSystemTrayIcon>

TrayIcon::TrayIcon(QObject *parent) : QObject(parent)
{
    m_menu = new QMenu;
    m_menu->setObjectName(QStringLiteral("trayMenu"));
    m_address = m_menu->addAction(QString());
    m_address->setObjectName(QStringLiteral("action_address"));
    m_address->setEnabled(false); // information, not a command
    m_menu->addSeparator();
    m_show = m_menu->addAction(tr("show window"));
    m_show->setObjectName(QStringLiteral("action_show"));
    m_quit = m_menu->addAction(tr("quit"));
    m_quit->setObjectName(QStringLiteral("action_quit"));
    slotSetAddress(QString(), 0);

    m_icon = new QSystemTrayIcon(QIcon(QStringLiteral(":/Corvane/Skin/ico/logo_64X64.png")), this);
    m_icon->setContextMenu(m_menu);
    m_icon->setToolTip(QCoreApplication::translate("AboutUs", "Corvane"));

    connect(m_show, &QAction::triggered, this, &TrayIcon::sglShowWindow);
    connect(m_quit, &QAction::triggered, this, &TrayIcon::sglQuit);
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
            emit sglShowWindow();
    });
}

TrayIcon::~TrayIcon()
{
    // The menu has no parent (a tray menu is a window of its own).
    delete m_menu;
}

void TrayIcon::show()
{
    m_icon->show();
}

void TrayIcon::slotSetAddress(const QString &address, int port)
{
    m_address->setText(address.isEmpty() ? tr("No network") : tr("Headset address: %1  port %2").arg(address).arg(port));
}

void TrayIcon::slotSetNotServing()
{
    m_address->setText(tr("Not serving: the video server could not start"));
}
