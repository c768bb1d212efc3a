#pragma once

#include "core/ProviderAllowance.h"

#include <QCoroTask>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <optional>

namespace quelta {

class AllowanceMonitor;

// What the commands work with; the product's come from AppServices.
struct CommandLineServices {
    std::function<AllowanceMonitor &()> monitor;
    // Runs the provider's own sign-in (Claude Code or Codex); throws when it fails.
    std::function<QCoro::Task<void>(ProviderID)> signIn;
    // The vendor tool (for Framer, the web helper), when installed.
    std::function<std::optional<QString>(ProviderID)> executable;
    // A desktop is there to show the Framer window on.
    bool showsWindows = false;
};

QString commandLineUsage();

// Runs `quelta <arguments>` (without the program name) and returns the exit status:
// 0 done, 1 the command did not achieve its aim, 2 a usage error.
QCoro::Task<int> runCommandLine(QStringList arguments, CommandLineServices services, QTextStream &out, QTextStream &err);

} // namespace quelta
