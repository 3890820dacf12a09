#include "platform/quitsignals.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int pipeEnds[2] = {-1, -1};

void onSignal(int signalNumber)
{
    // Only async-signal-safe work here: the loop does the rest.
    const int saved = errno;
    const char byte = char(signalNumber);
    if (::write(pipeEnds[0], &byte, 1) < 0) {
        // Nothing can be done inside a handler; the loop will not hear it.
    }
    errno = saved;
}
}

QuitSignals::QuitSignals(QObject *parent) : QObject(parent)
{
    auto *notifier = new QSocketNotifier(pipeEnds[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &QuitSignals::readSignal);
}

bool QuitSignals::install(QObject *parent)
{
    if (pipeEnds[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, pipeEnds) != 0) {
        qWarning() << "quit signals: no socket pair:" << std::strerror(errno);
        pipeEnds[0] = pipeEnds[1] = -1;
        return false;
    }
    new QuitSignals(parent);
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : {SIGTERM, SIGINT}) {
        if (::sigaction(number, &action, nullptr) != 0) {
            qWarning() << "quit signals: cannot handle signal" << number << std::strerror(errno);
            return false;
        }
    }
    return true;
}

void QuitSignals::readSignal()
{
    char byte = 0;
    while (::read(pipeEnds[1], &byte, 1) == 1) {
        qDebug() << "quit signals: signal" << int(byte) << "received, leaving the event loop";
        QCoreApplication::quit();
    }
}
