#include "telemetryinit.h"

#include "settings/appsettings.h"
#include "settings/session.h"
#include "tavrelwrapper.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSysInfo>

void initTavrelFromSettings()
{
    const QString rootPath = Session::instance()->getDataPath();
    const QString appVersion = AppSettings::instance()->localVersion();
    const QByteArray did = QSysInfo::machineUniqueId();
    const QString uid = QSysInfo::machineHostName();
    const QString osVersion = QSysInfo::productType();
    const QString pid = QString::number(QCoreApplication::applicationPid());

    if (rootPath.isEmpty()) {
        // Without a data folder the library's folders would land at the root
        // of the file system: run without telemetry, as after a failed start.
        qWarning() << "InitTavrel(): no data folder, telemetry stays off";
        return;
    }
    TavrelWrapper::instance().Init(rootPath.toUtf8().constData(), appVersion.toUtf8().constData(),
                                   did.constData(), uid.toUtf8().constData(),
                                   osVersion.toUtf8().constData(), "Vistrel", pid.toUtf8().constData());
    qInfo().noquote() << QStringLiteral("InitTavrel(): did %1,uid %2,pid %3,Appversion %4")
                             .arg(QString::fromUtf8(did), uid, pid, appVersion);
}
