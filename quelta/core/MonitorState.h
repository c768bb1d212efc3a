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
    // The state of `accounts` kept in `settings`, with dates and snapshots that `now` cannot
    // believe left out.
    MonitorState(SettingsStore &settings, const QDateTime &now, const QList<AccountID> &accounts);

    // One record per known account, in display order.
    const QList<ProviderAllowance> &providers() const { return m_providers; }
    const AccountSet &enabled() const { return m_enabled; }
    // Connected once: only these are loaded.
    const AccountSet &authorized() const { return m_authorized; }
    // Shown with figures that the last load could not renew.
    const AccountSet &stale() const { return m_stale; }
    ClaudeTrackedLimit trackedLimit() const { return m_trackedLimit; }
    const PanelAllowance &panelAllowance() const { return m_panelAllowance; }
    bool hasSnapshots() const { return !m_snapshots.isEmpty(); }
    const AccountDates &retryDates() const { return m_retryDates; }
    // The oldest success among the enabled providers.
    std::optional<QDateTime> lastUpdated() const { return m_lastUpdated; }
    // Why a provider's last load failed, where its service said why.
    const QHash<AccountID, QString> &refreshIssues() const { return m_refreshIssues; }

    const ProviderAllowance &record(const AccountID &id) const;
    bool isConnected(const AccountID &id) const;
    ProviderConnectionAttemptState attemptState(const AccountID &id) const;
    // The enabled accounts' records, in display order.
    QList<ProviderAllowance> visibleProviders() const;
    bool isKnown(const AccountID &id) const;
    // Records for accounts newly known, none for those gone; the state kept of either stays.
    void setAccounts(const QList<AccountID> &accounts, const QDateTime &now);
    refreshPolicy::RefreshDates datesOf(const AccountID &id) const;
    void updateLastUpdated();

    void setAttemptState(const AccountID &id, ProviderConnectionAttemptState state);
    void setStale(const AccountID &id, bool stale);
    void setRefreshIssue(const AccountID &id, const std::optional<QString> &issue);
    // Stores the provider's record as the tracked limit shows it.
    void replaceRecord(const ProviderAllowance &provider);
    // Returns false for the last enabled provider, which cannot be turned off.
    bool setEnabled(const AccountID &id, bool enabled);
    void authorize(const AccountID &id);
    void setTrackedLimit(ClaudeTrackedLimit limit);
    void setPanelAllowance(const PanelAllowance &panel);

    // Returns whether a retry date had passed.
    bool dropPassedRetryDates(const QDateTime &now);
    void noteAttempts(const QList<AccountID> &ids, const QDateTime &now);
    void setRetryDate(const AccountID &id, const QDateTime &retry);
    void clearRetryDate(const AccountID &id);
    // Neither a rate limit nor the spacing holds the provider back any more.
    void clearBackoff(const AccountID &id);
    void noteLoadState(const AccountID &id, ConnectionState state);
    // The record as received, as the figures to show after a restart.
    void keepSnapshot(const ProviderAllowance &provider, const QDateTime &now);
    void dropSnapshot(const AccountID &id);

private:
    ProviderAllowance restoredRecord(const AccountID &id, const QDateTime &now) const;
    // What shows without figures: the provider's placeholders, not yet named for the account.
    ProviderAllowance placeholderRecord(const AccountID &id, const QDateTime &now) const;
    void restoreSnapshot(const AccountID &id, const CachedProviderSnapshot &snapshot);
    void persistDates();
    void storeSnapshot(const AccountID &id, const std::optional<CachedProviderSnapshot> &snapshot);

    SettingsStore &m_settings;
    QList<ProviderAllowance> m_providers;
    AccountSet m_enabled;
    AccountSet m_authorized;
    AccountSet m_stale;
    ClaudeTrackedLimit m_trackedLimit = ClaudeTrackedLimit::weeklyAllModels;
    PanelAllowance m_panelAllowance;
    AccountSnapshots m_snapshots;
    // Kept from the settings for accounts not known yet, until they are.
    AccountSnapshots m_storedSnapshots;
    AccountDates m_retryDates;
    AccountDates m_lastAttemptDates;
    AccountDates m_lastSuccessfulAt;
    allowanceStore::AccountStates m_lastLoadStates;
    std::optional<QDateTime> m_lastUpdated;
    QHash<AccountID, QString> m_refreshIssues;
    // A provider without an entry counts as idle.
    QHash<AccountID, ProviderConnectionAttemptState> m_attempts;
};

} // namespace quelta
