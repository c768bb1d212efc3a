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

QCoro::Task<ProviderAllowance> fetchCodex(Clock &clock, CodexConnector::Timing timing, ExecutableSearch search)
{
    CodexConnector connector(clock, timing, std::move(search));
    const ProviderAllowance allowance = co_await connector.fetchAllowance();
    co_return allowance;
}

} // namespace

AllowanceMonitor::ProviderLoader ProviderConnectors::loader() const
{
    return [claude = claudeEnvironment, framer = framer, clock = clock, timing = codexTiming, search = search](
               ProviderID id, ClaudeTrackedLimit limit) -> QCoro::Task<ProviderAllowance> {
        switch (id) {
        case ProviderID::claudeCode:
            return fetchClaude(limit, claude());
        case ProviderID::codex:
            return fetchCodex(*clock, timing, search);
        case ProviderID::framer:
            return framer().fetchAllowance();
        }
        return fetchCodex(*clock, timing, search);
    };
}

} // namespace quelta
