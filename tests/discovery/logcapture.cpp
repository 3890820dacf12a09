#include "logcapture.h"

namespace {
QList<LogCapture::Line> *g_sink = nullptr;
QtMessageHandler g_chain = nullptr;

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

LogCapture::LogCapture()
{
    g_sink = &m_lines;
    m_previous = qInstallMessageHandler(&LogCapture::handler);
    g_chain = m_previous;
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(m_previous);
    g_sink = nullptr;
    g_chain = nullptr;
}

void LogCapture::handler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (g_sink)
        g_sink->append({type, text});
    if (g_chain)
        g_chain(type, context, text);
}

int LogCapture::count(QtMsgType atLeast, const QString &needle) const
{
    int n = 0;
    for (const Line &line : m_lines) {
        if (severity(line.type) >= severity(atLeast) && line.text.contains(needle))
            ++n;
    }
    return n;
}
