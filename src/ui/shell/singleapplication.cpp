#include "singleapplication.h"

#include "platform/platform.h"
#include "settings/session.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QMetaMethod>
#include <QTextStream>
#include <QThread>

#include <cstdio>
#include <utility>

namespace {
// How long a copy that lost the lock keeps trying to reach the winner, which
// may still be between taking the lock and listening.
const int kWinnerListenWaitMs = 5000;
}

SingleApplication::SingleApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    _serverName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLatin1(argv[i]);
    _parameters = arguments.join(QLatin1Char(' '));

    _isRunning = false;
    bool handedOver = handOver(500);
    if (!handedOver && !_isRunning) {
        // Nobody answered. The lock decides who is first, so that two copies
        // started at the same moment do not both take the server role.
        const QString dataPath = Session::instance()->getDataPath();
        if (!dataPath.isEmpty()) {
            _lock.reset(new QLockFile(dataPath + QLatin1Char('/') + _serverName + QStringLiteral(".lock")));
            _lock->setStaleLockTime(0); // only a dead holder makes the lock stale
            _holdsLock = _lock->tryLock(0);
            _lockUsable = _holdsLock || _lock->error() == QLockFile::LockFailedError;
            if (!_lockUsable)
                qWarning() << "SingleApplication: lock file unusable, error" << _lock->error();
        }
        if (_lockUsable && !_holdsLock) {
            // The other copy holds the lock and runs; hand it our line as soon
            // as it listens.
            _isRunning = true;
            QElapsedTimer waited;
            waited.start();
            while (!handedOver && waited.elapsed() < kWinnerListenWaitMs) {
                handedOver = handOver(200);
                if (!handedOver)
                    QThread::msleep(50);
            }
            if (!handedOver)
                qWarning() << "SingleApplication: the running copy does not answer on" << _serverName;
        }
    }
    if (handedOver || _isRunning) {
        _isRunning = true;
        // A fixed line that scripts may match: never translated.
        std::fputs(QStringLiteral("%1 already running.\n").arg(_serverName).toUtf8().constData(), stderr);
        return;
    }
    listen();
}

SingleApplication::~SingleApplication() = default;

bool SingleApplication::handOver(int connectTimeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(_serverName, QIODevice::ReadWrite);
    if (!socket.waitForConnected(connectTimeoutMs)) {
        // A server that exists but does not accept in time is a running copy
        // too busy to answer: this copy must not take its name away.
        if (socket.error() == QLocalSocket::SocketTimeoutError)
            _isRunning = true;
        return false;
    }
    if (!_parameters.isEmpty()) {
        QTextStream stream(&socket);
        // Latin-1 both ways: the text arrives as it was read from argv.
        stream.setCodec("ISO-8859-1");
        stream << _parameters;
        stream.flush();
        if (!socket.waitForBytesWritten(30000))
            qWarning() << "SingleApplication: hand-over not written:" << socket.errorString();
    }
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(1000);
    return true;
}

void SingleApplication::listen()
{
    _localServer = new QLocalServer(this);
    connect(_localServer, &QLocalServer::newConnection, this, &SingleApplication::_newLocalConnection);
    if (_localServer->listen(_serverName))
        return;
    if (_localServer->serverError() == QAbstractSocket::AddressInUseError) {
        // A socket left by a copy that ended without closing it.
        QLocalServer::removeServer(_serverName);
        if (_localServer->listen(_serverName))
            return;
    }
    qWarning() << "SingleApplication: cannot listen on" << _serverName << _localServer->errorString();
}

void SingleApplication::_newLocalConnection()
{
    QLocalSocket *socket = _localServer->nextPendingConnection();
    if (!socket)
        return;
    // The sender writes its line and closes: read until then, at most 1000 ms.
    QByteArray data;
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 1000) {
        data += socket->readAll();
        if (socket->state() != QLocalSocket::ConnectedState)
            break;
        socket->waitForReadyRead(int(qMax<qint64>(1, 1000 - waited.elapsed())));
    }
    data += socket->readAll();
    delete socket;
    if (!isSignalConnected(QMetaMethod::fromSignal(&SingleApplication::sglProcApplicationPara))) {
        qDebug() << "SingleApplication: hand-over kept until the window listens";
        _pendingHandOvers << QString::fromLatin1(data);
        return;
    }
    emit sglProcApplicationPara(QString::fromLatin1(data));
}

void SingleApplication::connectNotify(const QMetaMethod &signal)
{
    if (signal != QMetaMethod::fromSignal(&SingleApplication::sglProcApplicationPara) || _pendingHandOvers.isEmpty())
        return;
    // Queued, so every receiver connected in the same breath gets them.
    QMetaObject::invokeMethod(this, [this] {
        const QStringList pending = std::exchange(_pendingHandOvers, {});
        for (const QString &parameters : pending)
            emit sglProcApplicationPara(parameters);
    }, Qt::QueuedConnection);
}

bool SingleApplication::isRunning()
{
    const int count = Platform::countProcessesNamed(Platform::executableName());
    qDebug() << "isRunningnum" << count << "_isRunning" << _isRunning;
    if (_isRunning)
        return true;
    if (_lockUsable)
        return !_holdsLock;
    // No lock to decide by: the process count alone, as a copy that cannot
    // tell otherwise must not run twice.
    return count == 1 ? _isRunning : true;
}
