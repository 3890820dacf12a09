#include "platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkInterface>
#include <QStandardPaths>

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/auxv.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/sendfile.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

#include <limits>
#include <mutex>

namespace Platform {

namespace {

// The kernel keeps at most 15 bytes of a process name (TASK_COMM_LEN - 1).
constexpr int kCommLength = 15;

QByteArray readProcFile(const QString &path)
{
    // /proc files report size 0, so read until the end instead of by size.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QByteArray baseName(const QByteArray &path)
{
    const int slash = path.lastIndexOf('/');
    return slash < 0 ? path : path.mid(slash + 1);
}

// Name and state of a process from /proc/<pid>/stat: "pid (name) S ...".
// The name may itself hold blanks and parentheses, so it ends at the last ')'.
bool readStat(const QString &pid, QByteArray *name, char *state)
{
    const QByteArray stat = readProcFile(QStringLiteral("/proc/%1/stat").arg(pid));
    const int open = stat.indexOf('(');
    const int close = stat.lastIndexOf(')');
    if (open < 0 || close < open || close + 2 >= stat.size())
        return false;
    *name = stat.mid(open + 1, close - open - 1);
    *state = stat.at(close + 2);
    return true;
}

// For a name longer than the kernel keeps: the full name is the base name of
// the first argument, the path the process was started through (a symlink's
// own name, as for the short name). The executable's file only when the
// process has no arguments left to read.
bool longNameMatches(const QString &pid, const QByteArray &wanted)
{
    const QByteArray cmdline = readProcFile(QStringLiteral("/proc/%1/cmdline").arg(pid));
    const QByteArray argv0 = cmdline.left(cmdline.indexOf('\0'));
    if (!argv0.isEmpty())
        return baseName(argv0) == wanted;
    QByteArray exe = QFile::encodeName(QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(pid)));
    if (exe.endsWith(" (deleted)"))
        exe.chop(10);
    return !exe.isEmpty() && baseName(exe) == wanted;
}

} // namespace

QString executableName()
{
    // AT_EXECFN is the path handed to execve; the kernel names the process
    // after its last component, so this is the name the process list shows.
    const char *execFn = reinterpret_cast<const char *>(getauxval(AT_EXECFN));
    if (execFn && *execFn) {
        const QByteArray name = baseName(QByteArray(execFn));
        if (!name.isEmpty())
            return QFile::decodeName(name);
    }
    qWarning() << "executableName: no exec file name, using the executable's file name";
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

int countProcessesNamed(const QString &exeName)
{
    const QByteArray wanted = QFile::encodeName(exeName);
    if (wanted.isEmpty())
        return 0;
    const QByteArray wantedComm = wanted.left(kCommLength);
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    if (pids.isEmpty()) {
        qWarning() << "countProcessesNamed: /proc cannot be read";
        return 0;
    }
    int count = 0;
    for (const QString &pid : pids) {
        bool isPid = false;
        pid.toUInt(&isPid);
        if (!isPid)
            continue;
        QByteArray name;
        char state = 0;
        if (!readStat(pid, &name, &state)) // the process ended meanwhile
            continue;
        if (state == 'Z' || state == 'X') // ended, only waiting to be reaped
            continue;
        if (name != wantedComm)
            continue;
        if (wanted.size() > kCommLength && !longNameMatches(pid, wanted))
            continue;
        ++count;
    }
    return count;
}

namespace {
QString g_dataRootOverride;
}

void setDataRoot(const QString &folder)
{
    g_dataRootOverride = folder.isEmpty() ? QString() : QDir::cleanPath(QDir(folder).absolutePath());
}

QString dataRoot()
{
    if (!g_dataRootOverride.isEmpty())
        return g_dataRootOverride;
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(base + QStringLiteral("/NuvoVR/Brindlecast"));
}

QList<quint16> tcpLocalPortsFromTable(const QByteArray &table)
{
    QList<quint16> ports;
    const QList<QByteArray> lines = table.split('\n');
    // First line: column heads. Then "sl local_address rem_address st ...",
    // local_address = HEXADDR:HEXPORT.
    for (int i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> fields = lines.at(i).simplified().split(' ');
        if (fields.size() < 4)
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
    return ports;
}

static bool readTcpTable(const QString &path, QList<quint16> &ports)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug() << "tcpLocalPorts: cannot read" << path << file.errorString();
        return false;
    }
    ports += tcpLocalPortsFromTable(file.readAll());
    return true;
}

QList<quint16> tcpLocalPorts(bool *ok)
{
    QList<quint16> ports;
    const bool v4 = readTcpTable(QStringLiteral("/proc/net/tcp"), ports);
    const bool v6 = readTcpTable(QStringLiteral("/proc/net/tcp6"), ports);
    if (!v4 && !v6)
        qWarning() << "tcpLocalPorts: no TCP table can be read";
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
        const auto entries = iface.addressEntries();
        for (const QNetworkAddressEntry &entry : entries) {
            const QHostAddress ip = entry.ip();
            if (!ip.isNull() && !ip.isLoopback())
                return true;
        }
    }
    return false;
}

long raiseDescriptorLimit()
{
    static std::once_flag logged;
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0) {
        std::call_once(logged, [] { qWarning() << "raiseDescriptorLimit: the descriptor limit cannot be read"; });
        return -1;
    }
    const rlim_t before = limit.rlim_cur;
    if (limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        if (setrlimit(RLIMIT_NOFILE, &limit) != 0)
            limit.rlim_cur = before;
    }
    const auto shown = [](rlim_t value) {
        return value == RLIM_INFINITY ? QStringLiteral("unlimited") : QString::number(quint64(value));
    };
    std::call_once(logged, [&] {
        if (limit.rlim_cur == before && before < limit.rlim_max)
            qWarning().noquote() << "raiseDescriptorLimit: cannot raise the descriptor limit from" << shown(before);
        else
            qDebug().noquote() << "raiseDescriptorLimit: descriptor limit" << shown(before) << "->"
                               << shown(limit.rlim_cur);
    });
    if (limit.rlim_cur == RLIM_INFINITY || limit.rlim_cur > rlim_t(std::numeric_limits<long>::max()))
        return std::numeric_limits<long>::max();
    return long(limit.rlim_cur);
}

void preferQtEventDispatcherOnThreads()
{
    if (qEnvironmentVariableIsEmpty("QT_NO_THREADED_GLIB"))
        qputenv("QT_NO_THREADED_GLIB", "1");
}

void setCurrentThreadName(const char *name)
{
    if (prctl(PR_SET_NAME, name, 0, 0, 0) != 0)
        qDebug() << "cannot name the thread" << name;
}

int openRegularFile(const QString &path, qint64 *size)
{
    int fd = -1;
    do {
        fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return -1;
    struct stat info {};
    int error = 0;
    if (::fstat(fd, &info) != 0)
        error = errno;
    else if (!S_ISREG(info.st_mode))
        error = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
    if (error != 0) {
        ::close(fd);
        errno = error;
        return -1;
    }
    *size = qint64(info.st_size);
    return fd;
}

void closeFile(int fileDescriptor)
{
    if (fileDescriptor >= 0)
        ::close(fileDescriptor);
}

FileSendResult sendFileRange(qintptr socketDescriptor, int fileDescriptor, qint64 offset, qint64 count)
{
    // sendfile cannot be told MSG_NOSIGNAL: a peer that left must give
    // EPIPE, not end the process. Qt ignores SIGPIPE once it has written to
    // a socket; this covers a caller that never did.
    static std::once_flag sigpipe;
    std::call_once(sigpipe, [] {
        struct sigaction action {};
        if (sigaction(SIGPIPE, nullptr, &action) == 0 && action.sa_handler == SIG_DFL)
            signal(SIGPIPE, SIG_IGN);
    });
    FileSendResult result;
    off_t position = off_t(offset);
    ssize_t sent = 0;
    do {
        sent = ::sendfile(int(socketDescriptor), fileDescriptor, &position, size_t(count));
    } while (sent < 0 && errno == EINTR);
    if (sent > 0) {
        result.status = FileSendResult::Sent;
        result.bytes = sent;
    } else if (sent == 0) {
        result.status = count > 0 ? FileSendResult::EndOfFile : FileSendResult::Sent;
    } else {
        result.error = errno;
        result.status = errno == EAGAIN || errno == EWOULDBLOCK ? FileSendResult::WouldBlock
                                                                : FileSendResult::Failed;
    }
    return result;
}

FileSendResult sendBytes(qintptr socketDescriptor, const char *data, qint64 count)
{
    FileSendResult result;
    ssize_t sent = 0;
    do {
        sent = ::send(int(socketDescriptor), data, size_t(count), MSG_NOSIGNAL | MSG_DONTWAIT);
    } while (sent < 0 && errno == EINTR);
    if (sent >= 0) {
        result.status = FileSendResult::Sent;
        result.bytes = sent;
    } else {
        result.error = errno;
        result.status = errno == EAGAIN || errno == EWOULDBLOCK ? FileSendResult::WouldBlock
                                                                : FileSendResult::Failed;
    }
    return result;
}

bool setSocketCorked(qintptr socketDescriptor, bool corked)
{
    const int value = corked ? 1 : 0;
    return ::setsockopt(int(socketDescriptor), IPPROTO_TCP, TCP_CORK, &value, sizeof value) == 0;
}

} // namespace Platform
