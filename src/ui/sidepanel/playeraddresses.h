#pragma once

#include <QLabel>
#include <QString>

// The side panel's line for players other than the headset app: the
// addresses users type into DeoVR's and HereSphere's browsers, and, while
// the DLNA media server is on, the name DLNA players list by themselves.
// Plain text: the PC's name comes from the system, never read as markup.
class PlayerAddressesView : public QLabel
{
    Q_OBJECT
public:
    explicit PlayerAddressesView(QWidget *parent = nullptr);

    // Shows the addresses on pageAddress (http://<pc>:<port>/, as the panel
    // shows it); an empty one clears and hides the line.
    void showFor(const QString &pageAddress, bool dlnaOn);
};
