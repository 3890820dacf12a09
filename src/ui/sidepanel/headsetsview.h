#pragma once

#include "discovery/udpannouncer.h"
#include "server/recentclients.h"

#include <QFrame>
#include <QStringList>

class QLabel;
class QVBoxLayout;

// The side panel's "headsets seen" area: the devices that asked the server
// something lately, with what each is doing; while none has come, the
// networks the presence announcement goes out on and a hint about the
// usual obstacles. Plain text only: addresses and file names come from the
// network and the library, never read as markup.
class HeadsetsView : public QFrame
{
    Q_OBJECT
public:
    // At most this many headsets are listed; the rest are counted.
    static constexpr int kMaxRows = 4;

    explicit HeadsetsView(QWidget *parent = nullptr);

    // Shows one state; rebuilds the labels only when a text changed.
    void showState(const QVector<RecentClients::Client> &clients, const QList<UdpAnnouncer::Target> &targets,
                   int tcpPort, int udpPort);

    // The lines now shown, in order (for the panel's own checks and tests).
    QStringList shownLines() const { return m_lines; }

    // The texts of one headset: its address and age, and what it does.
    QString headerLine(const RecentClients::Client &client) const;
    QString activityLine(const RecentClients::Client &client, int width) const;

private:
    QLabel *addLine(const QString &text, const char *objectName, bool wrap);

    QLabel *m_title = nullptr;
    QVBoxLayout *m_rows = nullptr;
    QStringList m_lines;
};
