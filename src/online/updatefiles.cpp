#include "updatefiles.h"

#include "settings/session.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QUrl>

namespace UpdateFiles {

bool isSafeVersion(const QString &version)
{
    static const QRegularExpression allowed(QRegularExpression::anchoredPattern(QStringLiteral("[A-Za-z0-9._-]+")));
    // "." and ".." alone would name folders, not files.
    return allowed.match(version).hasMatch() && version != QLatin1String(".") && version != QLatin1String("..");
}

QString updateFolder()
{
    const QString data = Session::instance()->getDataPath();
    return data.isEmpty() ? QString() : data + QStringLiteral("/update");
}

QString installerPath(const QString &folder, const QString &version)
{
#ifdef Q_OS_WIN
    return folder + QStringLiteral("/NuvoUpdate") + version + QStringLiteral(".exe");
#else
    return folder + QStringLiteral("/NuvoUpdate") + version;
#endif
}

bool isGoodDownload(QNetworkReply::NetworkError error, int httpStatus, qint64 fileSize, bool fileExists,
                    qint64 announcedTotal)
{
    return error == QNetworkReply::NoError && httpStatus == 200 && fileExists && fileSize > 0
           && fileSize == announcedTotal;
}

namespace {
int effectivePort(const QUrl &url)
{
    return url.port(url.scheme() == QLatin1String("https") ? 443 : url.scheme() == QLatin1String("http") ? 80 : -1);
}
} // namespace

bool isAllowedInstallerUrl(const QUrl &url, const QUrl &api)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    if (url.scheme() == QLatin1String("https"))
        return true;
    return api.isValid() && !api.host().isEmpty() && url.scheme() == api.scheme() && url.host() == api.host()
           && effectivePort(url) == effectivePort(api);
}

bool hasSha256(const QString &path, const QString &sha256Hex)
{
    const QByteArray expected = QByteArray::fromHex(sha256Hex.toLatin1());
    if (sha256Hex.size() != 64 || expected.size() != 32 || expected.toHex() != sha256Hex.toLatin1().toLower()) {
        qWarning() << "update: the offered sha256 is not one:" << sha256Hex.left(80);
        return false;
    }
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file)) {
        qWarning() << "update: cannot read the installer to verify it:" << path << file.errorString();
        return false;
    }
    return hash.result() == expected;
}

bool isPackaged(const QString &programFolder)
{
    return QDir::cleanPath(QDir(programFolder).absolutePath()).startsWith(QLatin1String("/usr/"));
}

QString notesText(const QString &notes)
{
    QString text;
    const QStringList parts = notes.split(QStringLiteral("\\n"), Qt::SkipEmptyParts);
    for (const QString &part : parts)
        text += part + QLatin1Char('\n');
    return text;
}

bool deleteFiles(const QString &folder)
{
    bool all = true;
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &file : files) {
        if (!QFile::remove(file.filePath())) {
            qWarning() << "update: cannot delete" << file.filePath();
            all = false;
        }
    }
    return all;
}

bool startInstaller(const QString &path)
{
    QFile file(path);
    if (!file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser))
        qWarning() << "update: cannot make the installer executable:" << path << file.errorString();
    const QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    if (!QProcess::startDetached(QDir::toNativeSeparators(path), {folder}, folder)) {
        qWarning() << "update: cannot start the installer" << path;
        return false;
    }
    return true;
}

} // namespace UpdateFiles
