#include "peernamespace.h"

#include "netlab.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QHostAddress>
#include <QNetworkInterface>
#include <QThread>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QUdpSocket>

namespace {
const char kProbePrefix[] = "netlab-probe-";
}

PeerNamespace::PeerNamespace()
{
    if (!NetLab::isolated()) {
        m_error = NetLab::whyNotIsolated();
        return;
    }
    NetLab::removeStaleNamespaces();
    m_name = NetLab::uniqueName(QStringLiteral("peer"));
    QString error;
    if (!NetLab::ip({QStringLiteral("netns"), QStringLiteral("add"), m_name}, &error)) {
        m_error = error;
        return;
    }
    m_valid = NetLab::ip({QStringLiteral("-n"), m_name, QStringLiteral("link"), QStringLiteral("set"),
                          QStringLiteral("lo"), QStringLiteral("up")},
                         &m_error);
}

PeerNamespace::~PeerNamespace()
{
    if (m_listener) {
        m_listener->closeWriteChannel(); // the listener ends when its input closes
        if (!m_listener->waitForFinished(3000)) {
            m_listener->kill();
            m_listener->waitForFinished(3000);
        }
        delete m_listener;
    }
    for (const QString &dev : qAsConst(m_localDevs))
        NetLab::ip({QStringLiteral("link"), QStringLiteral("del"), dev});
    if (!m_name.isEmpty())
        NetLab::ip({QStringLiteral("netns"), QStringLiteral("del"), m_name});
}

bool PeerNamespace::addLan(int n)
{
    return addLink(QStringLiteral("pc%1").arg(n), QStringLiteral("10.77.%1.1/24").arg(n), QStringLiteral("hs%1").arg(n),
                   QStringLiteral("10.77.%1.2/24").arg(n));
}

bool PeerNamespace::addLink(const QString &localDev, const QString &localCidr, const QString &peerDev,
                            const QString &peerCidr)
{
    if (!m_valid)
        return false;
    const QString brd = QStringLiteral("brd");
    const QString plus = QStringLiteral("+");
    const QString dev = QStringLiteral("dev");
    const QString n = QStringLiteral("-n");
    if (!NetLab::ip({QStringLiteral("link"), QStringLiteral("add"), localDev, QStringLiteral("type"),
                     QStringLiteral("veth"), QStringLiteral("peer"), QStringLiteral("name"), peerDev,
                     QStringLiteral("netns"), m_name},
                    &m_error))
        return false;
    m_localDevs.append(localDev);
    return NetLab::ip({QStringLiteral("addr"), QStringLiteral("add"), localCidr, brd, plus, dev, localDev}, &m_error)
        && NetLab::ip({n, m_name, QStringLiteral("addr"), QStringLiteral("add"), peerCidr, brd, plus, dev, peerDev},
                      &m_error)
        && NetLab::ip({n, m_name, QStringLiteral("link"), QStringLiteral("set"), peerDev, QStringLiteral("up")},
                      &m_error)
        && setLinkUp(localDev, true) && waitRunning(localDev);
}

bool PeerNamespace::waitRunning(const QString &localDev)
{
    // The carrier of a fresh link comes up a moment after the link itself.
    QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        if (QNetworkInterface::interfaceFromName(localDev).flags() & QNetworkInterface::IsRunning)
            return true;
        QThread::msleep(20);
    }
    m_error = localDev + QStringLiteral(" never started running");
    return false;
}

bool PeerNamespace::removeLink(const QString &localDev)
{
    if (!NetLab::ip({QStringLiteral("link"), QStringLiteral("del"), localDev}, &m_error))
        return false;
    m_localDevs.removeAll(localDev);
    return true;
}

bool PeerNamespace::setLinkUp(const QString &localDev, bool up)
{
    return NetLab::ip({QStringLiteral("link"), QStringLiteral("set"), localDev,
                       up ? QStringLiteral("up") : QStringLiteral("down")},
                      &m_error);
}

QStringList PeerNamespace::exec() const
{
    return {NetLab::ipTool(), QStringLiteral("netns"), QStringLiteral("exec"), m_name};
}

bool PeerNamespace::startListener(quint16 port)
{
    if (!m_valid || m_listener)
        return false;
    m_port = port;
    m_listener = new QProcess;
    m_listener->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const QStringList command = exec() + QStringList{QStringLiteral(DISCOVERY_LISTENER), QString::number(port)};
    m_listener->start(command.first(), command.mid(1));
    QDeadlineTimer deadline(15000);
    while (!deadline.hasExpired()) {
        if (m_listener->canReadLine() || m_listener->waitForReadyRead(200)) {
            if (m_listener->canReadLine()) {
                const QByteArray first = m_listener->readLine().trimmed();
                if (first == "ready")
                    return true;
                m_error = QStringLiteral("listener said: ") + QString::fromUtf8(first);
                return false;
            }
        }
        if (m_listener->state() == QProcess::NotRunning) {
            m_error = QStringLiteral("the listener ended at once (exit code %1)").arg(m_listener->exitCode());
            return false;
        }
    }
    m_error = QStringLiteral("the listener never became ready");
    return false;
}

void PeerNamespace::readListener()
{
    if (!m_listener)
        return;
    m_pending += m_listener->readAllStandardOutput();
    int newline;
    while ((newline = m_pending.indexOf('\n')) >= 0) {
        const QString line = QString::fromUtf8(m_pending.left(newline));
        m_pending.remove(0, newline + 1);
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() < 3)
            continue;
        const QString payload = fields.mid(2).join(QLatin1Char('\t'));
        if (payload.startsWith(QLatin1String(kProbePrefix)))
            m_probesHeard.append(payload);
        else
            m_heard.append({fields.at(0), fields.at(1), payload});
    }
}

QList<Datagram> PeerNamespace::datagrams()
{
    readListener();
    return m_heard;
}

QStringList PeerNamespace::payloadsTo(const QString &destination)
{
    QStringList payloads;
    const QList<Datagram> all = datagrams();
    for (const Datagram &d : all) {
        if (destination.isEmpty() || d.destination == destination)
            payloads.append(d.payload);
    }
    return payloads;
}

quint16 PeerNamespace::presencePort(const QString &destination, int after, int timeoutMs)
{
    static const QRegularExpression presence(QStringLiteral("^1\\$corvane\\$(\\d+)$"));
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        const QStringList heard = payloadsTo(destination);
        for (int i = after; i < heard.size(); ++i) {
            const QRegularExpressionMatch m = presence.match(heard.at(i));
            if (m.hasMatch())
                return quint16(m.captured(1).toUInt());
        }
        QTest::qWait(100);
    }
    return 0;
}

bool PeerNamespace::sync(const QString &peerIp)
{
    if (!m_listener)
        return false;
    const QString probe = QLatin1String(kProbePrefix) + QString::number(++m_probeCount);
    QUdpSocket socket;
    QDeadlineTimer deadline(10000);
    // The first probe over a new link may be lost while the neighbour
    // entry resolves: resend until heard.
    while (!deadline.hasExpired()) {
        socket.writeDatagram(probe.toUtf8(), QHostAddress(peerIp), m_port);
        for (int i = 0; i < 10; ++i) {
            m_listener->waitForReadyRead(50);
            QCoreApplication::processEvents();
            readListener();
            if (m_probesHeard.contains(probe))
                return true;
        }
    }
    m_error = QStringLiteral("the listener never heard the probe to ") + peerIp;
    return false;
}
