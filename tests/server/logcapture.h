#pragma once

#include <QMutex>
#include <QStringList>

// Collects the lines of Qt's message logger (from every thread) while it lives.
class LogCapture
{
public:
    LogCapture();
    ~LogCapture();

    QStringList lines() const;
    bool contains(const QString &text) const;
    int count(const QString &text) const;
    void clear();

private:
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &message);
};
