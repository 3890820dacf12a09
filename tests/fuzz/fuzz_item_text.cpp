// Item texts as they come back from the library file: parsed into a record
// and written out again, the text is always one valid JSON object, and a
// second round gives the same text.

#include "fuzzsupport.h"

#include "library/corvanevideoinfo.h"
#include "library/videolisttext.h"

#include <QJsonDocument>

#include <memory>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzSetUp();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QJsonObject object = VideoListText::getJsonObjectFromString(fuzzText(data, size));
    std::unique_ptr<CorvaneVideoInfo> info(VideoListText::videoInfoFromJson(object, 0));
    if (!info)
        return 0;
    const QString text = VideoListText::videoInfoToJsonText(info.get());
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
    FUZZ_CHECK(error.error == QJsonParseError::NoError && document.isObject());
    std::unique_ptr<CorvaneVideoInfo> again(VideoListText::videoInfoFromJson(document.object(), 0));
    FUZZ_CHECK(again && VideoListText::videoInfoToJsonText(again.get()) == text);
    // The published list around it stays valid too.
    FUZZ_CHECK(QJsonDocument::fromJson(VideoListText::buildVideoListText({text, text}).toUtf8()).isObject());
    return 0;
}
