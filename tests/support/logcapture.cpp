#include "logcapture.h"

#include <QMutex>
#include <cstdio>

namespace {
QMutex g_lock;
QList<LogCapture::Line> g_lines;
QtMessageHandler g_previous = nullptr;
bool g_echoDebug = false;
bool g_echoNothing = false;

int severity(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg:
        return 0;
    case QtInfoMsg:
        return 1;
    case QtWarningMsg:
        return 2;
    case QtCriticalMsg:
        return 3;
    case QtFatalMsg:
        return 4;
    }
    return 0;
}
} // namespace

LogCapture::LogCapture(Echo echo)
{
    QMutexLocker l(&g_lock);
    g_lines.clear();
    g_echoDebug = qEnvironmentVariableIsSet("CORVANE_TEST_LOG");
    g_echoNothing = echo == Echo::None;
    m_previous = qInstallMessageHandler(&LogCapture::handler);
    g_previous = m_previous;
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(m_previous);
    QMutexLocker l(&g_lock);
    g_previous = nullptr;
}

void LogCapture::handler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    QtMessageHandler previous;
    bool echo;
    {
        QMutexLocker l(&g_lock);
        g_lines.append({type, message});
        previous = g_previous;
        echo = !g_echoNothing && (type != QtDebugMsg || g_echoDebug);
    }
    if (!echo)
        return;
    if (previous)
        previous(type, context, message);
    else
        fprintf(stderr, "%s\n", qPrintable(message));
}

QList<LogCapture::Line> LogCapture::entries() const
{
    QMutexLocker l(&g_lock);
    return g_lines;
}

QStringList LogCapture::lines() const
{
    QStringList texts;
    for (const Line &line : entries())
        texts << line.text;
    return texts;
}

int LogCapture::count(const QString &text) const
{
    return count(QtDebugMsg, text);
}

int LogCapture::count(QtMsgType atLeast, const QString &text) const
{
    int n = 0;
    for (const Line &line : entries())
        n += severity(line.type) >= severity(atLeast) && line.text.contains(text) ? 1 : 0;
    return n;
}

bool LogCapture::hasLineStartingWith(const QString &start) const
{
    for (const Line &line : entries())
        if (line.text.startsWith(start))
            return true;
    return false;
}

void LogCapture::clear()
{
    QMutexLocker l(&g_lock);
    g_lines.clear();
}
