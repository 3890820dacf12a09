#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class QProcess;

// One datagram as the listener printed it.
struct Datagram
{
    QString destination;
    QString sender;
    QString payload;
};

// The headset's side of the test network: a named network namespace created
// for one test, joined to the test process by veth pairs, with a listener
// (the discovery_listener helper) bound to the any-address inside it. The
// destructor removes the listener, the links and the namespace, however the
// test ended.
class PeerNamespace
{
public:
    PeerNamespace();
    ~PeerNamespace();
    PeerNamespace(const PeerNamespace &) = delete;
    PeerNamespace &operator=(const PeerNamespace &) = delete;

    bool isValid() const { return m_valid; }
    QString name() const { return m_name; }
    QString error() const { return m_error; }
    // The command line that runs what follows it inside the namespace.
    QStringList exec() const;

    // A veth pair: localDev in the test process's namespace with localCidr,
    // its peer end peerDev in here with peerCidr; both ends up.
    bool addLink(const QString &localDev, const QString &localCidr, const QString &peerDev,
                 const QString &peerCidr);
    // LAN n of the tests: pc<n> with 10.77.<n>.1/24 here, hs<n> with
    // 10.77.<n>.2/24 in the peer namespace.
    bool addLan(int n);
    bool removeLink(const QString &localDev);
    bool setLinkUp(const QString &localDev, bool up);

    bool startListener(quint16 port);
    // Everything the listener heard so far, the sync probes left out.
    QList<Datagram> datagrams();
    // Payloads heard so far addressed to destination (any when empty).
    QStringList payloadsTo(const QString &destination = QString());
    // The port of the first presence datagram ("1$corvane$<port>") heard to
    // destination after the first `after` payloads, waited for up to
    // timeoutMs; 0 when none came.
    quint16 presencePort(const QString &destination, int after = 0, int timeoutMs = 60000);
    // Sends a probe from the test process to peerIp at the listener's port
    // and waits until the listener printed it: every datagram sent before
    // over that link has been heard by then.
    bool sync(const QString &peerIp);

private:
    void readListener();
    bool waitRunning(const QString &localDev);

    QString m_name;
    QString m_error;
    bool m_valid = false;
    QStringList m_localDevs;
    QProcess *m_listener = nullptr;
    quint16 m_port = 0;
    QByteArray m_pending;
    QList<Datagram> m_heard;
    QStringList m_probesHeard;
    int m_probeCount = 0;
};
