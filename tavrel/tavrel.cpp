#include "tavrel.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <mutex>
#include <new>
#include <string>
#include <vector>
#include <algorithm>

#include <dirent.h>
#include <execinfo.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

std::atomic<bool> g_isDebug{false};

std::string str(const char *s) { return s ? std::string(s) : std::string(); }

std::string joinPath(const std::string &folder, const std::string &name)
{
    if (folder.empty())
        return name;
    if (folder.back() == '/')
        return folder + name;
    return folder + '/' + name;
}

// mkdir -p; true when the folder exists afterwards.
bool makeFolders(const std::string &path)
{
    if (path.empty())
        return false;
    std::string current;
    size_t pos = 0;
    while (pos <= path.size()) {
        const size_t slash = path.find('/', pos);
        const size_t end = slash == std::string::npos ? path.size() : slash;
        current = path.substr(0, end);
        if (!current.empty() && mkdir(current.c_str(), 0755) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            break;
        pos = slash + 1;
    }
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool writeAll(int fd, const char *data, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= size_t(n);
    }
    return true;
}

long envNumber(const char *name, long fallback, long minimum)
{
    const char *value = getenv(name);
    if (!value || !*value)
        return fallback;
    char *end = nullptr;
    const long n = strtol(value, &end, 10);
    if (!end || *end != '\0' || n < minimum)
        return fallback;
    return n;
}

// ---------------------------------------------------------------------------
// Crash handler. Everything it touches is prepared at installation; the
// handler itself uses only async-signal-safe calls (open, write, close,
// clock_gettime, backtrace_symbols_fd after a warm-up call of backtrace).

const int kCrashSignals[] = {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL};
constexpr size_t kFieldSize = 512;

struct CrashState
{
    int dirFd = -1;
    char version[kFieldSize] = {};
    char appId[kFieldSize] = {};
    char processName[kFieldSize] = {};
    char handlerPath[PATH_MAX] = {};
};

CrashState g_crash;
std::atomic<int> g_inCrash{0};
std::mutex g_crashInstallMutex;
void *g_altStack = nullptr;

const char *signalName(int sig)
{
    switch (sig) {
    case SIGSEGV: return "SIGSEGV";
    case SIGABRT: return "SIGABRT";
    case SIGBUS: return "SIGBUS";
    case SIGFPE: return "SIGFPE";
    case SIGILL: return "SIGILL";
    default: return "signal";
    }
}

// Decimal or hexadecimal text of a number, into buf; returns the length.
size_t formatNumber(char *buf, unsigned long long value, unsigned base)
{
    char tmp[32];
    size_t n = 0;
    do {
        const unsigned digit = unsigned(value % base);
        tmp[n++] = char(digit < 10 ? '0' + digit : 'a' + digit - 10);
        value /= base;
    } while (value && n < sizeof tmp);
    for (size_t i = 0; i < n; ++i)
        buf[i] = tmp[n - 1 - i];
    buf[n] = '\0';
    return n;
}

void safeWrite(int fd, const char *s)
{
    writeAll(fd, s, strlen(s));
}

void safeWriteNumber(int fd, unsigned long long value, unsigned base = 10)
{
    char buf[40];
    formatNumber(buf, value, base);
    safeWrite(fd, buf);
}

void writeCrashReport(int sig, siginfo_t *info)
{
    if (g_crash.dirFd < 0)
        return;
    struct timespec now = {};
    clock_gettime(CLOCK_REALTIME, &now);
    const pid_t pid = getpid();

    // crash-<pid>-<seconds>-<milliseconds>.txt
    char name[128];
    size_t len = 0;
    const char prefix[] = "crash-";
    memcpy(name, prefix, sizeof prefix - 1);
    len = sizeof prefix - 1;
    len += formatNumber(name + len, (unsigned long long)pid, 10);
    name[len++] = '-';
    len += formatNumber(name + len, (unsigned long long)now.tv_sec, 10);
    name[len++] = '-';
    len += formatNumber(name + len, (unsigned long long)(now.tv_nsec / 1000000), 10);
    memcpy(name + len, ".txt", 5);

    const int fd = openat(g_crash.dirFd, name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    safeWrite(fd, "signal: ");
    safeWriteNumber(fd, (unsigned long long)sig);
    safeWrite(fd, " ");
    safeWrite(fd, signalName(sig));
    safeWrite(fd, "\ncode: ");
    safeWriteNumber(fd, info ? (unsigned long long)(unsigned)info->si_code : 0);
    safeWrite(fd, "\naddress: 0x");
    safeWriteNumber(fd, info ? (unsigned long long)(uintptr_t)info->si_addr : 0, 16);
    safeWrite(fd, "\npid: ");
    safeWriteNumber(fd, (unsigned long long)pid);
    safeWrite(fd, "\ntid: ");
    safeWriteNumber(fd, (unsigned long long)syscall(SYS_gettid));
    safeWrite(fd, "\nversion: ");
    safeWrite(fd, g_crash.version);
    safeWrite(fd, "\napp: ");
    safeWrite(fd, g_crash.appId);
    safeWrite(fd, "\nprocess: ");
    safeWrite(fd, g_crash.processName);
    safeWrite(fd, "\nhandler: ");
    safeWrite(fd, g_crash.handlerPath);
    safeWrite(fd, "\ntime: ");
    safeWriteNumber(fd, (unsigned long long)now.tv_sec);
    safeWrite(fd, "\nbacktrace:\n");
    void *frames[64];
    const int count = backtrace(frames, 64);
    backtrace_symbols_fd(frames, count, fd);
    safeWrite(fd, "end of report\n");
    fsync(fd);
    close(fd);
}

void crashHandler(int sig, siginfo_t *info, void *)
{
    if (g_inCrash.exchange(1) == 0) {
        writeCrashReport(sig, info);
    } else {
        // Another thread is writing its report: give it time to finish
        // before this signal ends the process.
        struct timespec pause = {0, 50 * 1000 * 1000};
        for (int i = 0; i < 100; ++i)
            nanosleep(&pause, nullptr);
    }
    // Back to the default action. The signal stays blocked until we return,
    // then ends the process (a faulting instruction also faults again).
    signal(sig, SIG_DFL);
    raise(sig);
}

void copyField(char *dst, size_t size, const std::string &src)
{
    const size_t n = std::min(size - 1, src.size());
    memcpy(dst, src.data(), n);
    dst[n] = '\0';
}

// Keep the crash data folder bounded: only the newest reports stay.
void pruneCrashReports(const std::string &folder, size_t keep)
{
    DIR *dir = opendir(folder.c_str());
    if (!dir)
        return;
    std::vector<std::pair<time_t, std::string>> reports;
    while (struct dirent *entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.compare(0, 6, "crash-") != 0)
            continue;
        struct stat st;
        if (stat(joinPath(folder, name).c_str(), &st) == 0 && S_ISREG(st.st_mode))
            reports.emplace_back(st.st_mtime, name);
    }
    closedir(dir);
    if (reports.size() <= keep)
        return;
    std::sort(reports.begin(), reports.end());
    for (size_t i = 0; i + keep < reports.size(); ++i)
        unlink(joinPath(folder, reports[i].second).c_str());
}

// ---------------------------------------------------------------------------

class GlobalEnvBuilder final : public tavrel::TavrelGlobalEnvBuilderBase
{
public:
    GlobalEnvBuilder(long number, int reservedValue) : appNumber(number), reserved(reservedValue) {}
    ~GlobalEnvBuilder() override = default;

    TavrelGlobalEnvBuilderBase *SetIsOverseas(bool value) override { isOverseas = value; return this; }
    TavrelGlobalEnvBuilderBase *SetRootPathName(const char *value) override { rootPath = str(value); return this; }
    TavrelGlobalEnvBuilderBase *SetDid(const char *value) override { did = str(value); return this; }
    TavrelGlobalEnvBuilderBase *SetUid(const char *value) override { uid = str(value); return this; }
    TavrelGlobalEnvBuilderBase *SetAppVersion(const char *value) override { appVersion = str(value); return this; }
    TavrelGlobalEnvBuilderBase *SetOsVersion(const char *value) override { osVersion = str(value); return this; }

    long appNumber;
    int reserved;
    bool isOverseas = false;
    std::string rootPath, did, uid, appVersion, osVersion;
};

class EnvBuilder final : public tavrel::TavrelEnvBuilderBase
{
public:
    EnvBuilder(long number, int reservedValue, const char *id)
        : appNumber(number), reserved(reservedValue), appId(str(id)) {}
    ~EnvBuilder() override = default;

    TavrelEnvBuilderBase *SetProcessName(const char *value) override { processName = str(value); return this; }
    TavrelEnvBuilderBase *SetPid(const char *value) override { pid = str(value); return this; }

    long appNumber;
    int reserved;
    std::string appId, processName, pid;
};

class Wrapper final : public tavrel::TavrelWrapperBase
{
public:
    Wrapper() = default;
    ~Wrapper() override
    {
        if (m_fd >= 0)
            close(m_fd);
    }

    void InitGlobalEnv(tavrel::TavrelGlobalEnvBuilderBase *builder) override
    {
        auto *b = static_cast<GlobalEnvBuilder *>(builder);
        if (!b)
            return;
        std::lock_guard<std::mutex> lock(m_mutex);
        m_global = *b;
    }

    void InitInstanceEnv(tavrel::TavrelEnvBuilderBase *builder) override
    {
        auto *b = static_cast<EnvBuilder *>(builder);
        if (!b)
            return;
        std::lock_guard<std::mutex> lock(m_mutex);
        m_appId = b->appId;
        m_processName = b->processName;
        m_pid = b->pid;
    }

    void Upload() override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_fd >= 0)
            fdatasync(m_fd);
    }

    void LaunchReport() override
    {
        std::string text;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            text = "launch app " + m_appId + ", process " + m_processName + ", pid " + m_pid
                + ", version " + m_global.appVersion + ", os " + m_global.osVersion;
        }
        WriteAlog("Launch", text.c_str());
    }

    void InitCrashServerOnWin(const char *handlerPath, const char *crashDataFolder,
                              tavrel::CrashServerInitCallback callback) override
    {
        const bool ok = installCrashHandler(str(handlerPath), str(crashDataFolder));
        if (callback)
            callback(ok, ok ? unsigned(g_crash.dirFd) : 0u);
    }

    void InitAlog(const char *alogFolder, const char *appId) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_alogFolder = str(alogFolder);
        m_alogBase = str(appId).empty() ? std::string("alog") : str(appId);
        m_maxFileBytes = envNumber("TAVREL_ALOG_FILE_BYTES", 4L * 1024 * 1024, 1024);
        m_maxFiles = int(envNumber("TAVREL_ALOG_FILES", 8, 2));
        if (m_fd >= 0) {
            close(m_fd);
            m_fd = -1;
        }
        if (!makeFolders(m_alogFolder) || !openCurrent()) {
            fprintf(stderr, "tavrel: cannot open the alog in %s: %s\n", m_alogFolder.c_str(), strerror(errno));
            return;
        }
        for (const std::string &line : m_pending)
            writeLine(line);
        m_pending.clear();
        if (m_droppedPending) {
            writeLine(formatLine("Tavrel", ("lines lost before the alog opened: " + std::to_string(m_droppedPending)).c_str()));
            m_droppedPending = 0;
        }
    }

    void WriteAlog(const char *level, const char *text) override
    {
        if (!level || !text)
            return;
        const std::string line = formatLine(level, text);
        if (g_isDebug.load())
            writeAll(STDERR_FILENO, line.data(), line.size());
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_fd < 0) {
            // Kept until the alog opens, within bounds.
            if (m_pending.size() < kMaxPending)
                m_pending.push_back(line);
            else
                ++m_droppedPending;
            return;
        }
        writeLine(line);
    }

    void UploadAlogIfCrashed() override
    {
        std::string folder;
        {
            std::lock_guard<std::mutex> lock(g_crashInstallMutex);
            folder = m_crashFolder;
        }
        if (folder.empty())
            return;
        const std::string listPath = joinPath(folder, "noted.list");
        std::vector<std::string> noted;
        if (FILE *list = fopen(listPath.c_str(), "r")) {
            char buf[512];
            while (fgets(buf, sizeof buf, list)) {
                std::string name = buf;
                while (!name.empty() && (name.back() == '\n' || name.back() == '\r'))
                    name.pop_back();
                if (!name.empty())
                    noted.push_back(name);
            }
            fclose(list);
        }
        std::vector<std::string> present;
        if (DIR *dir = opendir(folder.c_str())) {
            while (struct dirent *entry = readdir(dir)) {
                const std::string name = entry->d_name;
                if (name.compare(0, 6, "crash-") == 0)
                    present.push_back(name);
            }
            closedir(dir);
        }
        std::sort(present.begin(), present.end());
        bool changed = false;
        for (const std::string &name : present) {
            if (std::find(noted.begin(), noted.end(), name) != noted.end())
                continue;
            WriteAlog("Crash", ("previous crash report: " + joinPath(folder, name)).c_str());
            changed = true;
        }
        // The list holds the reports still present, so it stays as bounded
        // as the folder.
        if (changed || present.size() != noted.size()) {
            const std::string tmp = listPath + ".tmp";
            if (FILE *list = fopen(tmp.c_str(), "w")) {
                for (const std::string &name : present)
                    fprintf(list, "%s\n", name.c_str());
                if (fclose(list) == 0)
                    rename(tmp.c_str(), listPath.c_str());
            }
        }
    }

    void OpenCloudMessage(long intervalMs) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_cloudIntervalMs = intervalMs;
    }

private:
    static constexpr size_t kMaxPending = 4096;

    static std::string formatLine(const char *level, const char *text)
    {
        struct timespec now = {};
        clock_gettime(CLOCK_REALTIME, &now);
        struct tm local = {};
        localtime_r(&now.tv_sec, &local);
        char stamp[64];
        const size_t n = strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &local);
        snprintf(stamp + n, sizeof stamp - n, ".%03ld", now.tv_nsec / 1000000);

        std::string line;
        line.reserve(strlen(text) + 64);
        line += stamp;
        line += ' ';
        line += std::to_string(getpid());
        line += " [";
        line += level;
        line += "] ";
        // One call, one line: line breaks inside the text are escaped.
        for (const char *p = text; *p; ++p) {
            if (*p == '\n')
                line += "\\n";
            else if (*p == '\r')
                line += "\\r";
            else
                line += *p;
        }
        line += '\n';
        return line;
    }

    std::string filePath(int index) const
    {
        if (index == 0)
            return joinPath(m_alogFolder, m_alogBase + ".log");
        return joinPath(m_alogFolder, m_alogBase + "." + std::to_string(index) + ".log");
    }

    bool openCurrent()
    {
        m_fd = open(filePath(0).c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
        return m_fd >= 0;
    }

    // Called with m_mutex held.
    void writeLine(const std::string &line)
    {
        if (m_fd < 0)
            return;
        // One write per line: with O_APPEND, lines of other threads and of
        // other processes sharing the file never interleave inside a line.
        writeAll(m_fd, line.data(), line.size());
        struct stat st;
        if (fstat(m_fd, &st) == 0 && st.st_size >= m_maxFileBytes)
            rotate();
    }

    // Called with m_mutex held. The current file becomes <base>.1.log, each
    // older one moves up by one, the oldest is removed. Another process
    // writing the same folder may have rotated already: then only reopen.
    void rotate()
    {
        if (flock(m_fd, LOCK_EX) == 0) {
            struct stat mine, current;
            const std::string path = filePath(0);
            if (fstat(m_fd, &mine) == 0 && stat(path.c_str(), &current) == 0
                && mine.st_ino == current.st_ino && mine.st_dev == current.st_dev) {
                unlink(filePath(m_maxFiles - 1).c_str());
                for (int i = m_maxFiles - 2; i >= 1; --i)
                    rename(filePath(i).c_str(), filePath(i + 1).c_str());
                rename(path.c_str(), filePath(1).c_str());
            }
            flock(m_fd, LOCK_UN);
        }
        close(m_fd);
        m_fd = -1;
        if (!openCurrent())
            fprintf(stderr, "tavrel: cannot reopen the alog in %s: %s\n", m_alogFolder.c_str(), strerror(errno));
    }

    bool installCrashHandler(const std::string &handlerPath, const std::string &folder)
    {
        std::lock_guard<std::mutex> lock(g_crashInstallMutex);
        if (!makeFolders(folder))
            return false;
        const int dirFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dirFd < 0)
            return false;
        pruneCrashReports(folder, 16);

        // Load what backtrace() needs now, not inside the handler.
        void *warmUp[4];
        backtrace(warmUp, 4);

        {
            std::lock_guard<std::mutex> dataLock(m_mutex);
            copyField(g_crash.version, sizeof g_crash.version, m_global.appVersion);
            copyField(g_crash.appId, sizeof g_crash.appId, m_appId);
            copyField(g_crash.processName, sizeof g_crash.processName, m_processName);
        }
        copyField(g_crash.handlerPath, sizeof g_crash.handlerPath, handlerPath);
        const int oldFd = g_crash.dirFd;
        g_crash.dirFd = dirFd;
        if (oldFd >= 0)
            close(oldFd);
        m_crashFolder = folder;

        // A stack of its own, so a stack overflow can still be reported.
        if (!g_altStack) {
            const size_t size = 256 * 1024;
            g_altStack = malloc(size);
            if (g_altStack) {
                stack_t stack = {};
                stack.ss_sp = g_altStack;
                stack.ss_size = size;
                sigaltstack(&stack, nullptr);
            }
        }

        struct sigaction action = {};
        action.sa_sigaction = crashHandler;
        action.sa_flags = SA_SIGINFO | SA_ONSTACK;
        sigemptyset(&action.sa_mask);
        bool ok = true;
        for (int sig : kCrashSignals)
            ok = sigaction(sig, &action, nullptr) == 0 && ok;
        return ok;
    }

    std::mutex m_mutex;
    GlobalEnvBuilder m_global{0, 0};
    std::string m_appId, m_processName, m_pid;
    std::string m_alogFolder, m_alogBase;
    std::string m_crashFolder;
    long m_maxFileBytes = 4L * 1024 * 1024;
    int m_maxFiles = 8;
    int m_fd = -1;
    std::vector<std::string> m_pending;
    size_t m_droppedPending = 0;
    long m_cloudIntervalMs = 0;
};

} // namespace

void tavrel::TavrelGlobalEnvBuilderBase::SetIsDebug(bool isDebug)
{
    g_isDebug.store(isDebug);
}

extern "C" {

tavrel::TavrelWrapperBase *CreateTavrelWrapper()
{
    return new (std::nothrow) Wrapper;
}

tavrel::TavrelGlobalEnvBuilderBase *CreateTavrelGlobalEnvBuilder(long appNumber, int reserved)
{
    return new (std::nothrow) GlobalEnvBuilder(appNumber, reserved);
}

void DestroyTavrelGlobalEnvBuilder(tavrel::TavrelGlobalEnvBuilderBase **builder)
{
    if (!builder)
        return;
    delete static_cast<GlobalEnvBuilder *>(*builder);
    *builder = nullptr;
}

tavrel::TavrelEnvBuilderBase *CreateTavrelEnvBuilder(long appNumber, int reserved, const char *appId)
{
    return new (std::nothrow) EnvBuilder(appNumber, reserved, appId);
}

void DestroyTavrelEnvBuilder(tavrel::TavrelEnvBuilderBase **builder)
{
    if (!builder)
        return;
    delete static_cast<EnvBuilder *>(*builder);
    *builder = nullptr;
}

} // extern "C"
