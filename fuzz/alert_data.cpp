// The alerts' stored history, per-metric state and snoozes.
#include "FuzzInput.h"

#include "alerts/UsageAlertData.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray stored = fuzz::bytes(data, size);
    quelta::decodeSamples(stored);
    quelta::decodeMetricStates(stored);
    quelta::decodeSnoozes(stored);
    return 0;
}
