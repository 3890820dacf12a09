#include "netlab.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <net/if.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
bool g_isolated = false;
QString g_whyNot = QStringLiteral("the isolation was never attempted");
bool g_hostsOverridden = false;
const char kPrefix[] = "corvane-h4-";

QString errnoText() { return QString::fromLocal8Bit(std::strerror(errno)); }

bool bringLoopbackUp()
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    ifreq request {};
    std::strncpy(request.ifr_name, "lo", IFNAMSIZ - 1);
    bool ok = ::ioctl(fd, SIOCGIFFLAGS, &request) == 0;
    if (ok) {
        request.ifr_flags |= IFF_UP;
        ok = ::ioctl(fd, SIOCSIFFLAGS, &request) == 0;
    }
    ::close(fd);
    return ok;
}
} // namespace

namespace NetLab {

bool isolate()
{
    if (::geteuid() != 0) {
        g_whyNot = QStringLiteral("network namespaces need root (CI runs the tests as root)");
        return false;
    }
    if (::unshare(CLONE_NEWNET | CLONE_NEWNS) != 0) {
        g_whyNot = QStringLiteral("cannot create network namespaces here: ") + errnoText();
        return false;
    }
    // Mounts made from now on (ip netns, the hosts override) stay in here.
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        g_whyNot = QStringLiteral("cannot make the mount namespace private: ") + errnoText();
        return false;
    }
    if (!bringLoopbackUp()) {
        g_whyNot = QStringLiteral("cannot bring the namespace's loopback up: ") + errnoText();
        return false;
    }
    g_isolated = true;
    g_whyNot.clear();
    return true;
}

bool isolated() { return g_isolated; }
QString whyNotIsolated() { return g_whyNot; }

QString ipTool()
{
    static const QString tool = [] {
        const QString found = QStandardPaths::findExecutable(
            QStringLiteral("ip"), {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin"), QStringLiteral("/usr/bin")});
        return found.isEmpty() ? QStringLiteral("ip") : found;
    }();
    return tool;
}

bool ip(const QStringList &args, QString *error)
{
    QProcess process;
    process.start(ipTool(), args);
    const bool finished = process.waitForFinished(20000);
    const bool ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (!ok && error) {
        *error = QStringLiteral("ip %1: %2 %3")
                     .arg(args.join(QLatin1Char(' ')), QString::fromLocal8Bit(process.readAllStandardError()).trimmed(),
                          finished ? QString() : process.errorString());
    }
    return ok;
}

QString uniqueName(const QString &stem)
{
    static int sequence = 0;
    return QStringLiteral("%1%2-%3-%4").arg(QLatin1String(kPrefix), stem).arg(::getpid()).arg(++sequence);
}

void removeStaleNamespaces()
{
    // Names are corvane-h4-<stem>-<pid>-<n>; a namespace whose run is gone
    // is a leftover of a crash.
    const QStringList names = QDir(QStringLiteral("/run/netns")).entryList(QDir::Files | QDir::System);
    for (const QString &name : names) {
        if (!name.startsWith(QLatin1String(kPrefix)))
            continue;
        const QStringList parts = name.split(QLatin1Char('-'));
        if (parts.size() < 5)
            continue;
        bool ok = false;
        const int pid = parts.at(parts.size() - 2).toInt(&ok);
        if (!ok || pid == ::getpid() || QFileInfo::exists(QStringLiteral("/proc/%1").arg(pid)))
            continue;
        ip({QStringLiteral("netns"), QStringLiteral("del"), name});
    }
}

bool overrideHostsFile(const QString &path, QString *error)
{
    if (!g_isolated) {
        if (error)
            *error = g_whyNot;
        return false;
    }
    restoreHostsFile();
    const QByteArray source = QFile::encodeName(path);
    if (::mount(source.constData(), "/etc/hosts", nullptr, MS_BIND, nullptr) != 0) {
        if (error)
            *error = QStringLiteral("cannot bind %1 over /etc/hosts: %2").arg(path, errnoText());
        return false;
    }
    g_hostsOverridden = true;
    return true;
}

void restoreHostsFile()
{
    if (g_hostsOverridden && ::umount2("/etc/hosts", MNT_DETACH) == 0)
        g_hostsOverridden = false;
}

} // namespace NetLab
