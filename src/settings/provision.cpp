#include "provision.h"

#include "settings/appsettings.h"
#include "settings/session.h"

#include <QDebug>
#include <QFile>

bool provisionSettings()
{
    const QString source = Session::instance()->appDirFile(QStringLiteral("Corvane.ini"));
    const QString targetFolder = Session::instance()->getDataPath();
    if (targetFolder.isEmpty()) {
        qWarning() << "provisionSettings: the data folder cannot be created; defaults apply and"
                   << "nothing (library, settings, posters) is saved this session";
        return false;
    }
    if (QFile::exists(targetFolder + QStringLiteral("/Corvane.ini"))
        || AppSettings::instance()->copyConfigFile(source, targetFolder))
        return true;
    qWarning() << "provisionSettings: cannot provision" << source << "into" << targetFolder;
    return false;
}
