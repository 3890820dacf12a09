#pragma once

#include <QJsonObject>
#include <QMainWindow>
#include <QPoint>

#include <functional>

class QLabel;
class QTimer;
class QToolButton;
class MediaRoutes;
class MediaServer;
class TrayIcon;
class mainMenu;

namespace HttpServer {
class TcpServerManage;
}

namespace Ui {
class CorvaneClass;
}

// The main window: frameless, at least 1024 x 768, with its own title bar
// (logo, navigation, minimise, close) over the side panel and the page
// container. It owns the HTTP server and relays the library list to it.
class Corvane : public QMainWindow
{
    Q_OBJECT
public:
    explicit Corvane(QWidget *parent = nullptr);
    ~Corvane() override;

    quint16 serverPort() const { return port; }
    QJsonObject currentLibraryJson() const { return libraryJson; }
    bool isDragging() const { return dragging; }
    MediaRoutes *mediaRoutes() const { return routes; }
    HttpServer::TcpServerManage *httpServer() const { return server; }
    // Null where the desktop offers no system tray.
    TrayIcon *trayIcon() const { return tray; }
    // Makes the tray icon (also where no tray shows it: tests drive it).
    TrayIcon *createTrayIcon();
    // How the window learns whether a system tray exists (by default Qt's
    // answer); for windows made from now on. Tests pass their own.
    static void setTrayAvailability(std::function<bool()> available);
    static constexpr int kTrayPollMs = 2000;

signals:
    void sglSelectHomePage();
    void selectAboutUs();
    void selectUserGuide();
    void sglErrorcode(qint64 code);

public slots:
    void SlotShowSmall();
    void slotRunBackground();
    void slotToHomePage();
    void slotToGuide();
    void slotToAboutUs();
    void slotSendJson(const QJsonObject o);
    void slotToErrorcode(qint64 code);
    // A later start handed over its command line: bring the window back.
    void sltProcApplicationPara(const QString &parameters);
    // Shows, restores and raises the window.
    void slotBringBack();
    // The tray's "quit": ends the program, unless files are being added
    // (then the window comes back with the exit dialog's refusal).
    void slotQuitFromTray();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void InitSettings();
    void startupUpdateCheck();
    void CheckPort();
    void InitUI();
    void InitConnect();
    void InitServer();
    void startListening();
    // Stops the probe run and closes the server (its threads joined).
    void shutDownWork();
    // Shows the tray icon now, or as soon as a tray appears (a panel started
    // after the program), so a hidden window is never out of reach.
    void showTrayIconWhenAvailable();

    void selectEntry(QWidget *container, QToolButton *button);
    void setNavigationNormal();

    Ui::CorvaneClass *ui;
    QWidget *leftArea = nullptr;
    QWidget *rightArea = nullptr;
    QLabel *indicator = nullptr;
    bool dragging = false;
    QPoint pressPosition;
    QPoint dragOffset;
    QJsonObject libraryJson;
    HttpServer::TcpServerManage *server = nullptr;
    // Owned by the server, so it outlives every handler call.
    MediaRoutes *routes = nullptr;
    MediaServer *dlna = nullptr;
    quint16 port = 0;
    mainMenu *menu = nullptr;
    TrayIcon *tray = nullptr;
    QTimer *trayPoll = nullptr;
};
