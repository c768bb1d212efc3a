#pragma once

#include <QCoroTask>

namespace quelta {

class AllowanceMonitor;

// Waits until the monitor has no refresh in flight. Never resumes once the monitor is gone: a
// caller that may outlive it checks its own lifetime, not the monitor's, after the wait.
QCoro::Task<void> waitForRefresh(AllowanceMonitor &monitor);

} // namespace quelta
