#pragma once

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QVariant>

// Child processes of the tests (start, run to the end), and reading the files they leave.

// Every child a test starts, killed and reaped when the owner goes, also when
// a check fails half-way.
class ChildProcesses
{
public:
    ChildProcesses() = default;
    ChildProcesses(const ChildProcesses &) = delete;
    ChildProcesses &operator=(const ChildProcesses &) = delete;
    ~ChildProcesses() { killAll(); }

    // Started (not waited for); null when it cannot start.
    QProcess *start(const QString &program, const QStringList &arguments,
                    const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());
    void killAll();

private:
    QList<QProcess *> m_processes;
};

// While it lives, this process may write no file beyond bytes (RLIMIT_FSIZE,
// as `ulimit -f` sets it): a write past the limit fails with EFBIG, as on a
// full disk. SIGXFSZ is ignored meanwhile so the test itself survives.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;
    bool active() const { return m_active; }

private:
    qint64 m_softBefore = 0;
    void (*m_handlerBefore)(int) = nullptr;
    bool m_active = false;
};

namespace TestSupport {

// Runs a program to its end; returns its standard output, sets *exitCode
// (-1 when it did not start, crashed or did not end within timeoutMs).
QByteArray run(const QString &program, const QStringList &arguments, int *exitCode = nullptr,
               int timeoutMs = 60000, const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());

// True once the process has ended, also when it ended before the call (where
// QProcess::waitForFinished answers false).
bool ended(QProcess *process, int timeoutMs = 60000);

// count bytes of the file from offset from (all to the end when count < 0);
// empty when it cannot be read.
QByteArray fileBytes(const QString &path, qint64 from = 0, qint64 count = -1);

// Writes bytes as the whole file; false when it cannot.
bool writeFile(const QString &path, const QByteArray &bytes);
// Sets key to value in the INI file at path (made when missing).
void writeIniValue(const QString &path, const QString &key, const QVariant &value);

// All alog lines under <dataRoot>/aLog, oldest file first.
QList<QByteArray> alogLines(const QString &dataRoot);

// True when this process may create network namespaces (unshare -n).
bool canUnshareNetwork();

} // namespace TestSupport
