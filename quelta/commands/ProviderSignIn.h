#pragma once

#include "core/AccountID.h"
#include "core/ProviderAllowance.h"
#include "core/ProviderConnectorError.h"

#include <QCoroTask>

#include <functional>
#include <optional>

namespace quelta {

// A provider's own sign-in (Claude Code, Codex, or the Framer window); throws when it fails.
using ProviderSignIn = std::function<QCoro::Task<void>(AccountID)>;

// Runs the sign-in and tells how it failed, if it did: the connector's error, or processFailed
// for any other failure. Cancellation passes through.
QCoro::Task<std::optional<ProviderConnectorError::Kind>> signInFailure(ProviderSignIn signIn, AccountID id);

} // namespace quelta
