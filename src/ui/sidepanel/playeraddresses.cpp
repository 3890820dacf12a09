#include "playeraddresses.h"

#include "dlna/dlnadescription.h"

PlayerAddressesView::PlayerAddressesView(QWidget *parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("label_players"));
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignCenter);
    setContentsMargins(16, 12, 16, 0);
    // The addresses are meant to be copied into a player.
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setStyleSheet(QStringLiteral("QLabel{font:12px \"Microsoft YaHei\";color:#959595;}"));
    hide();
}

void PlayerAddressesView::showFor(const QString &pageAddress, bool dlnaOn)
{
    if (pageAddress.isEmpty()) {
        clear();
        hide();
        return;
    }
    //: Side panel, above the addresses to type into the DeoVR and HereSphere players' browsers.
    QStringList lines{tr("Other players, in their browser:"),
                      QStringLiteral("%1deovr").arg(pageAddress),
                      QStringLiteral("%1heresphere").arg(pageAddress)};
    if (dlnaOn) {
        //: Side panel; %1 is the media server's name as DLNA players (VLC, TVs) list it.
        // The name stays on one line: it is what the player lists.
        const QString name = DlnaDescription::friendlyName().replace(QLatin1Char(' '), QChar::Nbsp);
        lines << tr("DLNA players find \"%1\" by themselves.").arg(name);
    }
    setText(lines.join(QLatin1Char('\n')));
    show();
}
