#pragma once

#include "claude/ClaudeEnvironment.h"
#include "codex/CodexConnector.h"

#include "core/AllowanceMonitor.h"
#include "platform/ExecutableLocator.h"

#include <functional>

namespace quelta {

class ProviderConnector;

// How the monitor loads each provider: a new Claude connector with the current tracked limit,
// a new Codex connector, and the one Framer connector, reached through its interface.
struct ProviderConnectors {
    std::function<ClaudeEnvironment()> claudeEnvironment;
    std::function<ProviderConnector &()> framer;
    Clock *clock = nullptr;
    CodexConnector::Timing codexTiming;
    ExecutableSearch search;

    AllowanceMonitor::ProviderLoader loader() const;
};

} // namespace quelta
