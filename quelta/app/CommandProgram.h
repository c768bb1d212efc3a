#pragma once

#include "ui/cli/CommandTarget.h"

#include <QCoroTask>

#include <functional>
#include <memory>

class QCoreApplication;

namespace quelta {

class SettingsStore;

// What a command acts on when no running Quelta answers it: this process's own monitor.
class OwnCommandServices
{
public:
    virtual ~OwnCommandServices() = default;
    virtual CommandTarget &target() = 0;
    // Where the command's results are kept.
    virtual SettingsStore &settings() = 0;
    // Waits for what the command set going on the side (alert deliveries).
    virtual QCoro::Task<void> finish() { co_return; }
};

// Called only once this process holds the bus name (or there is no bus); null when the services
// cannot be made, which ends the command with status 1.
using OwnCommandServicesFactory = std::function<std::unique_ptr<OwnCommandServices>()>;

// Runs the command in the application's arguments against the running Quelta, or against this
// process's own services when none runs, and returns its exit status.
int runCommandProgram(QCoreApplication &app, const OwnCommandServicesFactory &makeOwnServices);

} // namespace quelta
