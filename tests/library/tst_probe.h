#pragma once

#include <QObject>
#include <QString>
#include <QTemporaryDir>

// The media probe and the probing thread on videos generated with ffmpeg.
class TestProbe : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void durationAndPosterPosition_data();
    void durationAndPosterPosition();
    void failuresGiveNoDurationAndNoPoster_data();
    void failuresGiveNoDurationAndNoPoster();
    void packetLimitEndsPosterSearch();
    void ffmpegLogGoesToMessageLogger();
    void posterMatchesFullSizeConversion_data();
    void posterMatchesFullSizeConversion();

    void runnerMakesRecordsFromFiles();
    void runnerMakesRecordsFromUrls();
    void runnerWithEveryFileRejected();
    void runnerIdsUniqueWithinOneRun();

private:
    QString video(const QString &name) const { return m_videos.path() + QLatin1Char('/') + name; }
    QString posterPath(const QString &name) const;

    QTemporaryDir m_videos;
    QTemporaryDir m_posters;
};
