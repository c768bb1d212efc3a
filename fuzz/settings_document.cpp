// A settings file as another process, an older version or a damaged disk left it.
#include "FuzzInput.h"

#include "platform/SettingsDocument.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::optional<quelta::SettingsDocument::Contents> contents = quelta::SettingsDocument::decode(fuzz::bytes(data, size));
    if (!contents)
        return 0;
    // What was read is written back as it was: writing it again after reading it changes nothing
    // (compared as bytes, since a stored NaN equals nothing).
    const QByteArray written = quelta::SettingsDocument::encode(*contents);
    const std::optional<quelta::SettingsDocument::Contents> again = quelta::SettingsDocument::decode(written);
    if (!again || quelta::SettingsDocument::encode(*again) != written)
        std::abort();
    return 0;
}
