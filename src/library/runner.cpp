#include "runner.h"

#include "library/libraryglobals.h"
#include "library/mediaprobe.h"
#include "library/videoid.h"
#include "settings/session.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {

QString suffixAfterLastDot(const QString &fileName)
{
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : fileName.mid(dot + 1);
}

} // namespace

Runner::Runner(QObject *parent) : QThread(parent)
{
    // FFmpeg 5 registers its codecs and formats itself; what is left to do
    // here is keeping its log inside the message logger.
    MediaProbe::installLogHandler();
    qRegisterMetaType<CorvaneVideoInfo>();
}

Runner::~Runner()
{
    // A finished run is the normal case; a thread still probing when its
    // parent goes away must not be destroyed under its feet.
    wait();
}

void Runner::setKnownVideos(const QList<CorvaneVideoInfo *> &videos)
{
    m_knownVideos.clear();
    for (const CorvaneVideoInfo *info : videos)
        if (info)
            m_knownVideos.append(*info);
}

QString Runner::acceptedExtensions()
{
    return QStringLiteral("*.mp4 *.avi *.mkv *.mov *.mpg *.rmvb *.wmv *.flv *.3gp *.asf *.f4v *.m4v *.mpeg "
                          "*.webm *.vob *.swf *.rm *.ts");
}

bool Runner::isAcceptedSuffix(const QString &suffix)
{
    return acceptedExtensions().contains(QLatin1Char('.') + suffix.toLower(), Qt::CaseSensitive);
}

void Runner::run()
{
    while (m_running) {
        isAddingFiles = true;
        qDebug() << this << "run(). while in ";
        m_parsedAny = false;

        for (const QString &path : qAsConst(m_files)) {
            if (isInterruptionRequested())
                break;
            ParseFiles(path);
        }

        for (const QUrl &url : qAsConst(m_urls)) {
            if (isInterruptionRequested())
                break;
            const QString localPath = url.toLocalFile();
            const QString fileName = url.fileName(QUrl::FullyDecoded);
            const QStringList parts = fileName.split(QLatin1Char('.'), Qt::KeepEmptyParts);
            if (parts.size() < 2 || !isAcceptedSuffix(parts.last())) {
                emit sglAbnormal(QStringList{tr("not video file"), fileName});
                continue;
            }
            ParseFiles(localPath);
        }

        m_running = false;
        if (isInterruptionRequested()) {
            qDebug() << this << "run(). stopped before the end";
            break;
        }
        if (!m_parsedAny)
            break;
        emit sglUpdateFinish();
    }
    qDebug() << this << "run(). while out ";
}

void Runner::ParseFiles(const QString &path)
{
    for (const CorvaneVideoInfo &known : qAsConst(m_knownVideos)) {
        if (known.videoPathReal == path) {
            emit sglAbnormal(QStringList{tr("already add the video"), known.video});
            return;
        }
    }
    if (const std::optional<CorvaneVideoInfo> info = createVideoInfo(path))
        emit sglParse(*info);
}

std::optional<CorvaneVideoInfo> Runner::createVideoInfo(const QString &path)
{
    const QFileInfo fileInfo(path);
    const qint64 bytes = fileInfo.size();
    const QString fileName = fileInfo.fileName();
    const QString suffix = suffixAfterLastDot(fileName);
    if (suffix.isEmpty() || !isAcceptedSuffix(suffix)) {
        emit sglAbnormal(QStringList{tr("not video file"), fileName});
        return std::nullopt;
    }

    // No data folder: the poster goes nowhere (never to the file system's root).
    const QString dataPath = Session::instance()->getDataPath();
    const QString posterFolder = dataPath.isEmpty() ? QString() : dataPath + QStringLiteral("/videoPictures/");
    if (posterFolder.isEmpty() || !QDir().mkpath(posterFolder))
        qWarning() << "cannot create the poster folder" << posterFolder;

    // Unique even when two files are probed in the same millisecond.
    QSet<QString> taken;
    for (const CorvaneVideoInfo &known : qAsConst(m_knownVideos))
        taken.insert(known.videoPath);
    const QString baseName = VideoId::next(taken, posterFolder);
    const QString posterName = baseName + QStringLiteral(".png");
    const QString posterPath = posterFolder.isEmpty() ? QString() : posterFolder + posterName;

    const int length = vid2picretdur(path.toUtf8(), posterPath);

    CorvaneVideoInfo info;
    info.videoPath = baseName;
    info.videoPathReal = path;
    info.index = m_knownVideos.size();
    info.video = fileName;
    info.length = length;
    info.size = int(bytes / 1024);
    info.posterPath = baseName;
    info.poster = posterName;
    info.posterPathReal = posterPath;
    m_parsedAny = true;
    return info;
}

int Runner::vid2picretdur(const QByteArray &path, const QString &posterPath)
{
    return MediaProbe::vid2picretdur(path, posterPath);
}
