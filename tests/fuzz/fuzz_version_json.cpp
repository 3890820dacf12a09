// Answers of the update check's web API, as the exchange reads a reply body.

#include "fuzzsupport.h"

#include "online/cnuvohomedataprocresourceversion.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzSetUp();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray body(reinterpret_cast<const char *>(data), int(size));
    std::unique_ptr<VersionInfo> slot;
    QString error;
    if (!CNuvoHomeDataProcResourceVersion::ParseVersionBody(body, slot, &error))
        FUZZ_CHECK(!slot); // a body that is no JSON leaves no record
    // A second answer over an existing record changes it in place, never crashes.
    CNuvoHomeDataProcResourceVersion::ParseVersionBody(body, slot);
    return 0;
}
