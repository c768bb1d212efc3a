#pragma once

// `quelta status` against a monitor, as the command line would run it in its own process.
#include "commands/CommandLine.h"
#include "commands/ProviderConnection.h"
#include "core/AllowanceMonitor.h"

#include <QCoroTask>
#include <QTextStream>

namespace bench {

inline QCoro::Task<QString> statusOutput(quelta::AllowanceMonitor &monitor)
{
    QString output;
    QTextStream out(&output);
    quelta::ProviderConnection connection(monitor, {});
    quelta::LocalCommandTarget target(monitor, connection, {});
    // Named: GCC destroys a temporary in a co_await expression twice.
    const QStringList arguments{QStringLiteral("status")};
    const quelta::CommandLineEnvironment environment;
    const int exitStatus = co_await quelta::runCommandLine(arguments, target, environment, out, out);
    Q_UNUSED(exitStatus);
    out.flush();
    co_return output;
}

} // namespace bench
