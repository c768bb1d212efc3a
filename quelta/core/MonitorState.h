#pragma once

#include "AllowanceStore.h"
#include "ProviderConnectionAttemptState.h"
#include "RefreshPolicy.h"

#include <QHash>

#include <optional>

namespace quelta {

class SettingsStore;

// What the monitor knows of the providers, most of which survives a restart. Every operation
// that changes a remembered part writes it at once, for the next launch and for other Quelta
// processes.
class MonitorState
{
public:
    // The state kept in `settings`, with dates and snapshots that `now` cannot believe left out.
    MonitorState(SettingsStore &settings, const QDateTime &now);

    // One record per provider, in display order.
    const QList<ProviderAllowance> &providers() const { return m_providers; }
    const ProviderSet &enabled() const { return m_enabled; }
    // Connected once: only these are loaded.
    const ProviderSet &authorized() const { return m_authorized; }
    // Shown with figures that the last load could not renew.
    const ProviderSet &stale() const { return m_stale; }
    ClaudeTrackedLimit trackedLimit() const { return m_trackedLimit; }
    const PanelAllowance &panelAllowance() const { return m_panelAllowance; }
    bool hasSnapshots() const { return !m_snapshots.isEmpty(); }
    const ProviderDates &retryDates() const { return m_retryDates; }
    // The oldest success among the enabled providers.
    std::optional<QDateTime> lastUpdated() const { return m_lastUpdated; }
    // Why a provider's last load failed, where its service said why.
    const QHash<ProviderID, QString> &refreshIssues() const { return m_refreshIssues; }

    const ProviderAllowance &record(ProviderID id) const;
    bool isConnected(ProviderID id) const;
    ProviderConnectionAttemptState attemptState(ProviderID id) const;
    // The enabled providers' records, in display order.
    QList<ProviderAllowance> visibleProviders() const;
    refreshPolicy::RefreshDates datesOf(ProviderID id) const;
    void updateLastUpdated();

    void setAttemptState(ProviderID id, ProviderConnectionAttemptState state);
    void setStale(ProviderID id, bool stale);
    void setRefreshIssue(ProviderID id, const std::optional<QString> &issue);
    // Stores the provider's record as the tracked limit shows it.
    void replaceRecord(const ProviderAllowance &provider);
    // Returns false for the last enabled provider, which cannot be turned off.
    bool setEnabled(ProviderID id, bool enabled);
    void authorize(ProviderID id);
    void setTrackedLimit(ClaudeTrackedLimit limit);
    void setPanelAllowance(const PanelAllowance &panel);

    // Returns whether a retry date had passed.
    bool dropPassedRetryDates(const QDateTime &now);
    void noteAttempts(const QList<ProviderID> &ids, const QDateTime &now);
    void setRetryDate(ProviderID id, const QDateTime &retry);
    void clearRetryDate(ProviderID id);
    // Neither a rate limit nor the spacing holds the provider back any more.
    void clearBackoff(ProviderID id);
    void noteLoadState(ProviderID id, ConnectionState state);
    // The record as received, as the figures to show after a restart.
    void keepSnapshot(const ProviderAllowance &provider, const QDateTime &now);
    void dropSnapshot(ProviderID id);

private:
    ProviderAllowance restoredRecord(ProviderID id, const QDateTime &now) const;
    void persistDates();

    SettingsStore &m_settings;
    QList<ProviderAllowance> m_providers;
    ProviderSet m_enabled;
    ProviderSet m_authorized;
    ProviderSet m_stale;
    ClaudeTrackedLimit m_trackedLimit = ClaudeTrackedLimit::weeklyAllModels;
    PanelAllowance m_panelAllowance;
    ProviderSnapshots m_snapshots;
    ProviderDates m_retryDates;
    ProviderDates m_lastAttemptDates;
    ProviderDates m_lastSuccessfulAt;
    allowanceStore::ProviderStates m_lastLoadStates;
    std::optional<QDateTime> m_lastUpdated;
    QHash<ProviderID, QString> m_refreshIssues;
    // A provider without an entry counts as idle.
    QHash<ProviderID, ProviderConnectionAttemptState> m_attempts;
};

} // namespace quelta
