#include "ccorvanedataprocresourceguide.h"

#include "settings/appsettings.h"
#include "syncexchange.h"

#include <QDebug>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace {
bool goodReply(QNetworkReply *reply)
{
    return reply->isFinished() && reply->error() == QNetworkReply::NoError
           && reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 200;
}
} // namespace

CCorvaneDataProcResourceGuide::CCorvaneDataProcResourceGuide(QObject *parent)
    : QObject(parent), m_manager(new QNetworkAccessManager(this)), m_outTime(AppSettings::instance()->outTime()),
      m_outTimer(new QTimer(this)), m_language(AppSettings::instance()->language())
{
    m_outTimer->setSingleShot(true);
    connect(m_manager, &QNetworkAccessManager::finished, this, &CCorvaneDataProcResourceGuide::sltNetworkFinishedReply);
    connect(m_outTimer, &QTimer::timeout, this, &CCorvaneDataProcResourceGuide::sltNetworkReplyOuttime);
}

CCorvaneDataProcResourceGuide::~CCorvaneDataProcResourceGuide()
{
    // A fetch still running is dropped without reaching the handler.
    if (m_reply) {
        disconnect(m_manager, nullptr, this, nullptr);
        m_reply->abort();
    }
}

QString CCorvaneDataProcResourceGuide::htmlFromBody(const QByteArray &body)
{
    return QString::fromUtf8(body);
}

void CCorvaneDataProcResourceGuide::StartGuideDownload()
{
    m_attemptsLeft = 3;
    AsyncDownloadNuvoHomeGuideData();
}

void CCorvaneDataProcResourceGuide::AsyncDownloadNuvoHomeGuideData()
{
    // The addresses are catalogue values, so each language points at its own page.
    const QUrl url(tr("FaqPageUrl"), QUrl::TolerantMode);
    qDebug() << "async  guide" << m_language;
    m_reply = m_manager->get(QNetworkRequest(url));
    m_outTimer->stop();
    m_outTimer->start(m_outTime * 1000);
}

void CCorvaneDataProcResourceGuide::sltNetworkFinishedReply(QNetworkReply *reply)
{
    // Only the fetch in flight counts; a reply that finishes after its
    // time-out was handled has already been released.
    if (!reply || reply != m_reply)
        return;
    m_outTimer->stop();
    qDebug() << "sltNetworkFinishedReply status_code:" << reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    QString text;
    if (goodReply(reply)) {
        text = htmlFromBody(reply->readAll());
        qDebug() << "Async got guide html";
    } else {
        qDebug() << "Async get html error:" << (reply->isFinished() ? reply->errorString() : QStringLiteral("time-out"));
    }
    m_reply = nullptr;
    // Abandoned unfinished (time-out): ending it here keeps it from reporting again.
    reply->abort();
    reply->deleteLater();

    if (text.isEmpty()) {
        --m_attemptsLeft;
        if (m_attemptsLeft > 0)
            AsyncDownloadNuvoHomeGuideData();
        return;
    }
    m_faqHtml = text;
}

void CCorvaneDataProcResourceGuide::sltNetworkReplyOuttime()
{
    m_outTimer->stop();
    if (m_reply)
        sltNetworkFinishedReply(m_reply);
}

QString CCorvaneDataProcResourceGuide::GetFaqHtml()
{
    if (m_faqHtml.isEmpty()) {
        const QString text = SyncHttpGetHtml(tr("FaqPageUrl_Domestic"), 3);
        // A background text that arrived meanwhile is kept when this one failed.
        if (!text.isEmpty())
            m_faqHtml = text;
    }
    return m_faqHtml;
}

QString CCorvaneDataProcResourceGuide::SyncHttpGetHtml(const QString &url, int attempts)
{
    QString text;
    const QNetworkRequest request(QUrl(url, QUrl::TolerantMode));
    SyncExchange::run(request, nullptr, m_outTime, attempts, [&](const SyncExchange::Attempt &attempt) {
        qDebug() << "get" << url << ", status_code:" << attempt.status;
        if (!attempt.isOk()) {
            qDebug() << "get guide html error:" << (attempt.finished ? attempt.errorText : QStringLiteral("time-out"));
            return false;
        }
        text = htmlFromBody(attempt.body);
        qDebug() << "got guide html" << text;
        return !text.isEmpty();
    });
    return text;
}
