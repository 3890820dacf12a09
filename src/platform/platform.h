#pragma once

// The operating-system layer: the few facts the program asks the system for.
// One header, one implementation file per platform.

#include <QList>
#include <QString>

namespace Platform {

// The file name under which this process was started, as the process list
// shows it: a start through a symlink carries the symlink's name, not the
// target's. Falls back to the executable's file name.
QString executableName();

// Number of running processes (of every user) whose executable name equals
// exeName exactly; zombies are not counted. 0 when the process list cannot be
// read.
int countProcessesNamed(const QString &exeName);

// The per-user folder under which every file of the program lives, before it
// is created: <XDG data home>/NuvoVR/Brindlecast, with single '/' separators.
QString dataRoot();
// Makes dataRoot() answer folder (cleaned, made absolute) from now on, for a
// server told where its data lives; an empty folder restores the default.
void setDataRoot(const QString &folder);

// The local port of every TCP endpoint of the machine, IPv4 and IPv6, in any
// state (listening, established, TIME_WAIT, ...). ok is set to false when the
// table cannot be read at all.
QList<quint16> tcpLocalPorts(bool *ok = nullptr);
// The local ports of a table in the layout of /proc/net/tcp (head line, then
// one endpoint per line); lines it cannot read are skipped.
QList<quint16> tcpLocalPortsFromTable(const QByteArray &table);

// Raises the soft limit on open descriptors to the hard limit (a server
// holds one per connection and one per file it is sending) and returns the
// soft limit in force afterwards; -1 when it cannot be read. Logs once per
// process what it did.
long raiseDescriptorLimit();

// True when some interface is up, running, not loopback and carries an address.
bool isNetworkAlive();

// Threads other than the main one run Qt's own event dispatcher instead of
// glib's: glib wakes its poll for every socket notifier that is switched on
// or off, several times a request on the server thread. Called first in
// main, before any thread starts; a value the user set is kept.
void preferQtEventDispatcherOnThreads();

// Names the calling thread as the process list and debuggers show it (at
// most 15 bytes kept), so the server's threads can be told apart.
void setCurrentThreadName(const char *name);

// The calling thread named while the scope runs, "corvane-idle" after it
// (a pooled thread outlives its task).
class ScopedThreadName
{
public:
    explicit ScopedThreadName(const char *name) { setCurrentThreadName(name); }
    ~ScopedThreadName() { setCurrentThreadName("corvane-idle"); }
    ScopedThreadName(const ScopedThreadName &) = delete;
    ScopedThreadName &operator=(const ScopedThreadName &) = delete;
};

// One step of copying a file range to a connected, non-blocking socket
// inside the kernel (sendfile(2) on Linux), without passing the bytes
// through the process.
struct FileSendResult
{
    enum Status {
        Sent,        // bytes > 0 went out
        WouldBlock,  // the socket's buffer is full: wait until it is writable
        EndOfFile,   // nothing left to read at offset: the file is shorter now
        Failed,      // not possible for this file or socket (error holds errno)
    };
    Status status = Failed;
    qint64 bytes = 0;
    int error = 0;
};
// Opens a regular file for reading and gives its size: one open and one
// stat, where QFile stats twice. Never blocks on a FIFO or device, which is
// refused. -1 on failure, errno telling why.
int openRegularFile(const QString &path, qint64 *size);
void closeFile(int fileDescriptor);

// Sends at most count bytes of the open file fileDescriptor, from offset,
// to socketDescriptor. The file's own position is left as it is.
FileSendResult sendFileRange(qintptr socketDescriptor, int fileDescriptor, qint64 offset, qint64 count);
// Writes what a non-blocking socket takes of count bytes now, without
// waiting and without SIGPIPE; the same results as sendFileRange.
FileSendResult sendBytes(qintptr socketDescriptor, const char *data, qint64 count);
// Holds back partial segments of a TCP socket while corked, so that a reply
// head and the file body after it leave in full segments; uncorking sends
// what is held at once. False where the system cannot.
bool setSocketCorked(qintptr socketDescriptor, bool corked);

} // namespace Platform
