#include "platform.h"

#include <QDir>
#include <QFile>
#include <QNetworkInterface>
#include <QStandardPaths>

namespace Platform {

int countProcessesNamed(const QString &exeName)
{
    // /proc/<pid>/comm holds at most 15 bytes of the name: compare with the
    // same cut, then confirm a cut name through the executable link.
    const QByteArray wanted = exeName.toLocal8Bit();
    const QByteArray wantedComm = wanted.left(15);
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    int count = 0;
    for (const QString &pid : pids) {
        bool isPid = false;
        pid.toUInt(&isPid);
        if (!isPid)
            continue;
        QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
        if (!comm.open(QIODevice::ReadOnly))
            continue;
        QByteArray name = comm.readAll();
        if (name.endsWith('\n'))
            name.chop(1);
        if (name != wantedComm)
            continue;
        if (wanted.size() > 15) {
            const QString exe = QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(pid));
            QString base = exe.section(QLatin1Char('/'), -1);
            if (base.endsWith(QLatin1String(" (deleted)")))
                base.chop(10);
            if (!exe.isEmpty() && base != exeName)
                continue;
        }
        ++count;
    }
    return count;
}

QString dataRoot()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(base + QStringLiteral("/NuvoVR/Brindlecast"));
}

static bool readTcpTable(const QString &path, QList<quint16> &ports)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    f.readLine(); // column heads
    while (!f.atEnd()) {
        const QByteArray line = f.readLine().simplified();
        // "sl local_address rem_address st ...", local_address = HEXADDR:HEXPORT
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() < 3)
            continue;
        const QByteArray &local = fields.at(1);
        const int colon = local.lastIndexOf(':');
        if (colon < 0)
            continue;
        bool ok = false;
        const uint port = local.mid(colon + 1).toUInt(&ok, 16);
        if (ok && port <= 0xFFFF)
            ports.append(quint16(port));
    }
    return true;
}

QList<quint16> tcpLocalPorts(bool *ok)
{
    QList<quint16> ports;
    const bool v4 = readTcpTable(QStringLiteral("/proc/net/tcp"), ports);
    const bool v6 = readTcpTable(QStringLiteral("/proc/net/tcp6"), ports);
    if (ok)
        *ok = v4 || v6;
    return ports;
}

bool isNetworkAlive()
{
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &iface : interfaces) {
        const auto flags = iface.flags();
        if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning)
            || (flags & QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry &entry : iface.addressEntries()) {
            const QHostAddress ip = entry.ip();
            if (!ip.isNull() && !ip.isLoopback())
                return true;
        }
    }
    return false;
}

} // namespace Platform
