#pragma once

#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QSystemTrayIcon;

// The icon in the desktop's system tray: a hidden window is one click away.
// Its menu shows the address and port the headset should use, "show
// window" and "quit". The main window makes one only where the desktop has
// a tray; the object itself works without one (its menu and actions exist).
class TrayIcon : public QObject
{
    Q_OBJECT
public:
    explicit TrayIcon(QObject *parent = nullptr);
    ~TrayIcon() override;

    QMenu *menu() const { return m_menu; }
    QAction *addressAction() const { return m_address; }
    QAction *showAction() const { return m_show; }
    QAction *quitAction() const { return m_quit; }
    QSystemTrayIcon *icon() const { return m_icon; }

    // Shows the icon in the tray.
    void show();

public slots:
    // The address and port shown to the user (address empty: none).
    void slotSetAddress(const QString &address, int port);
    // The address line says the program is not serving.
    void slotSetNotServing();

signals:
    void sglShowWindow();
    void sglQuit();

private:
    QSystemTrayIcon *m_icon = nullptr;
    QMenu *m_menu = nullptr;
    QAction *m_address = nullptr;
    QAction *m_show = nullptr;
    QAction *m_quit = nullptr;
};
