#include "ProviderLoadResult.h"

#include "CoreLogging.h"
#include "ProviderConnectorError.h"
#include "RefreshPolicy.h"

#include "platform/Quelta.h"

namespace quelta {

namespace {

using Kind = ProviderConnectorError::Kind;

ProviderAllowance failureRecord(ProviderID id, Kind kind)
{
    switch (kind) {
    case Kind::rateLimited:
        return ProviderAllowance::failure(id, Quelta::tr("Temporarily rate limited"), ConnectionState::unavailable);
    case Kind::connectionRequired:
    case Kind::executableMissing:
        return ProviderAllowance::failure(id, Quelta::tr("Requires connection"), ConnectionState::needsConnection);
    case Kind::unsupportedPlan:
        return ProviderAllowance::failure(id, Quelta::tr("Claude Free doesn’t include Claude Code"), ConnectionState::unsupported,
                                          QStringLiteral("Free"));
    case Kind::usageAccessExpired:
        return ProviderAllowance::failure(id, Quelta::tr("Open Claude Code to renew access"), ConnectionState::unavailable);
    case Kind::invalidResponse:
    case Kind::processFailed:
    case Kind::timedOut:
        break;
    }
    return ProviderAllowance::failure(id, genericLoadFailure(), ConnectionState::unavailable);
}

ProviderLoadResult providerResultForError(ProviderID id, std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const ProviderConnectorError &connectorError) {
        qCInfo(lcCore) << "loading" << toRawValue(id) << "failed:" << connectorError.what();
        ProviderLoadResult result{failureRecord(id, connectorError.kind()), std::nullopt};
        if (connectorError.kind() == Kind::rateLimited)
            result.retryAfter = refreshPolicy::rateLimitDelay(id, connectorError.retryAfter());
        return result;
    } catch (const std::exception &other) {
        qCInfo(lcCore) << "loading" << toRawValue(id) << "failed:" << other.what();
    } catch (...) {
        qCInfo(lcCore) << "loading" << toRawValue(id) << "failed";
    }
    return ProviderLoadResult{failureRecord(id, Kind::invalidResponse), std::nullopt};
}

} // namespace

QString genericLoadFailure()
{
    return Quelta::tr("Allowance unavailable");
}

ProviderLoadResult loadResultForError(const AccountID &id, std::exception_ptr error)
{
    ProviderLoadResult result = providerResultForError(id.provider, error);
    result.provider = result.provider.forAccount(id.name);
    return result;
}

} // namespace quelta
