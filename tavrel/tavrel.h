#pragma once

// tavrel: the telemetry and crash-report library of the program.
//
// It keeps everything on this machine: the application log (alog) goes to
// files under the folder given to InitAlog, crash reports to the folder given
// to InitCrashServerOnWin. Nothing is sent anywhere.
//
// The classes are interfaces: the library creates the objects, the caller
// reaches them through these pointers. The only exported symbols are the
// factory functions below and TavrelGlobalEnvBuilderBase::SetIsDebug.

#if defined(TAVREL_BUILD)
#define TAVREL_API __attribute__((visibility("default")))
#else
#define TAVREL_API
#endif

namespace tavrel {

// Process-wide identity: who runs, where the library keeps its files.
class TavrelGlobalEnvBuilderBase
{
public:
    // In debug mode every alog line is also written to standard error.
    TAVREL_API static void SetIsDebug(bool isDebug);

    virtual TavrelGlobalEnvBuilderBase *SetIsOverseas(bool isOverseas) = 0;
    virtual TavrelGlobalEnvBuilderBase *SetRootPathName(const char *rootPath) = 0;
    virtual TavrelGlobalEnvBuilderBase *SetDid(const char *did) = 0;
    virtual TavrelGlobalEnvBuilderBase *SetUid(const char *uid) = 0;
    virtual TavrelGlobalEnvBuilderBase *SetAppVersion(const char *version) = 0;
    virtual TavrelGlobalEnvBuilderBase *SetOsVersion(const char *osVersion) = 0;

protected:
    virtual ~TavrelGlobalEnvBuilderBase() = default;
};

// Identity of one process of the application.
class TavrelEnvBuilderBase
{
public:
    virtual TavrelEnvBuilderBase *SetProcessName(const char *processName) = 0;
    virtual TavrelEnvBuilderBase *SetPid(const char *pid) = 0;

protected:
    virtual ~TavrelEnvBuilderBase() = default;
};

// Result of InitCrashServerOnWin: ok, and the channel the crash reports are
// written through (here the descriptor of the crash data folder).
typedef void (*CrashServerInitCallback)(bool ok, unsigned int pipe);

class TavrelWrapperBase
{
public:
    virtual void InitGlobalEnv(TavrelGlobalEnvBuilderBase *builder) = 0;
    virtual void InitInstanceEnv(TavrelEnvBuilderBase *builder) = 0;
    // Makes every alog line written so far durable on disk.
    virtual void Upload() = 0;
    // Notes this launch (identity and version) in the alog.
    virtual void LaunchReport() = 0;
    // Installs the crash handler: on SIGSEGV, SIGABRT, SIGBUS, SIGFPE or
    // SIGILL a report (signal, backtrace, version, pid) is written under
    // crashDataFolder, then the signal takes its default course. handlerPath
    // names the crash handler program; the handler here runs in-process and
    // only records the path in the reports.
    virtual void InitCrashServerOnWin(const char *handlerPath, const char *crashDataFolder,
                                      CrashServerInitCallback callback) = 0;
    // Opens the alog under alogFolder; lines written before are kept and
    // written first. The files are rotated by size, the folder stays bounded.
    virtual void InitAlog(const char *alogFolder, const char *appId) = 0;
    // One alog line: time, pid, level (or tag) and text. Safe from any thread.
    virtual void WriteAlog(const char *level, const char *text) = 0;
    // Notes in the alog every crash report not noted before.
    virtual void UploadAlogIfCrashed() = 0;
    // Cloud messages stay off; the interval is only recorded.
    virtual void OpenCloudMessage(long intervalMs) = 0;

protected:
    virtual ~TavrelWrapperBase() = default;
};

} // namespace tavrel

extern "C" {
// The library's wrapper; null when the library cannot work in this process.
TAVREL_API tavrel::TavrelWrapperBase *CreateTavrelWrapper();
TAVREL_API tavrel::TavrelGlobalEnvBuilderBase *CreateTavrelGlobalEnvBuilder(long appNumber, int reserved);
// Deletes *builder and sets it to null.
TAVREL_API void DestroyTavrelGlobalEnvBuilder(tavrel::TavrelGlobalEnvBuilderBase **builder);
TAVREL_API tavrel::TavrelEnvBuilderBase *CreateTavrelEnvBuilder(long appNumber, int reserved, const char *appId);
TAVREL_API void DestroyTavrelEnvBuilder(tavrel::TavrelEnvBuilderBase **builder);
}
