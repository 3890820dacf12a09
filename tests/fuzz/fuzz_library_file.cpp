// Arbitrary bytes as the library file: the start-up load may skip records,
// never crash, hang or allocate what a corrupt length claims.

#include "fuzzsupport.h"

#include "library/corvanevideoinfo.h"
#include "library/videolibraryfile.h"

#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzSetUp();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const VideoLibraryFile library(dir.path());
    {
        QFile file(library.filePath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    QStringList texts;
    QList<CorvaneVideoInfo *> records;
    FUZZ_CHECK(library.load(&texts, &records));
    FUZZ_CHECK(texts.size() == records.size());
    for (int i = 0; i < records.size(); ++i)
        FUZZ_CHECK(records.at(i) && records.at(i)->index == i);
    qDeleteAll(records);
    // Every stored text takes at least its five bytes of framing.
    FUZZ_CHECK(qint64(texts.size()) * 5 <= qint64(size));
    return 0;
}
