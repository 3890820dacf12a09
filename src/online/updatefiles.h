#pragma once

#include <QNetworkReply>
#include <QString>

class QUrl;

// The file side of an update: where the installer goes, what a finished
// download must be to be started, and the start itself. Pure functions but
// the last two, which touch the disk or start a process.
namespace UpdateFiles {

// The offered version becomes part of a file name: only letters, digits,
// ".", "_" and "-" are accepted, so no version can reach outside the update
// folder or hide a path.
bool isSafeVersion(const QString &version);

// "<data folder>/update"; empty when the data folder cannot be made.
QString updateFolder();
// "<folder>/NuvoUpdate<version>" (with ".exe" on Windows).
QString installerPath(const QString &folder, const QString &version);

// A download counts only when the transfer ended without a network error
// with status 200, and the file holds exactly the announced, non-zero size:
// an error page is never started as an installer.
bool isGoodDownload(QNetworkReply::NetworkError error, int httpStatus, qint64 fileSize, bool fileExists,
                    qint64 announcedTotal);

// An installer is taken over https from anywhere, otherwise only from the
// web API's own scheme, host and port: a plain download from elsewhere could
// be replaced on its way.
bool isAllowedInstallerUrl(const QUrl &url, const QUrl &api);

// True when the file's SHA-256 is sha256Hex (hex, either case); false for an
// unreadable file or a value that is no SHA-256 at all.
bool hasSha256(const QString &path, const QString &sha256Hex);

// A program folder under /usr belongs to the system's package manager: the
// user cannot replace it, so a downloaded installer is never run there.
bool isPackaged(const QString &programFolder);

// Release notes as shown: split at each backslash + "n", empty parts
// dropped, each part followed by a line feed.
QString notesText(const QString &notes);

// Deletes the files (not the folders) directly in folder; false when one stays.
bool deleteFiles(const QString &folder);

// Makes the installer executable and starts it detached with its folder as
// its only argument; false (logged) when it cannot start.
bool startInstaller(const QString &path);

} // namespace UpdateFiles
