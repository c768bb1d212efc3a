#pragma once

#include "core/ProviderAllowance.h"

#include <QCoroTask>

namespace quelta {

// Obtains one provider's current allowance. Failures are thrown as ProviderConnectorError;
// transport errors and cancellation pass through unchanged.
class ProviderConnector
{
public:
    virtual ~ProviderConnector() = default;
    virtual QCoro::Task<ProviderAllowance> fetchAllowance() = 0;
};

} // namespace quelta
