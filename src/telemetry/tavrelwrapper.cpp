#include "tavrelwrapper.h"

#include "settings/appsettings.h"

#include <tavrel.h>

#include <QDebug>

#include <cstdio>

namespace {
const long kAppNumber = 300133;
const long kCloudMessageArgument = 30000;
// The library's paths are built in buffers of this size.
constexpr size_t kPathBuffer = 260;

// "%s/%s" or "%s/%s/" into buf; false (and a warning) when it does not fit,
// so a cut path never sends files to a wrong folder.
bool buildPath(char (&buf)[kPathBuffer], const char *format, const char *root, const char *name)
{
    const int n = std::snprintf(buf, kPathBuffer, format, root, name);
    if (n < 0 || size_t(n) >= kPathBuffer) {
        qWarning() << "TavrelWrapper: path too long for the library:" << root << name;
        return false;
    }
    return true;
}
}

TavrelWrapper &TavrelWrapper::instance()
{
    static TavrelWrapper wrapper;
    return wrapper;
}

TavrelWrapper::TavrelWrapper(Factory factory) : m_factory(factory ? factory : &CreateTavrelWrapper) {}

void TavrelWrapper::Init(const char *rootPath, const char *appVersion, const char *did, const char *uid,
                         const char *osVersion, const char *appId, const char *pid)
{
    tavrel::TavrelWrapperBase *handle = m_factory();
    if (!handle)
        return; // no handle: every later write is dropped
    m_handle.store(handle);

    tavrel::TavrelGlobalEnvBuilderBase::SetIsDebug(false);
    tavrel::TavrelGlobalEnvBuilderBase *global = CreateTavrelGlobalEnvBuilder(kAppNumber, 0);
    if (global) {
        global->SetIsOverseas(AppSettings::instance()->isOverseas())
            ->SetRootPathName(rootPath)
            ->SetDid(did)
            ->SetUid(uid)
            ->SetAppVersion(appVersion)
            ->SetOsVersion(osVersion);
    }
    handle->InitGlobalEnv(global);
    DestroyTavrelGlobalEnvBuilder(&global);

    tavrel::TavrelEnvBuilderBase *env = CreateTavrelEnvBuilder(kAppNumber, 0, appId);
    if (env)
        env->SetProcessName("main")->SetPid(pid);
    handle->InitInstanceEnv(env);
    handle->Upload();
    handle->LaunchReport();
    DestroyTavrelEnvBuilder(&env);

    char crashHandler[kPathBuffer];
    char crashData[kPathBuffer];
    if (buildPath(crashHandler, "%s/%s", rootPath, "tavrel_crash_handler")
        && buildPath(crashData, "%s/%s/", rootPath, "crashData"))
        handle->InitCrashServerOnWin(crashHandler, crashData, &TavrelWrapper::GetCrashpadInitRes);

    char alogFolder[kPathBuffer];
    if (buildPath(alogFolder, "%s/%s/", rootPath, "aLog"))
        handle->InitAlog(alogFolder, appId);
    handle->WriteAlog("Init", "Tavrel Init Over");
    handle->UploadAlogIfCrashed();
    handle->OpenCloudMessage(kCloudMessageArgument);
}

void TavrelWrapper::WriteAlog(const char *level, const char *text)
{
    tavrel::TavrelWrapperBase *handle = m_handle.load();
    if (!level || !text || !handle)
        return;
    handle->WriteAlog(level, text);
}

void TavrelWrapper::GetCrashpadInitRes(bool ok, unsigned int pipe)
{
    if (ok)
        qWarning("GetCrashpadInitRes succeeded, ipc_pipe: 0x%X", pipe);
    else
        qWarning("GetCrashpadInitRes failed");
}
