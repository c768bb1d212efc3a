#pragma once

#include "ClaudeEnvironment.h"
#include "ClaudeLocalAccount.h"
#include "SubscriptionAuthStatus.h"

#include "connectors/ProviderConnector.h"
#include "core/ClaudeTrackedLimit.h"

#include <optional>

namespace quelta {

struct ClaudeCredentials;
struct HttpResponse;

// Claude's allowance, read with the sign-in of the Claude Code tool. Created per load.
class ClaudeConnector final : public ProviderConnector
{
public:
    ClaudeConnector(ClaudeTrackedLimit trackedLimit, ClaudeEnvironment environment);

    QCoro::Task<ProviderAllowance> fetchAllowance() override;

    // Runs `claude auth login` and waits until the subscription sign-in has taken effect.
    QCoro::Task<void> signIn();

    // The `claude` executable, when Claude Code is installed.
    static std::optional<QString> executablePath(const ExecutableSearch &search);

    ClaudeTrackedLimit trackedLimit() const { return m_trackedLimit; }

private:
    ClaudeLocalAccount localAccount() const;
    QCoro::Task<SubscriptionAuthStatus> authStatus(bool forceRefresh);
    // The status, or nothing when reading it failed in any way but cancellation.
    QCoro::Task<std::optional<SubscriptionAuthStatus>> authStatusIfReadable(bool forceRefresh);
    bool isSubscriptionSignIn(const std::optional<SubscriptionAuthStatus> &status) const;

    QCoro::Task<std::optional<ProviderAllowance>> freeAccountOutcome();
    QCoro::Task<std::optional<ClaudeCredentials>> storedCredentials();
    QCoro::Task<ProviderAllowance> afterCredentialFailure(const ClaudeLocalAccount &account);
    QCoro::Task<ProviderAllowance> afterUsageRefused(const ClaudeLocalAccount &account);
    ProviderAllowance connectedAllowance(const HttpResponse &response, const QString &planName) const;

    ClaudeTrackedLimit m_trackedLimit;
    ClaudeEnvironment m_environment;
};

} // namespace quelta
