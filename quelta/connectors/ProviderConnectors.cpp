#include "ProviderConnectors.h"

#include "claude/ClaudeConnector.h"
#include "codex/CodexConnector.h"
#include "framer/FramerConnector.h"

#include "platform/Clock.h"

namespace quelta {

namespace {

QCoro::Task<ProviderAllowance> fetchClaude(ClaudeTrackedLimit limit, ClaudeEnvironment environment)
{
    ClaudeConnector connector(limit, std::move(environment));
    const ProviderAllowance allowance = co_await connector.fetchAllowance();
    co_return allowance;
}

QCoro::Task<ProviderAllowance> fetchCodex(Clock &clock, CodexConnector::Timing timing)
{
    CodexConnector connector(clock, timing);
    const ProviderAllowance allowance = co_await connector.fetchAllowance();
    co_return allowance;
}

} // namespace

ProviderConnectors ProviderConnectors::standard()
{
    ProviderConnectors connectors;
    connectors.framer = []() -> FramerConnector & { return FramerConnector::shared(); };
    connectors.clock = &Clock::system();
    return connectors;
}

AllowanceMonitor::ProviderLoader ProviderConnectors::loader() const
{
    return [claude = claudeEnvironment, framer = framer, clock = clock, timing = codexTiming](
               ProviderID id, ClaudeTrackedLimit limit) -> QCoro::Task<ProviderAllowance> {
        switch (id) {
        case ProviderID::claudeCode:
            return fetchClaude(limit, claude());
        case ProviderID::codex:
            return fetchCodex(*clock, timing);
        case ProviderID::framer:
            return framer().fetchAllowance();
        }
        return fetchCodex(*clock, timing);
    };
}

} // namespace quelta
