#include "ProviderConnectors.h"

#include "claude/ClaudeConnector.h"
#include "codex/CodexConnector.h"
#include "ProviderConnector.h"

#include "core/ProviderConnectorError.h"

namespace quelta {

namespace {

QCoro::Task<ProviderAllowance> fetchClaude(ClaudeTrackedLimit limit, ClaudeEnvironment environment)
{
    ClaudeConnector connector(limit, std::move(environment));
    const ProviderAllowance allowance = co_await connector.fetchAllowance();
    co_return allowance;
}

QCoro::Task<ProviderAllowance> fetchCodex(Clock &clock, CodexConnector::Timing timing, ExecutableSearch search, std::stop_token stop,
                                          QString home)
{
    CodexConnector connector(clock, timing, std::move(search), std::move(stop), std::move(home));
    const ProviderAllowance allowance = co_await connector.fetchAllowance();
    co_return allowance;
}

QCoro::Task<ProviderAllowance> fetchForgotten()
{
    throw ProviderConnectorError(ProviderConnectorError::Kind::connectionRequired);
    co_return ProviderAllowance{};
}

QCoro::Task<ProviderAllowance> named(QCoro::Task<ProviderAllowance> load, QString account)
{
    const ProviderAllowance allowance = co_await std::move(load);
    co_return allowance.forAccount(account);
}

} // namespace

AllowanceMonitor::ProviderLoader ProviderConnectors::loader() const
{
    return [connectors = *this](AccountID id, ClaudeTrackedLimit limit, std::stop_token stop) -> QCoro::Task<ProviderAllowance> {
        if (id.provider == ProviderID::framer)
            // The Framer connector outlives the monitor and ends its helper runs itself.
            return connectors.framer().fetchAllowance();
        const std::optional<AccountFolder> account = connectors.accountFolder(id);
        if (!account)
            return fetchForgotten();
        if (id.provider == ProviderID::claudeCode) {
            ClaudeEnvironment environment = connectors.claudeEnvironment(account->folder);
            environment.stop = std::move(stop);
            return named(fetchClaude(limit, std::move(environment)), id.name);
        }
        return named(fetchCodex(*connectors.clock, connectors.codexTiming, connectors.search, std::move(stop), account->folder), id.name);
    };
}

} // namespace quelta
