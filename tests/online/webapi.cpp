#include "webapi.h"

#include "settings/appsettings.h"

#include <QSettings>
#include <QTcpServer>
#include <QTcpSocket>

WebApi::WebApi()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    m_port = probe.serverPort();
}

bool WebApi::start(const QStringList &options)
{
    stop();
    m_lines.clear();
    m_process.start(QStringLiteral("/usr/bin/python3"),
                    QStringList{QStringLiteral(CORVANE_SOURCE_DIR "/tools/webapi.py"), QStringLiteral("--port"),
                                QString::number(m_port)}
                        + options);
    while (m_process.waitForReadyRead(20000))
        if (m_process.readAllStandardOutput().startsWith("listening"))
            return true;
    return false;
}

void WebApi::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    syncLines();
    m_process.kill();
    m_process.waitForFinished();
}

QByteArray httpGet(quint16 port, const QString &path)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(10000))
        return {};
    socket.write("GET " + path.toUtf8() + " HTTP/1.0\r\n\r\n");
    QByteArray answer;
    while (socket.waitForReadyRead(20000))
        answer += socket.readAll();
    return answer + socket.readAll();
}

void WebApi::syncLines()
{
    if (m_process.state() != QProcess::Running)
        return;
    const QString marker = QStringLiteral("/sync/%1 ").arg(++m_sync);
    httpGet(m_port, marker.trimmed());
    // The server prints a request's line before it answers.
    QByteArray out;
    while (!QString::fromUtf8(out).contains(marker) && m_process.waitForReadyRead(10000))
        out += m_process.readAllStandardOutput();
    for (const QString &line : QString::fromUtf8(out).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        if (!line.contains(QLatin1String("/sync/")))
            m_lines << line;
}

int WebApi::requests(const QString &needle)
{
    syncLines();
    return int(m_lines.filter(needle).size());
}

QString WebApi::lastRequest(const QString &needle)
{
    syncLines();
    const QStringList found = m_lines.filter(needle);
    return found.isEmpty() ? QString() : found.last();
}

void writeOnlineSettings(const QString &serverIp, int outTime, const QString &localVersion)
{
    QSettings ini(AppSettings::instance()->settingsFilePath(), QSettings::IniFormat);
    ini.setValue(QStringLiteral("serverIp"), serverIp);
    ini.setValue(QStringLiteral("outTime"), outTime);
    ini.setValue(QStringLiteral("localVersion"), localVersion);
    ini.setValue(QStringLiteral("language"), QStringLiteral("us"));
}
