#pragma once

#include <QJsonObject>
#include <QMainWindow>
#include <QPoint>

class QLabel;
class QToolButton;
class MediaRoutes;

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
    quint16 port = 0;
};
