#include "videoid.h"

#include <QDateTime>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>

namespace {
QMutex g_mutex;
qint64 g_lastIssued = 0;
} // namespace

QString VideoId::fromMSecs(qint64 msecsSinceEpoch)
{
    // Seconds, then the millisecond part padded to three digits.
    const qint64 seconds = msecsSinceEpoch / 1000;
    const int millis = int(msecsSinceEpoch % 1000);
    return QString::number(seconds) + QStringLiteral("%1").arg(millis, 3, 10, QLatin1Char('0'));
}

QString VideoId::next(const QSet<QString> &taken, const QString &posterFolder)
{
    QMutexLocker lock(&g_mutex);
    qint64 candidate = qMax(QDateTime::currentDateTime().toMSecsSinceEpoch(), g_lastIssued + 1);
    QString id = fromMSecs(candidate);
    const QString folder = posterFolder.endsWith(QLatin1Char('/')) || posterFolder.isEmpty()
        ? posterFolder
        : posterFolder + QLatin1Char('/');
    // Bounded: each step moves one millisecond on, and only ids in use
    // are skipped.
    while (taken.contains(id) || (!folder.isEmpty() && QFileInfo::exists(folder + id + QLatin1String(".png")))) {
        ++candidate;
        id = fromMSecs(candidate);
    }
    g_lastIssued = candidate;
    return id;
}
