// The update feed, from the download to the version comparison.
#include "FuzzInput.h"

#include "core/AppcastFeed.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (const std::optional<quelta::AppcastRelease> release = quelta::newestRelease(fuzz::bytes(data, size)))
        quelta::compareReleases(release->version, {QStringLiteral("0.1.0-beta.1"), QStringLiteral("1")});
    return 0;
}
