#include "appsettings.h"

#include "platform/platform.h"
#include "session.h"

#include <QFile>
#include <QDebug>
#include <QSaveFile>
#include <QSettings>

namespace {
AppSettings *g_settings = nullptr;
const char kIniName[] = "Corvane.ini";
}

AppSettings *AppSettings::instance()
{
    if (!g_settings)
        g_settings = new AppSettings;
    return g_settings;
}

void AppSettings::deleteInstance()
{
    delete g_settings;
    g_settings = nullptr;
}

QString AppSettings::defaultServerIp()
{
    return QStringLiteral("https://update.nuvovr.example/api");
}

QString AppSettings::settingsFilePath() const
{
    // Without a data folder there is no settings file (never one at the root
    // of the file system): the defaults apply and nothing is written.
    const QString folder = Session::instance()->getDataPath();
    return folder.isEmpty() ? QString() : folder + QLatin1Char('/') + QLatin1String(kIniName);
}

QVariant AppSettings::read(const QString &key, const QVariant &defaultValue) const
{
    const QString path = settingsFilePath();
    if (!QFile::exists(path))
        return defaultValue;
    QSettings settings(path, QSettings::IniFormat);
    return settings.value(key, defaultValue);
}

void AppSettings::write(const QString &key, const QVariant &value) const
{
    const QString path = settingsFilePath();
    if (path.isEmpty()) {
        qWarning() << "AppSettings: no data folder, not saved:" << key;
        return;
    }
    QSettings settings(path, QSettings::IniFormat);
    settings.setValue(key, value);
}

int AppSettings::serverPort() const { return read(QStringLiteral("serverPort"), 0).toInt(); }
int AppSettings::UDPPort() const { return read(QStringLiteral("UDPPort"), 9090).toInt(); }
int AppSettings::HandleMax() const { return read(QStringLiteral("HandleMax"), 5).toInt(); }
QString AppSettings::localVersion() const { return read(QStringLiteral("localVersion"), QStringLiteral("2.3.0.0")).toString(); }
int AppSettings::localVersionflg() const { return read(QStringLiteral("localVersionflg"), 0).toInt(); }
quint16 AppSettings::announcePort() const
{
    constexpr quint16 kDefault = 9090;
    const int configured = UDPPort();
    if (configured > 0 && configured <= 65535)
        return quint16(configured);
    qWarning() << "UDPPort" << configured << "is not a port; announcing on" << kDefault;
    return kDefault;
}

bool AppSettings::dlnaEnabled() const { return read(QStringLiteral("dlna"), 1).toInt() != 0; }

int AppSettings::outTime() const
{
    // Seconds for the web API's time-outs: zero or less would fail every
    // check at once, a huge value overflow the millisecond timer.
    constexpr int kDefault = 10, kMin = 1, kMax = 120;
    const QVariant stored = read(QStringLiteral("outTime"), kDefault);
    bool readable = false;
    const qlonglong seconds = stored.toLongLong(&readable);
    if (!readable) {
        qWarning() << "AppSettings: outTime unreadable, using" << kDefault << ":" << stored.toString().left(64);
        return kDefault;
    }
    if (seconds < kMin || seconds > kMax) {
        const int clamped = int(qBound<qlonglong>(kMin, seconds, kMax));
        qWarning() << "AppSettings: outTime" << seconds << "out of range, using" << clamped;
        return clamped;
    }
    return int(seconds);
}
QString AppSettings::serverIp() const { return read(QStringLiteral("serverIp"), defaultServerIp()).toString(); }

QString AppSettings::language() const
{
    // Read without the existence test: QSettings answers the default for a missing file.
    const QString path = settingsFilePath();
    if (path.isEmpty())
        return QStringLiteral("cn");
    QSettings settings(path, QSettings::IniFormat);
    return settings.value(QStringLiteral("language"), QStringLiteral("cn")).toString();
}

void AppSettings::setServerPort(int port) const { write(QStringLiteral("serverPort"), port); }

bool AppSettings::copyConfigFile(const QString &sourceFile, const QString &targetFolder) const
{
    auto done = [this](bool result) {
        write(QStringLiteral("coverFileIfExist"), QVariant(result));
        return result;
    };
    const bool keepExisting = localVersionflg() != 0;
    // Callers may hand Windows separators; on this system they mean '/'.
    const QString source = QString(sourceFile).replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString folder = QString(targetFolder).replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (source == folder)
        return done(true);
    if (!QFile::exists(source)) {
        qWarning() << "copyConfigFile: no source file" << source;
        return done(false);
    }
    const QString target = folder + QLatin1Char('/') + QLatin1String(kIniName);
    const bool existed = QFile::exists(target);
    if (existed && keepExisting)
        return done(true);
    QString failedFolder;
    if (!existed && !Session::makeFolders(folder, &failedFolder)) {
        qWarning() << "copyConfigFile: cannot create folder" << failedFolder;
        return done(false);
    }
    // The copy replaces an existing file in one step, so a failed copy never
    // leaves the user without the settings file they had.
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        qWarning() << "copyConfigFile: cannot read" << source << in.errorString();
        return done(false);
    }
    const QByteArray content = in.readAll();
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly) || out.write(content) != content.size() || !out.commit()) {
        qWarning() << "copyConfigFile: cannot write" << target << out.errorString();
        return done(false);
    }
    return done(true);
}

bool AppSettings::isPortFree(int port) const
{
    if (port <= 0 || port > 65535)
        return false;
    bool ok = false;
    const QList<quint16> ports = Platform::tcpLocalPorts(&ok);
    if (!ok)
        return true; // an unreadable table does not stop the selection
    return !ports.contains(quint16(port));
}

bool AppSettings::checkPort(int port) const
{
    const bool free = isPortFree(port);
    if (free)
        setServerPort(port);
    return free;
}
