#pragma once

#include <QObject>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

// Fetches the FAQ page whose address is the current catalogue's translation
// of "FaqPageUrl": once in the background at start-up (three attempts), and
// on demand from "FaqPageUrl_Domestic" when nothing has arrived by the time
// the guide page opens. The first text that arrives is kept for the life of
// the process. Only a reply with no network error, status 200 and a
// non-empty body counts.
class CCorvaneDataProcResourceGuide : public QObject
{
    Q_OBJECT
public:
    explicit CCorvaneDataProcResourceGuide(QObject *parent = nullptr);
    ~CCorvaneDataProcResourceGuide() override;

    void StartGuideDownload();
    void AsyncDownloadNuvoHomeGuideData();
    // The FAQ text, fetched synchronously (nested event loop) first when none is held.
    QString GetFaqHtml();
    QString SyncHttpGetHtml(const QString &url, int attempts);

    int attemptsLeft() const { return m_attemptsLeft; }
    bool isFetching() const { return m_reply != nullptr; }

    // The page text of a reply body, decoded as UTF-8. Pure.
    static QString htmlFromBody(const QByteArray &body);

private slots:
    void sltNetworkFinishedReply(QNetworkReply *reply);
    void sltNetworkReplyOuttime();

private:
    QNetworkAccessManager *m_manager = nullptr;
    QNetworkReply *m_reply = nullptr;
    int m_outTime = 10;
    QTimer *m_outTimer = nullptr;
    QString m_language;
    int m_attemptsLeft = 3;
    QString m_faqHtml;
};
