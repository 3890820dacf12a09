#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// Collects the log lines written while it exists (and passes them on to the
// handler before it), so a test can check what was, or was not, logged.
class LogCapture
{
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    struct Line
    {
        QtMsgType type;
        QString text;
    };
    QList<Line> lines() const { return m_lines; }
    // Lines of at least the given severity whose text contains needle.
    int count(QtMsgType atLeast, const QString &needle) const;

private:
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &text);

    QList<Line> m_lines;
    QtMessageHandler m_previous = nullptr;
};
