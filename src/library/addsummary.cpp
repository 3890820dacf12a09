#include "addsummary.h"

#include <QStringList>

AddSummary &AddSummary::operator+=(const AddSummary &other)
{
    added += other.added;
    duplicate += other.duplicate;
    notVideo += other.notVideo;
    unreadable += other.unreadable;
    notStored += other.notStored;
    return *this;
}

QString AddSummary::text() const
{
    QStringList parts;
    if (added > 0)
        parts.append(tr("%n added", nullptr, added));
    if (duplicate > 0)
        parts.append(tr("%n already in the library", nullptr, duplicate));
    if (notVideo > 0)
        parts.append(tr("%n not video files", nullptr, notVideo));
    if (unreadable > 0)
        parts.append(tr("%n could not be read", nullptr, unreadable));
    if (notStored > 0)
        parts.append(tr("%n could not be stored in the library", nullptr, notStored));
    if (parts.isEmpty())
        return tr("No video files found");
    //: Separates the parts of the summary of an addition.
    return parts.join(tr(", "));
}
