#pragma once

#include "CommandTarget.h"

#include <QCoroTask>

#include <functional>
#include <memory>

namespace quelta {

class SettingsStore;

// What a command acts on when no running Quelta answers it: this process's own monitor.
class OwnMonitor
{
public:
    virtual ~OwnMonitor() = default;
    virtual CommandTarget &target() = 0;
    // Where the command's results are kept.
    virtual SettingsStore &settings() = 0;
    // Waits for what the command set going on the side (alert deliveries).
    virtual QCoro::Task<void> finish() { co_return; }
};

// What a command falls back on when no running Quelta answers it: this process's own monitor,
// or, where this program cannot load, the program that can, which takes the process over and
// never returns. Null when neither could be had (having said why): the command ends with status 1.
using NoAnswerFallback = std::function<std::unique_ptr<OwnMonitor>()>;

} // namespace quelta
