#pragma once

#include "AllowanceStore.h"
#include "ProviderConnectionAttemptState.h"
#include "RefreshPolicy.h"

#include <QHash>

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
    allowanceStore::ProviderStates lastLoadStates;
    // The oldest success among the enabled providers.
    std::optional<QDateTime> lastUpdated;
    // Why a provider's last load failed, where its service said why.
    QHash<ProviderID, QString> refreshIssues;
    // A provider without an entry counts as idle.
    QHash<ProviderID, ProviderConnectionAttemptState> attempts;

    const ProviderAllowance &record(ProviderID id) const;
    bool isConnected(ProviderID id) const;
    ProviderConnectionAttemptState attemptState(ProviderID id) const;
    // The enabled providers' records, in display order.
    QList<ProviderAllowance> visibleProviders() const;
    // Stores the provider's record as the tracked limit shows it.
    void replaceRecord(const ProviderAllowance &provider);
    void dropSnapshot(ProviderID id);
    refreshPolicy::RefreshDates datesOf(ProviderID id) const;
    void updateLastUpdated();
};

// The state kept in `settings`, with dates and snapshots that `now` cannot believe left out.
MonitorState restoreMonitorState(const SettingsStore &settings, const QDateTime &now);
// Keeps the retry and attempt dates for the next launch and for other Quelta processes.
void persistDates(SettingsStore &settings, const MonitorState &state);

} // namespace quelta
