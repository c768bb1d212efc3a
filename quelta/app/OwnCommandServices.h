#pragma once

#include "ui/cli/CommandTarget.h"

#include <QCoroTask>

#include <functional>
#include <memory>

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

// Called when no running Quelta answers a command; null when the services cannot be made (having
// said why), which ends the command with status 1.
using OwnCommandServicesFactory = std::function<std::unique_ptr<OwnCommandServices>()>;

} // namespace quelta
