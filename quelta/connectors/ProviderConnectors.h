#pragma once

#include "claude/ClaudeEnvironment.h"
#include "codex/CodexConnector.h"

#include "core/AccountFolder.h"
#include "core/AllowanceMonitor.h"
#include "platform/ExecutableLocator.h"

#include <functional>

namespace quelta {

class ProviderConnector;

// How the monitor loads each account: a new Claude connector with the current tracked limit and
// the account's folder, a new Codex connector running in the account's home, and the one Framer
// connector, reached through its interface.
struct ProviderConnectors {
    std::function<ClaudeEnvironment(const QString &folder)> claudeEnvironment;
    std::function<ProviderConnector &()> framer;
    // Where an account keeps its sign-in; absent for an account no longer known.
    std::function<std::optional<AccountFolder>(const AccountID &)> accountFolder;
    Clock *clock = nullptr;
    CodexConnector::Timing codexTiming;
    ExecutableSearch search;

    AllowanceMonitor::ProviderLoader loader() const;
};

} // namespace quelta
