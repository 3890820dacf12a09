#include "testvideos.h"

#include <QDebug>
#include <QProcess>

bool TestVideos::ffmpeg(const QStringList &arguments, const QString &stdoutFile)
{
    QProcess process;
    if (!stdoutFile.isEmpty())
        process.setStandardOutputFile(stdoutFile);
    process.start(QStringLiteral("ffmpeg"),
                  QStringList{QStringLiteral("-hide_banner"), QStringLiteral("-nostdin"), QStringLiteral("-loglevel"),
                              QStringLiteral("error"), QStringLiteral("-y")}
                      + arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        qWarning() << "ffmpeg failed:" << arguments << process.readAllStandardError();
        return false;
    }
    return true;
}

bool TestVideos::ramp(const QString &path, int width, int height, int fps, int seconds, const QStringList &codec)
{
    const QString source = QStringLiteral("color=c=black:s=%1x%2:r=%3:d=%4,format=gray,"
                                          "geq=lum='clip(255*T/%4,0,255)',format=yuv420p")
                               .arg(width)
                               .arg(height)
                               .arg(fps)
                               .arg(seconds);
    const bool piped = path.startsWith(QLatin1String("pipe:"));
    return ffmpeg(QStringList{QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"), source} + codec
                      + QStringList{piped ? QStringLiteral("pipe:1") : path},
                  piped ? path.mid(5) : QString());
}

bool TestVideos::clip(const QString &path, int seconds, const QString &size, int fps, int gop, const QString &source)
{
    return ffmpeg({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                   QStringLiteral("%1=size=%2:rate=%3").arg(source, size).arg(fps), QStringLiteral("-t"),
                   QString::number(seconds),
                   QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"), QStringLiteral("ultrafast"),
                   QStringLiteral("-g"), QString::number(gop), QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"), path});
}

double TestVideos::ffprobeDuration(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("ffprobe"),
                  {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
                   QStringLiteral("format=duration"), QStringLiteral("-of"), QStringLiteral("csv=p=0"), path});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return -1;
    bool ok = false;
    const double seconds = process.readAllStandardOutput().trimmed().toDouble(&ok);
    return ok ? seconds : -1;
}
