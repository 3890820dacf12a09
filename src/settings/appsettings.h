#pragma once

#include <QString>
#include <QVariant>

// Stateless accessors of Corvane.ini in the data folder. Every read opens the
// file anew, so a value edited by hand takes effect at the next read.
class AppSettings
{
public:
    static AppSettings *instance();
    static void deleteInstance();

    static QString defaultServerIp();

    QString settingsFilePath() const;

    int serverPort() const;
    int UDPPort() const;
    // UDPPort as the port the announcements go to: a value that is no port
    // is logged and the default 9090 used instead.
    quint16 announcePort() const;
    int HandleMax() const;
    QString localVersion() const;
    int localVersionflg() const;
    int outTime() const;
    QString language() const;
    QString serverIp() const;
    bool isOverseas() const { return false; }
    // dlna=0 keeps the DLNA media server off; on unless the file says so.
    bool dlnaEnabled() const;

    void setServerPort(int port) const;

    // Provisions Corvane.ini into targetFolder from sourceFile; the result is
    // also stored as coverFileIfExist.
    bool copyConfigFile(const QString &sourceFile, const QString &targetFolder) const;

    // True when no TCP endpoint of the machine uses the port.
    bool isPortFree(int port) const;
    // isPortFree, and when free the port is written to serverPort.
    bool checkPort(int port) const;

private:
    AppSettings() = default;
    QVariant read(const QString &key, const QVariant &defaultValue) const;
    void write(const QString &key, const QVariant &value) const;
};
