// Range header values through the reader the video route uses.

#include "fuzzsupport.h"

#include "server/mediaroutes.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzSetUp();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    qint64 s = 7, e = 7;
    const bool read = MediaRoutes::readRange(fuzzText(data, size), s, e);
    if (!read)
        FUZZ_CHECK(s == 0 && e == 0); // an unreadable value serves the whole file
    else
        FUZZ_CHECK(s < 0 ? e == 0 : e >= 0); // a suffix, or a start and an end (0 or below: to the end)
    return 0;
}
