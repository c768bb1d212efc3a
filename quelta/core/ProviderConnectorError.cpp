#include "ProviderConnectorError.h"

namespace quelta {

const char *ProviderConnectorError::what() const noexcept
{
    switch (m_kind) {
    case Kind::rateLimited:
        return "rateLimited";
    case Kind::connectionRequired:
        return "connectionRequired";
    case Kind::executableMissing:
        return "executableMissing";
    case Kind::invalidResponse:
        return "invalidResponse";
    case Kind::processFailed:
        return "processFailed";
    case Kind::timedOut:
        return "timedOut";
    case Kind::unsupportedPlan:
        return "unsupportedPlan";
    case Kind::usageAccessExpired:
        return "usageAccessExpired";
    }
    return "ProviderConnectorError";
}

} // namespace quelta
