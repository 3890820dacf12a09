#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// Collects every line the message logger receives (from any thread) while it
// lives; the handler before it is restored by the destructor. Captures do not
// nest: the newest one collects.
//
// Lines are passed on to the previous handler too, except debug lines (set
// CORVANE_TEST_LOG to see those) and except everything when made with
// Echo::None (for tests that check what reaches standard error).
class LogCapture
{
public:
    enum class Echo { AboveDebug, None };
    explicit LogCapture(Echo echo = Echo::AboveDebug);
    ~LogCapture();
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    struct Line
    {
        QtMsgType type;
        QString text;
    };
    QList<Line> entries() const;
    QStringList lines() const;
    // Lines containing text.
    int count(const QString &text) const;
    // Lines of at least the given severity containing text.
    int count(QtMsgType atLeast, const QString &text) const;
    bool contains(const QString &text) const { return count(text) > 0; }
    bool hasLineStartingWith(const QString &start) const;
    void clear();

private:
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &message);
    QtMessageHandler m_previous = nullptr;
};
