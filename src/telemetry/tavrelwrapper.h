#pragma once

#include <atomic>

namespace tavrel {
class TavrelWrapperBase;
}

// The process's one door to the telemetry library: initialises it in a fixed
// order and forwards alog lines. Without a handle every write is dropped.
class TavrelWrapper
{
public:
    using Factory = tavrel::TavrelWrapperBase *(*)();

    // The process-wide instance, created on first use (by the telemetry
    // start-up or by the log handler, whichever comes first).
    static TavrelWrapper &instance();

    // factory is the library's CreateTavrelWrapper unless a caller must see
    // the library refuse.
    explicit TavrelWrapper(Factory factory = nullptr);
    TavrelWrapper(const TavrelWrapper &) = delete;
    TavrelWrapper &operator=(const TavrelWrapper &) = delete;

    // All arguments are zero-terminated UTF-8.
    void Init(const char *rootPath, const char *appVersion, const char *did, const char *uid,
              const char *osVersion, const char *appId, const char *pid);

    // Drops the line when either string is null or the library gave no handle.
    void WriteAlog(const char *level, const char *text);

    bool hasHandle() const { return m_handle.load() != nullptr; }

    // The crash server's start result.
    static void GetCrashpadInitRes(bool ok, unsigned int pipe);

private:
    Factory m_factory;
    // Read by every thread that logs while the GUI thread initialises.
    std::atomic<tavrel::TavrelWrapperBase *> m_handle{nullptr};
};
