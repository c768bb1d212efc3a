#pragma once

#include "claude/ClaudeEnvironment.h"
#include "codex/CodexConnector.h"

#include "core/AllowanceMonitor.h"

#include <functional>

namespace quelta {

class FramerConnector;

// The real connectors for the monitor: a new Claude connector with the current tracked limit,
// a new Codex connector, and the shared Framer connector.
struct ProviderConnectors {
    std::function<ClaudeEnvironment()> claudeEnvironment = &ClaudeEnvironment::standard;
    std::function<FramerConnector &()> framer;
    Clock *clock = nullptr;
    CodexConnector::Timing codexTiming;

    static ProviderConnectors standard();
    AllowanceMonitor::ProviderLoader loader() const;
};

} // namespace quelta
