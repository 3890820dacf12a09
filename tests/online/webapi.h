#pragma once

#include <QProcess>
#include <QStringList>
#include <QTranslator>

// tools/webapi.py as a child of the test, on 127.0.0.1 of the test's own
// network namespace, on a port kept across restarts.
class WebApi
{
public:
    WebApi();
    ~WebApi() { stop(); }
    bool start(const QStringList &options = {});
    void stop();
    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }
    // The lines ("REQ <method> <path> <body>") of the requests so far whose
    // line contains needle, every one made before the call included.
    QStringList requests(const QString &needle);

private:
    quint16 m_port = 0;
    QProcess m_process;
    QStringList m_lines;
    int m_sync = 0;
};

// The catalogue's FAQ keys pointed at a web API (<base>/faq/us.html, <base>/faq/domestic.html).
class FaqKeys : public QTranslator
{
public:
    QString base;
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *key, const char *, int) const override
    {
        if (qstrcmp(context, "CCorvaneDataProcResourceGuide") != 0)
            return {};
        return base + (qstrcmp(key, "FaqPageUrl") == 0 ? "/faq/us.html" : "/faq/domestic.html");
    }
};

// The settings the online services read, in the data folder's Corvane.ini.
void writeOnlineSettings(const QString &serverIp, int outTime, const QString &localVersion = QStringLiteral("2.3.0.0"));
