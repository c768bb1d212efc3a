#pragma once

#include "ProviderAllowance.h"

#include <QDateTime>

#include <optional>

namespace quelta {

// What the monitor may ask of the record kept beside it.
class UsageHistory
{
public:
    virtual ~UsageHistory() = default;

    // The limit's recent rate of use in percent per second, as `now` sees it; absent where the
    // record says too little.
    virtual std::optional<double> recentUsageRate(const ProviderAllowance &provider, const ProviderLimit &limit, const QDateTime &now) = 0;
};

} // namespace quelta
