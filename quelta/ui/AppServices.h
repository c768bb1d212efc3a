#pragma once

#include <memory>

namespace quelta {

class AllowanceMonitor;
class AnalyticsManager;
class UsageNotificationManager;

// Wires the shared instances together: the monitor with the real connectors, the alerts and
// analytics. Created on first use.
class AppServices
{
public:
    static AppServices &shared();

    AllowanceMonitor &monitor();
    UsageNotificationManager &alerts();
    AnalyticsManager &analytics();

private:
    AppServices() = default;
    std::unique_ptr<AllowanceMonitor> m_monitor;
};

} // namespace quelta
