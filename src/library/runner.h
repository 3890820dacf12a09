#pragma once

#include "library/corvanevideoinfo.h"

#include <QList>
#include <QStringList>
#include <QThread>
#include <QUrl>

#include <optional>

// The probing thread of one add operation: for each file it makes a
// CorvaneVideoInfo (size, duration, poster PNG) and sends it to the page.
// The page fills exactly one of setFiles/setUrls and setKnownVideos before
// start(); every signal reaches the page queued. requestInterruption() ends
// the run after the file being probed.
class Runner : public QThread
{
    Q_OBJECT
public:
    explicit Runner(QObject *parent = nullptr);
    ~Runner() override;

    // The accepted-extension text; a file passes when "." + its lower-cased
    // suffix occurs anywhere in it.
    static QString acceptedExtensions();
    static bool isAcceptedSuffix(const QString &suffix);

    void setFiles(const QStringList &files) { m_files = files; }
    void setUrls(const QList<QUrl> &urls) { m_urls = urls; }
    // The page's videoList as it is now, copied record by record: the page
    // may change or free its records while the thread runs.
    void setKnownVideos(const QList<CorvaneVideoInfo *> &videos);

    // Duplicate test, then createVideoInfo; emits sglParse or sglAbnormal.
    void ParseFiles(const QString &path);
    // A new record for the file, or none (after sglAbnormal) when its
    // extension is not accepted. A file FFmpeg cannot read still gives a
    // record, with length 0 and no poster.
    std::optional<CorvaneVideoInfo> createVideoInfo(const QString &path);
    // Probes the file, writes the poster PNG and returns the duration in
    // whole seconds, or 0.
    int vid2picretdur(const QByteArray &path, const QString &posterPath);

signals:
    // By value: a queued event that is never delivered (its receiver gone)
    // takes its copy with it.
    void sglParse(const CorvaneVideoInfo &info);
    void sglAbnormal(QStringList errorList);
    void sglUpdateFinish();

protected:
    void run() override;

private:
    bool m_running = true;
    bool m_parsedAny = false;
    QList<QUrl> m_urls;
    QStringList m_files;
    QList<CorvaneVideoInfo> m_knownVideos;
};
