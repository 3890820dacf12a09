#include "processes.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>

#include <csignal>
#include <sys/resource.h>

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

FileSizeLimit::FileSizeLimit(qint64 bytes)
{
    m_handlerBefore = signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    m_softBefore = qint64(limit.rlim_cur);
    limit.rlim_cur = rlim_t(bytes);
    m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    if (!m_active)
        qWarning() << "FileSizeLimit: setrlimit failed";
}

FileSizeLimit::~FileSizeLimit()
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = rlim_t(m_softBefore);
    setrlimit(RLIMIT_FSIZE, &limit);
    signal(SIGXFSZ, m_handlerBefore);
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
        process.closeWriteChannel();
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

QByteArray fileBytes(const QString &path, qint64 from, qint64 count)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(from))
        return QByteArray();
    return count < 0 ? file.readAll() : file.read(count);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

void writeIniValue(const QString &path, const QString &key, const QVariant &value)
{
    QSettings settings(path, QSettings::IniFormat);
    settings.setValue(key, value);
    settings.sync();
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
