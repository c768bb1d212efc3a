// The Codex app-server's output lines, from the reply search to the allowance.
#include "FuzzInput.h"

#include "connectors/codex/CodexConnector.h"
#include "connectors/codex/CodexRateLimits.h"
#include "core/ProviderConnectorError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    try {
        const QJsonObject result = quelta::CodexConnector::rateLimitsResult(fuzz::bytes(data, size));
        quelta::codexAllowance(result, fuzz::now());
    } catch (const quelta::ProviderConnectorError &) {
        // The connector's answer to output it cannot use.
    }
    return 0;
}
