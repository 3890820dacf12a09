#pragma once

#include <QNetworkReply>
#include <QString>

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

// Release notes as shown: split at each backslash + "n", empty parts
// dropped, each part followed by a line feed.
QString notesText(const QString &notes);

// Deletes the files (not the folders) directly in folder; false when one stays.
bool deleteFiles(const QString &folder);

// Makes the installer executable and starts it detached with its folder as
// its only argument; false (logged) when it cannot start.
bool startInstaller(const QString &path);

} // namespace UpdateFiles
