// Test helper over the telemetry library alone: initialises it the way the
// program does, then crashes with a real fault or writes alog lines.
//
//   foundation_tavrel_helper <root> init
//   foundation_tavrel_helper <root> crash SEGV|SEGV-thread|ABRT|BUS|FPE|ILL
//   foundation_tavrel_helper <root> write <threads> <lines>

#include <tavrel.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

// The library has no way to release its wrapper: like the program's, the
// helper's handle lives as long as the process, held here where the leak
// check sees it.
tavrel::TavrelWrapperBase *helperHandle = nullptr;

namespace {

void crashServerResult(bool ok, unsigned int pipe)
{
    std::printf("crash server: %s 0x%X\n", ok ? "ok" : "failed", pipe);
    std::fflush(stdout);
}

tavrel::TavrelWrapperBase *initTavrel(const std::string &root)
{
    helperHandle = CreateTavrelWrapper();
    tavrel::TavrelWrapperBase *handle = helperHandle;
    if (!handle)
        return nullptr;
    tavrel::TavrelGlobalEnvBuilderBase::SetIsDebug(false);
    tavrel::TavrelGlobalEnvBuilderBase *global = CreateTavrelGlobalEnvBuilder(300133, 0);
    global->SetIsOverseas(false)
        ->SetRootPathName(root.c_str())
        ->SetDid("helper-did")
        ->SetUid("helper-uid")
        ->SetAppVersion("9.8.7.6")
        ->SetOsVersion("testos");
    handle->InitGlobalEnv(global);
    DestroyTavrelGlobalEnvBuilder(&global);
    const std::string pid = std::to_string(getpid());
    tavrel::TavrelEnvBuilderBase *env = CreateTavrelEnvBuilder(300133, 0, "Vistrel");
    env->SetProcessName("main")->SetPid(pid.c_str());
    handle->InitInstanceEnv(env);
    handle->Upload();
    handle->LaunchReport();
    DestroyTavrelEnvBuilder(&env);
    handle->InitCrashServerOnWin((root + "/tavrel_crash_handler").c_str(), (root + "/crashData/").c_str(),
                                 &crashServerResult);
    handle->InitAlog((root + "/aLog/").c_str(), "Vistrel");
    handle->WriteAlog("Init", "Tavrel Init Over");
    handle->UploadAlogIfCrashed();
    handle->OpenCloudMessage(30000);
    return handle;
}

[[noreturn]] void segfault()
{
    volatile int *volatile pointer = nullptr; // a volatile store is never elided
    *pointer = 1;
    std::abort();
}

[[noreturn]] void crash(const std::string &kind, const std::string &root)
{
    if (kind == "SEGV")
        segfault();
    if (kind == "SEGV-thread") {
        std::thread worker([] { segfault(); });
        worker.join();
    }
    if (kind == "ABRT")
        std::abort();
    if (kind == "FPE") {
        volatile int zero = 0;
        volatile int seven = 7;
        volatile int result = seven / zero;
        (void)result;
    }
    if (kind == "ILL") {
#if defined(__x86_64__) || defined(__i386__)
        __asm__ volatile("ud2");
#else
        std::raise(SIGILL);
#endif
    }
    if (kind == "BUS") {
        // Touching a mapped page past the end of its file is a bus error.
        const std::string path = root + "/bus-mapping";
        const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC, 0600);
        if (fd >= 0 && ftruncate(fd, 4096) == 0) {
            auto *page = static_cast<volatile char *>(mmap(nullptr, 4096, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0));
            if (page != MAP_FAILED && ftruncate(fd, 0) == 0)
                page[0] = 1;
        }
    }
    std::fprintf(stderr, "no crash for %s\n", kind.c_str());
    std::exit(3);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <root> init|crash <kind>|write <threads> <lines>\n", argv[0]);
        return 2;
    }
    const std::string root = argv[1];
    const std::string mode = argv[2];
    tavrel::TavrelWrapperBase *handle = initTavrel(root);
    if (!handle) {
        std::fprintf(stderr, "no tavrel handle\n");
        return 1;
    }
    if (mode == "init")
        return 0;
    if (mode == "crash" && argc >= 4)
        crash(argv[3], root);
    if (mode == "write" && argc >= 5) {
        const int threads = std::atoi(argv[3]);
        const int lines = std::atoi(argv[4]);
        const std::string pid = std::to_string(getpid());
        std::vector<std::thread> workers;
        for (int t = 0; t < threads; ++t) {
            workers.emplace_back([=] {
                for (int i = 0; i < lines; ++i) {
                    const std::string text = "W" + pid + " T" + std::to_string(t) + " I" + std::to_string(i) + " end";
                    handle->WriteAlog("Debug", text.c_str());
                }
            });
        }
        for (std::thread &worker : workers)
            worker.join();
        return 0;
    }
    std::fprintf(stderr, "unknown mode %s\n", mode.c_str());
    return 2;
}
