#include "headsetsview.h"

#include <QFontMetrics>
#include <QLabel>
#include <QVBoxLayout>

#include <cmath>

namespace {
// The side panel is 246 px wide; the view keeps this much of it for text.
const int kSideMargin = 16;
const int kTextWidth = 246 - 2 * kSideMargin;
} // namespace

HeadsetsView::HeadsetsView(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("headsetsView"));
    setStyleSheet(QStringLiteral(
        "QLabel#label_headsetsTitle{font:14px \"Microsoft YaHei\";color:#9da1a3;}"
        "QLabel#label_headsetAddress{font:13px \"Microsoft YaHei\";color:#6d6d6d;}"
        "QLabel#label_headsetActivity, QLabel#label_headsetsMore{font:12px \"Microsoft YaHei\";color:#959595;}"
        "QLabel#label_announceTarget{font:12px \"Microsoft YaHei\";color:#6d6d6d;}"
        "QLabel#label_headsetsHint{font:12px \"Microsoft YaHei\";color:#959595;}"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(kSideMargin, 0, kSideMargin, 0);
    layout->setSpacing(6);
    m_title = new QLabel(tr("Headsets seen"), this);
    m_title->setObjectName(QStringLiteral("label_headsetsTitle"));
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setWordWrap(true);
    layout->addWidget(m_title);
    m_rows = new QVBoxLayout;
    m_rows->setSpacing(2);
    layout->addLayout(m_rows);
    setFixedWidth(246);
}

QString HeadsetsView::headerLine(const RecentClients::Client &client) const
{
    const qint64 seconds = client.msSinceLastRequest / 1000;
    const QString age = seconds < 60 ? tr("%1 s ago").arg(seconds) : tr("%1 min ago").arg(seconds / 60);
    return QStringLiteral("%1 \u00b7 %2").arg(client.address, age);
}

QString HeadsetsView::activityLine(const RecentClients::Client &client, int width) const
{
    switch (client.activity) {
    case RecentClients::Activity::Browsing:
        return tr("browsing the list");
    case RecentClients::Activity::FetchingPosters:
        return tr("fetching posters");
    case RecentClients::Activity::Playing:
        break;
    }
    const int percent = int(std::floor(client.share * 100.0));
    //: %1 is a video's file name, %2 how far into the file the headset reads, in percent.
    const QString pattern = tr("playing %1 at %2%");
    // The name gives way so the line fits the panel.
    QFont font = this->font();
    font.setPixelSize(12);
    const QFontMetrics metrics(font);
    const int rest = metrics.horizontalAdvance(pattern.arg(QString(), QString::number(percent)));
    const QString name = metrics.elidedText(client.videoName, Qt::ElideMiddle, qMax(40, width - rest));
    return pattern.arg(name, QString::number(percent));
}

QLabel *HeadsetsView::addLine(const QString &text, const char *objectName, bool wrap)
{
    auto *label = new QLabel(this);
    label->setObjectName(QLatin1String(objectName));
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(wrap);
    m_rows->addWidget(label);
    return label;
}

void HeadsetsView::showState(const QVector<RecentClients::Client> &clients,
                             const QList<UdpAnnouncer::Target> &targets, int tcpPort, int udpPort)
{
    struct Line
    {
        QString text;
        const char *name;
        bool wrap;
    };
    QList<Line> lines;
    if (!clients.isEmpty()) {
        for (int i = 0; i < clients.size() && i < kMaxRows; ++i) {
            lines.append({headerLine(clients.at(i)), "label_headsetAddress", true});
            lines.append({activityLine(clients.at(i), kTextWidth), "label_headsetActivity", false});
        }
        if (clients.size() > kMaxRows)
            lines.append({tr("and %1 more").arg(clients.size() - kMaxRows), "label_headsetsMore", false});
    } else {
        if (targets.isEmpty()) {
            lines.append({tr("No network to announce on."), "label_announceTarget", true});
        } else {
            lines.append({tr("Announced on:"), "label_headsetsHint", true});
            for (const UdpAnnouncer::Target &target : targets)
                lines.append({QStringLiteral("%1  %2").arg(target.interfaceName, target.broadcast.toString()),
                              "label_announceTarget", false});
        }
        lines.append({tr("No headset yet. Check that it is on the same network as this PC and that a "
                         "firewall lets TCP %1 and UDP %2 through.")
                          .arg(tcpPort)
                          .arg(udpPort),
                      "label_headsetsHint", true});
    }

    QStringList texts;
    for (const Line &line : lines)
        texts.append(line.text);
    if (texts == m_lines)
        return;
    m_lines = texts;
    while (QLayoutItem *item = m_rows->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    for (const Line &line : lines)
        addLine(line.text, line.name, line.wrap);
}
