#include "alogmessagehandler.h"

#include "tavrelwrapper.h"

#include <QLatin1String>

#include <cstdio>

namespace {
// Warnings Qt repeats on every paint or request that say nothing new.
const char *const kDroppedTexts[] = {
    "Unknown property min-weidth",
    "content-type missing in HTTP POST",
    "the source rect is not contained by the pixmap's rectangle",
    "known incorrect sRGB profile",
    "cHRM chunk does not match sRGB",
    "Unknown property background-size",
};

const char *levelWord(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg: return "Debug";
    case QtWarningMsg: return "Warning";
    case QtCriticalMsg: return "Critical";
    case QtFatalMsg: return "Fatal";
    default: return "Info";
    }
}
}

void alogMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    for (const char *dropped : kDroppedTexts) {
        if (message.contains(QLatin1String(dropped)))
            return;
    }
    // One substitution pass, so a "%1" inside the message stays as it is.
    const QString line = QStringLiteral("File:(%1) Line:(%2) %3")
                             .arg(QString::fromLatin1(context.file), QString::number(context.line), message);
    TavrelWrapper &alog = TavrelWrapper::instance();
    if (alog.hasHandle()) {
        alog.WriteAlog(levelWord(type), line.toUtf8().constData());
        return;
    }
    // No alog (no data folder, or not started yet): warnings and worse go to
    // standard error rather than nowhere.
    if (type != QtDebugMsg && type != QtInfoMsg) {
        std::fprintf(stderr, "%s: %s\n", levelWord(type), message.toLocal8Bit().constData());
        std::fflush(stderr);
    }
}
