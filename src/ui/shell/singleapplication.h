#pragma once

#include <QApplication>
#include <QString>
#include <QStringList>

#include <memory>

class QLocalServer;
class QLockFile;

// The application object, which also keeps the program to one running copy.
// A later copy hands its command line to the first over a local socket named
// after the executable file and ends. Which copy keeps running is decided by
// a lock file in the data folder, so two copies started at the same moment
// leave exactly one running; the count of processes carrying this process's
// own name decides only when the lock file cannot be used.
class SingleApplication : public QApplication
{
    Q_OBJECT
public:
    SingleApplication(int &argc, char **argv);
    ~SingleApplication() override;

    // True when this process must end because another copy runs.
    bool isRunning();

signals:
    // The command line a later copy handed over, arguments joined by blanks.
    void sglProcApplicationPara(QString parameters);

protected:
    // A hand-over that arrived before anyone listened (the main window's
    // constructor runs nested event loops while it waits for the network)
    // is delivered once the first receiver is connected.
    void connectNotify(const QMetaMethod &signal) override;

private slots:
    void _newLocalConnection();

private:
    // Tries to reach a running copy and hand it the parameters.
    bool handOver(int connectTimeoutMs);
    void listen();

    bool _isRunning = false;
    QLocalServer *_localServer = nullptr;
    QString _serverName;
    QString _parameters;
    QStringList _pendingHandOvers;

    // The arbiter: held for the whole life of the copy that runs.
    std::unique_ptr<QLockFile> _lock;
    bool _lockUsable = false;
    bool _holdsLock = false;
};
