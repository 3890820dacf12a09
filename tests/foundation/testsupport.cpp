#include "testsupport.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

QProcess *ChildProcesses::start(const QString &program, const QStringList &arguments,
                                const QProcessEnvironment &environment)
{
    auto *process = new QProcess;
    process->setProcessEnvironment(environment);
    process->start(program, arguments);
    m_processes.append(process);
    if (!process->waitForStarted(10000)) {
        qWarning() << "cannot start" << program << process->errorString();
        return nullptr;
    }
    return process;
}

void ChildProcesses::killAll()
{
    for (QProcess *process : qAsConst(m_processes)) {
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(10000);
        }
        delete process;
    }
    m_processes.clear();
}

namespace TestSupport {

QByteArray run(const QString &program, const QStringList &arguments, int *exitCode, int timeoutMs,
               const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    int code = -1;
    if (process.waitForStarted(10000)) {
        if (process.waitForFinished(timeoutMs) && process.exitStatus() == QProcess::NormalExit)
            code = process.exitCode();
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(10000);
        }
    }
    if (exitCode)
        *exitCode = code;
    return process.readAllStandardOutput();
}

bool ended(QProcess *process, int timeoutMs)
{
    return process->state() == QProcess::NotRunning || process->waitForFinished(timeoutMs)
        || process->state() == QProcess::NotRunning;
}

QList<QByteArray> alogLines(const QString &dataRoot)
{
    const QDir dir(dataRoot + QStringLiteral("/aLog"));
    // Vistrel.<n>.log are older the higher n is; Vistrel.log is the newest.
    QStringList files = dir.entryList({QStringLiteral("*.log")}, QDir::Files);
    auto age = [](const QString &name) {
        const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("\\.(\\d+)\\.log$")).match(name);
        return m.hasMatch() ? m.captured(1).toInt() : 0;
    };
    std::sort(files.begin(), files.end(), [&](const QString &a, const QString &b) { return age(a) > age(b); });
    QList<QByteArray> lines;
    for (const QString &name : qAsConst(files)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QList<QByteArray> fileLines = file.readAll().split('\n');
        if (!fileLines.isEmpty() && fileLines.last().isEmpty())
            fileLines.removeLast();
        lines += fileLines;
    }
    return lines;
}

bool canUnshareNetwork()
{
    int code = -1;
    run(QStringLiteral("unshare"), {QStringLiteral("-n"), QStringLiteral("true")}, &code, 10000);
    return code == 0;
}

} // namespace TestSupport
