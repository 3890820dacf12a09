#include "cnuvohomedataprocresourceversion.h"

#include "settings/appsettings.h"
#include "syncexchange.h"

#include <QDebug>
#include <QJsonParseError>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QUrl>

CNuvoHomeDataProcResourceVersion::CNuvoHomeDataProcResourceVersion(QObject *parent)
    : QObject(parent), m_serverIp(AppSettings::instance()->serverIp()), m_language(AppSettings::instance()->language()),
      m_outTime(AppSettings::instance()->outTime())
{
}

CNuvoHomeDataProcResourceVersion::~CNuvoHomeDataProcResourceVersion() = default;

VersionInfo *CNuvoHomeDataProcResourceVersion::GetNuvoHomeVersionData()
{
    if (!m_pcRecord)
        GetNuvoHomeVersionDataFromHttp();
    return m_pcRecord.get();
}

QString CNuvoHomeDataProcResourceVersion::platformName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("windows");
#else
    return QStringLiteral("linux");
#endif
}

QString CNuvoHomeDataProcResourceVersion::requestBody(const QString &localVersion)
{
    // The server routes the offer by platform: a Linux client must never be
    // offered a Windows installer.
    return QStringLiteral("&version=") + localVersion + QStringLiteral("&platform=") + platformName();
}

void CNuvoHomeDataProcResourceVersion::GetNuvoHomeVersionDataFromHttp()
{
    const QString localVersion = AppSettings::instance()->localVersion();
    if (localVersion.isEmpty()) {
        qDebug() << "sync checkupdate: no localVersion, nothing asked";
        return;
    }
    const QString url = QStringLiteral("%1/driftview/checkupdate").arg(m_serverIp);
    qDebug() << "sync checkupdate" << m_language << platformName() << localVersion;
    const QJsonDocument answer = SyncHttpDownloadJsonDataFromHttp(url, requestBody(localVersion), 1);
    if (answer.isObject())
        ParseVersionJson(answer.object(), m_pcRecord);
}

QJsonDocument CNuvoHomeDataProcResourceVersion::SyncHttpDownloadJsonDataFromHttp(const QString &url,
                                                                                 const QString &body, int attempts)
{
    QJsonDocument document;
    QNetworkRequest request(QUrl(url, QUrl::TolerantMode));
    request.setSslConfiguration(QSslConfiguration::defaultConfiguration());
    // The type Qt would pick anyway; named so Qt does not warn on every check.
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/x-www-form-urlencoded"));
    const QByteArray bytes = body.toUtf8();
    SyncExchange::run(request, &bytes, m_outTime, attempts, [&document](const SyncExchange::Attempt &attempt) {
        qDebug() << "status_code:" << attempt.status;
        document = QJsonDocument();
        if (!attempt.isOk()) {
            qDebug() << "error:" << attempt.errorText;
            return false;
        }
        QJsonParseError parseError{};
        document = QJsonDocument::fromJson(attempt.body, &parseError);
        if (parseError.error != QJsonParseError::NoError) {
            qDebug() << "Unable to read json data" << parseError.errorString();
            document = QJsonDocument();
        }
        return !document.isEmpty();
    });
    return document;
}

bool CNuvoHomeDataProcResourceVersion::ParseVersionBody(const QByteArray &body, std::unique_ptr<VersionInfo> &slot,
                                                        QString *error)
{
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        if (error)
            *error = parseError.errorString();
        return false;
    }
    if (document.isObject())
        ParseVersionJson(document.object(), slot);
    return true;
}

void CNuvoHomeDataProcResourceVersion::ParseVersionJson(const QJsonObject &answer, std::unique_ptr<VersionInfo> &slot)
{
    if (answer.isEmpty())
        return;
    if (!slot)
        slot = std::make_unique<VersionInfo>();
    const QJsonValue offer = answer.value(QStringLiteral("version"));
    const QJsonValue refusal = answer.value(QStringLiteral("error"));
    if (offer.isObject()) {
        const QJsonObject o = offer.toObject();
        slot->hasNewVersion = true;
        slot->version = o.value(QStringLiteral("version")).toString();
        slot->notes = o.value(QStringLiteral("notes")).toString();
        slot->url = o.value(QStringLiteral("url")).toString();
        slot->forced = o.value(QStringLiteral("forced")).toInt(0);
        slot->sha256 = o.value(QStringLiteral("sha256")).toString();
    } else if (refusal.isObject()) {
        const QJsonValue code = refusal.toObject().value(QStringLiteral("errorcode"));
        slot->hasNewVersion = false;
        // A numeric code reads as its digits.
        slot->notes = code.isDouble() ? QString::number(code.toDouble(), 'g', 17) : code.toVariant().toString();
        slot->version.clear();
        slot->url.clear();
        slot->forced = 0;
        slot->sha256.clear();
    }
}
