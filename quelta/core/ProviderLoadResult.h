#pragma once

#include "ProviderAllowance.h"

#include <optional>

namespace quelta {

// The outcome of loading one provider; `retryAfter` (seconds) only for rate-limited outcomes.
struct ProviderLoadResult {
    ProviderAllowance provider;
    std::optional<double> retryAfter;

    bool operator==(const ProviderLoadResult &) const = default;
};

} // namespace quelta
