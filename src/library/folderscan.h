#pragma once

#include <QString>
#include <QStringList>

struct FolderScanResult {
    QStringList videos;   // absolute paths of files with an accepted video suffix, sorted, each once
    int notVideo = 0;     // regular files without an accepted suffix
};

// Walks a folder and its sub-folders; hidden entries and symbolic-link loops (a directory reached
// again by its canonical path) are skipped; links to files are followed once.
// Only names and one stat per entry are read, never file contents, so a
// scan of thousands of files costs no probe.
class FolderScan
{
public:
    static FolderScanResult scan(const QString &folder);
};
