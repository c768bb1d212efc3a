#include "AppServices.h"

#include "alerts/UsageNotificationManager.h"
#include "analytics/AnalyticsManager.h"
#include "connectors/ProviderConnectors.h"
#include "core/AllowanceMonitor.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"

#include <QObject>

namespace quelta {

AppServices &AppServices::shared()
{
    static auto *services = new AppServices;
    return *services;
}

UsageNotificationManager &AppServices::alerts()
{
    return UsageNotificationManager::shared();
}

AnalyticsManager &AppServices::analytics()
{
    return AnalyticsManager::shared();
}

AllowanceMonitor &AppServices::monitor()
{
    if (m_monitor)
        return *m_monitor;
    AllowanceMonitor::Services services;
    services.connectors = ProviderConnectors::standard().loader();
    services.alerts = &alerts();
    services.analytics = &analytics();
    m_monitor = std::make_unique<AllowanceMonitor>(SettingsStore::standard(), Clock::system(), services);
    AllowanceMonitor *monitor = m_monitor.get();
    QObject::connect(&alerts(), &UsageNotificationManager::refreshLoopRestartRequested, monitor, [monitor] {
        if (monitor->hasAutomaticRefresh())
            monitor->restartAutomaticRefresh();
    });
    return *m_monitor;
}

} // namespace quelta
