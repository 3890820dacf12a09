#pragma once

#include <QCoreApplication>
#include <QString>

// The outcome of one batch of additions (a folder, a drop, a watched
// folder's new files), told to the user in one message instead of one
// dialog per refused file.
struct AddSummary
{
    Q_DECLARE_TR_FUNCTIONS(AddSummary)

public:
    int added = 0;
    int duplicate = 0;
    int notVideo = 0;
    int unreadable = 0;
    // Probed but not written to the library file (a full disk, no rights).
    int notStored = 0;

    int total() const { return added + duplicate + notVideo + unreadable + notStored; }
    AddSummary &operator+=(const AddSummary &other);
    // "12 added, 3 already in the library, 2 not video files": the non-zero
    // parts only; "No video files found" when the batch held nothing.
    QString text() const;
};
