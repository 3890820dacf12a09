#pragma once

// What every fuzz target shares: an application object (sessions and timers
// need one), a message logger that stays silent (the code logs every bad
// input; printing it would slow the fuzzer down a hundredfold), and the
// check that stops the run on a broken promise.

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

inline void fuzzSetUp()
{
    static int argc = 1;
    static char name[] = "corvane-fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication *app = nullptr;
    if (!app) {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
        app = new QCoreApplication(argc, argv);
    }
}

// A promise of the code under test that the input broke: reported as a crash.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "broken promise: %s\n", #condition);                              \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

inline QString fuzzText(const uint8_t *data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
}
