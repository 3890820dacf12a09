#pragma once

#include "versioninfo.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QObject>
#include <QString>

#include <memory>

// Asks the web API whether a newer version exists and keeps the first real
// answer for the life of the process: once a record exists no request is
// made again. A failed attempt (no answer, time-out, status other than 200,
// invalid JSON, an empty object) leaves no record, so the next call asks again.
class CNuvoHomeDataProcResourceVersion : public QObject
{
    Q_OBJECT
public:
    explicit CNuvoHomeDataProcResourceVersion(QObject *parent = nullptr);
    ~CNuvoHomeDataProcResourceVersion() override;

    // The record, asking the server first (blocking in a nested event loop up
    // to the time-out) while none exists. Null when there is no answer.
    VersionInfo *GetNuvoHomeVersionData();
    void GetNuvoHomeVersionDataFromHttp();
    QJsonDocument SyncHttpDownloadJsonDataFromHttp(const QString &url, const QString &body, int attempts);

    // Fills the record from an answer, creating it when the slot is empty. An
    // object without members changes nothing. Pure: no socket, no state.
    static void ParseVersionJson(const QJsonObject &answer, std::unique_ptr<VersionInfo> &slot);
    // The raw reply body as the exchange reads it: a JSON object goes to
    // ParseVersionJson, anything else (invalid JSON, an array, a scalar)
    // leaves the slot as it is. Returns false, with the parser's text in
    // *error, when the body is not valid JSON.
    static bool ParseVersionBody(const QByteArray &body, std::unique_ptr<VersionInfo> &slot, QString *error = nullptr);

    // The request body: "&version=<local>&platform=<this platform>".
    static QString requestBody(const QString &localVersion);
    static QString platformName();

private:
    QString m_serverIp;
    QString m_language;
    std::unique_ptr<VersionInfo> m_pcRecord;
    int m_outTime = 10;
};
