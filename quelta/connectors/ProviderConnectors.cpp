#include "ProviderConnectors.h"

#include "claude/ClaudeConnector.h"
#include "codex/CodexConnector.h"
#include "framer/FramerConnector.h"

namespace quelta {

namespace {

QCoro::Task<ProviderAllowance> fetchClaude(ClaudeTrackedLimit limit, ClaudeEnvironment environment)
{
    ClaudeConnector connector(limit, std::move(environment));
    const ProviderAllowance allowance = co_await connector.fetchAllowance();
    co_return allowance;
}

QCoro::Task<ProviderAllowance> fetchCodex()
{
    CodexConnector connector;
    const ProviderAllowance allowance = co_await connector.fetchAllowance();
    co_return allowance;
}

} // namespace

ProviderConnectors ProviderConnectors::standard()
{
    ProviderConnectors connectors;
    connectors.framer = [] () -> FramerConnector & { return FramerConnector::shared(); };
    return connectors;
}

AllowanceMonitor::ProviderLoader ProviderConnectors::loader() const
{
    return [claude = claudeEnvironment, framer = framer](ProviderID id, ClaudeTrackedLimit limit) -> QCoro::Task<ProviderAllowance> {
        switch (id) {
        case ProviderID::claudeCode:
            return fetchClaude(limit, claude());
        case ProviderID::codex:
            return fetchCodex();
        case ProviderID::framer:
            return framer().fetchAllowance();
        }
        return fetchCodex();
    };
}

} // namespace quelta
