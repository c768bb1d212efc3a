// The telemetry client's cache file of unsent signals and its stored sessions.
#include "FuzzInput.h"

#include "SessionManager.h"
#include "SignalCache.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray stored = fuzz::bytes(data, size);
    for (const telemetrydeck::SignalPostBody &signal : telemetrydeck::SignalCache::decode(stored))
        signal.toCacheJson();
    telemetrydeck::decodeSessions(stored);
    return 0;
}
