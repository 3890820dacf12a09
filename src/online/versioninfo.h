#pragma once

#include <QString>

// The web API's answer to the update check, kept for the life of the process
// and shared read-only by the start-up check, the update dialog and the
// about page.
struct VersionInfo
{
    bool hasNewVersion = false;
    QString version; // becomes part of the installer's file name
    QString notes;   // lines separated by backslash + "n"; the error code on an error answer
    QString url;     // where the installer is downloaded from
    int forced = 0;  // 1: mandatory update
    QString sha256;  // the installer's SHA-256 in hex when the answer names one
};
