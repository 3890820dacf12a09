#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTranslator>

// tools/webapi.py as a child of the test, on 127.0.0.1 of the test's own
// network namespace, on a port chosen once so it can stop and come back.
class WebApi
{
public:
    WebApi();
    ~WebApi() { stop(); }
    bool start(const QStringList &options = {});
    void stop();
    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }
    // Requests received so far whose line contains needle; every request
    // made before the call is counted.
    int requests(const QString &needle);
    QString lastRequest(const QString &needle);

private:
    void syncLines();
    quint16 m_port = 0;
    QProcess m_process;
    QStringList m_lines;
    int m_sync = 0;
};

// A plain HTTP/1.0 GET on 127.0.0.1; the whole answer, head and body.
QByteArray httpGet(quint16 port, const QString &path);

// Points the catalogue's FAQ keys at a web API: "FaqPageUrl" at
// <base>/faq/us.html, "FaqPageUrl_Domestic" at <base>/faq/domestic.html.
class FaqKeys : public QTranslator
{
public:
    QString base;
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (qstrcmp(context, "CCorvaneDataProcResourceGuide") != 0)
            return {};
        return base + (qstrcmp(source, "FaqPageUrl") == 0 ? "/faq/us.html" : "/faq/domestic.html");
    }
};

// Writes the settings the online services read into the data folder's Corvane.ini.
void writeOnlineSettings(const QString &serverIp, int outTime, const QString &localVersion = QStringLiteral("2.3.0.0"));
