#include "logcapture.h"

#include <QtGlobal>
#include <cstdio>

namespace {
QMutex g_lock;
QStringList g_lines;
QtMessageHandler g_previous = nullptr;
bool g_echo = false;
}

LogCapture::LogCapture()
{
    QMutexLocker l(&g_lock);
    g_lines.clear();
    g_echo = qEnvironmentVariableIsSet("CORVANE_TEST_LOG");
    g_previous = qInstallMessageHandler(&LogCapture::handler);
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(g_previous);
}

void LogCapture::handler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    {
        QMutexLocker l(&g_lock);
        g_lines.append(message);
    }
    // QtTest's own lines (and failures) still reach the console; debug
    // chatter of the server only when asked for.
    if (type != QtDebugMsg || g_echo) {
        if (g_previous)
            g_previous(type, context, message);
        else
            fprintf(stderr, "%s\n", qPrintable(message));
    }
}

QStringList LogCapture::lines() const
{
    QMutexLocker l(&g_lock);
    return g_lines;
}

bool LogCapture::contains(const QString &text) const
{
    return count(text) > 0;
}

int LogCapture::count(const QString &text) const
{
    QMutexLocker l(&g_lock);
    int n = 0;
    for (const QString &line : g_lines)
        if (line.contains(text))
            ++n;
    return n;
}

void LogCapture::clear()
{
    QMutexLocker l(&g_lock);
    g_lines.clear();
}
