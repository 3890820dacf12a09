#include "webapi.h"

#include "httpclients.h"
#include "settings/appsettings.h"

#include <QSettings>
#include <QTcpServer>

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
    m_process.start(QStringLiteral("/usr/bin/python3"), QStringList{QStringLiteral(CORVANE_SOURCE_DIR "/tools/webapi.py"),
                                                                    QStringLiteral("--port"), QString::number(m_port)}
                                                            + options);
    return m_process.waitForReadyRead(20000) && m_process.readAllStandardOutput().startsWith("listening");
}

void WebApi::stop()
{
    m_process.kill();
    m_process.waitForFinished();
}

QStringList WebApi::requests(const QString &needle)
{
    // The server prints a request's line before it answers: once our own
    // request's line is read, every earlier one is too.
    const QString marker = QStringLiteral("/sync/%1 ").arg(++m_sync);
    RawClient::get(m_port, marker.trimmed().toUtf8());
    QString out;
    while (m_process.state() == QProcess::Running && !out.contains(marker) && m_process.waitForReadyRead(10000))
        out += QString::fromUtf8(m_process.readAllStandardOutput());
    m_lines += out.split(QLatin1Char('\n'), Qt::SkipEmptyParts).filter(QStringLiteral("REQ"));
    return m_lines.filter(needle);
}

void writeOnlineSettings(const QString &serverIp, int outTime, const QString &localVersion)
{
    QSettings ini(AppSettings::instance()->settingsFilePath(), QSettings::IniFormat);
    ini.setValue(QStringLiteral("serverIp"), serverIp);
    ini.setValue(QStringLiteral("outTime"), outTime);
    ini.setValue(QStringLiteral("localVersion"), localVersion);
    ini.setValue(QStringLiteral("language"), QStringLiteral("us"));
}
