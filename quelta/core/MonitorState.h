#pragma once

#include "AllowanceStore.h"
#include "RefreshPolicy.h"

#include <optional>

namespace quelta {

// What the monitor knows of the providers, most of which survives a restart.
struct MonitorState {
    // One record per provider, in display order.
    QList<ProviderAllowance> providers;
    ProviderSet enabled;
    // Connected once: only these are loaded.
    ProviderSet authorized;
    // Shown with figures that the last load could not renew.
    ProviderSet stale;
    ClaudeTrackedLimit trackedLimit = ClaudeTrackedLimit::weeklyAllModels;
    ProviderSnapshots snapshots;
    ProviderDates retryDates;
    ProviderDates lastAttemptDates;
    ProviderDates lastSuccessfulAt;
    // The oldest success among the enabled providers.
    std::optional<QDateTime> lastUpdated;

    const ProviderAllowance &record(ProviderID id) const;
    refreshPolicy::RefreshDates datesOf(ProviderID id) const;
    void updateLastUpdated();
};

// The state kept in `settings`, with dates and snapshots that `now` cannot believe left out.
MonitorState restoreMonitorState(const SettingsStore &settings, const QDateTime &now);

} // namespace quelta
