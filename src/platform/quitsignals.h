#pragma once

#include <QObject>

// Ends the program through its event loop on SIGTERM and SIGINT: the handler
// only writes a byte to a socket pair, and the loop quits the application
// when it reads it, so every destructor runs (byebye, library, settings) and
// the exit code is the loop's, 0.
class QuitSignals : public QObject
{
    Q_OBJECT
public:
    // Installs the handlers; false (with a log line) when the system refuses.
    static bool install(QObject *parent);

private:
    explicit QuitSignals(QObject *parent);
    void readSignal();
};
