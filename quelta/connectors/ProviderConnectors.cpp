#include "ProviderConnectors.h"

#include "claude/ClaudeConnector.h"
#include "codex/CodexConnector.h"
#include "ProviderConnector.h"

namespace quelta {

namespace {

QCoro::Task<ProviderAllowance> fetchClaude(ClaudeTrackedLimit limit, ClaudeEnvironment environment)
{
    ClaudeConnector connector(limit, std::move(environment));
    const ProviderAllowance allowance = co_await connector.fetchAllowance();
    co_return allowance;
}

QCoro::Task<ProviderAllowance> fetchCodex(Clock &clock, CodexConnector::Timing timing, ExecutableSearch search, std::stop_token stop)
{
    CodexConnector connector(clock, timing, std::move(search), std::move(stop));
    const ProviderAllowance allowance = co_await connector.fetchAllowance();
    co_return allowance;
}

} // namespace

AllowanceMonitor::ProviderLoader ProviderConnectors::loader() const
{
    return [claude = claudeEnvironment, framer = framer, clock = clock, timing = codexTiming, search = search](
               ProviderID id, ClaudeTrackedLimit limit, std::stop_token stop) -> QCoro::Task<ProviderAllowance> {
        switch (id) {
        case ProviderID::claudeCode: {
            ClaudeEnvironment environment = claude();
            environment.stop = std::move(stop);
            return fetchClaude(limit, std::move(environment));
        }
        case ProviderID::codex:
            return fetchCodex(*clock, timing, search, std::move(stop));
        case ProviderID::framer:
            // The Framer connector outlives the monitor and ends its helper runs itself.
            return framer().fetchAllowance();
        }
        return fetchCodex(*clock, timing, search, std::move(stop));
    };
}

} // namespace quelta
