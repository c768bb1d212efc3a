#pragma once

#include "AccountID.h"
#include "ProviderAllowance.h"

#include <chrono>
#include <exception>
#include <optional>

namespace quelta {

// The outcome of loading one provider; `retryAfter` only for rate-limited outcomes.
struct ProviderLoadResult {
    ProviderAllowance provider;
    std::optional<std::chrono::milliseconds> retryAfter;

    bool operator==(const ProviderLoadResult &) const = default;
};

// The detail of a failed load that names no particular cause.
QString genericLoadFailure();

// The record a failed load shows, with the rate-limit delay where one applies.
ProviderLoadResult loadResultForError(const AccountID &id, std::exception_ptr error);

} // namespace quelta
