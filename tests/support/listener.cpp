// Test helper: a headset's ear. Listens on the any-address at the given UDP
// port and prints one line per datagram, "<destination>\t<sender>\t<payload>",
// after a first line "ready". Ends when its standard input closes, so it
// never outlives the test that started it.

#include <QCoreApplication>
#include <QHostAddress>
#include <QNetworkDatagram>
#include <QSocketNotifier>
#include <QTextStream>
#include <QTimer>
#include <QUdpSocket>

#include <unistd.h>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = app.arguments();
    bool ok = false;
    const quint16 port = args.size() > 1 ? args.at(1).toUShort(&ok) : 0;
    if (!ok || port == 0) {
        QTextStream(stderr) << "usage: discovery_listener <udp port>\n";
        return 2;
    }

    QUdpSocket socket;
    if (!socket.bind(QHostAddress(QHostAddress::AnyIPv4), port,
                     QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint)) {
        QTextStream(stderr) << "cannot bind port " << port << ": " << socket.errorString() << "\n";
        return 1;
    }
    QObject::connect(&socket, &QUdpSocket::readyRead, [&]() {
        while (socket.hasPendingDatagrams()) {
            const QNetworkDatagram d = socket.receiveDatagram();
            if (!d.isValid())
                break;
            out << d.destinationAddress().toString() << '\t' << d.senderAddress().toString() << '\t'
                << QString::fromUtf8(d.data()) << '\n';
            out.flush();
        }
    });

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&]() {
        char buffer[256];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0)
            app.quit();
    });
    // A last guard against a lost parent.
    QTimer::singleShot(10 * 60 * 1000, &app, &QCoreApplication::quit);

    out << "ready\n";
    out.flush();
    return app.exec();
}
