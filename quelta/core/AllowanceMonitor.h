#pragma once

#include "MonitorDependencies.h"
#include "MonitorState.h"
#include "RefreshRound.h"
#include "UsageHistory.h"

#include "platform/TaskLifetime.h"

#include <QObject>

#include <chrono>

namespace quelta {

class Clock;
struct ProviderLoadResult;

// The one observable store of the application: a record per account, when each is loaded
// again, the outcome of every load, what survives a restart, and the background refresh loop.
class AllowanceMonitor final : public QObject
{
    Q_OBJECT
public:
    using ProviderLoader = quelta::ProviderLoader;
    using Dependencies = MonitorDependencies;

    AllowanceMonitor(SettingsStore &settings, Clock &clock, Dependencies dependencies, QObject *parent = nullptr);
    ~AllowanceMonitor() override;

    // Where views read "now" to judge the figures against the time.
    Clock &clock() const { return m_clock; }
    const QList<ProviderAllowance> &providers() const { return m_state.providers(); }
    QList<ProviderAllowance> visibleProviders() const { return m_state.visibleProviders(); }
    const AccountSet &enabledProviderIDs() const { return m_state.enabled(); }
    const AccountSet &authorizedProviderIDs() const { return m_state.authorized(); }
    const AccountSet &staleProviderIDs() const { return m_state.stale(); }
    const AccountDates &retryDates() const { return m_state.retryDates(); }
    const QHash<AccountID, QString> &refreshIssues() const { return m_state.refreshIssues(); }
    ClaudeTrackedLimit claudeTrackedLimit() const { return m_state.trackedLimit(); }
    const PanelAllowance &panelAllowance() const { return m_state.panelAllowance(); }
    std::optional<QDateTime> lastUpdated() const { return m_state.lastUpdated(); }
    bool isRefreshing() const { return m_round.isRunning; }
    bool isShowingManualRefresh() const { return m_round.showsManualRefresh; }
    bool lastRefreshFailed() const { return m_round.lastFailed; }
    // Some change is not on the disk: the settings store's last write failed.
    bool lastSaveFailed() const;
    bool isHistoryUnavailable() const { return m_historyUnavailable; }
    // The history kept beside the monitor cannot be written; the status line says so.
    void setHistoryUnavailable(bool unavailable);
    // The record kept beside the monitor, while there is one; it registers and unregisters itself.
    void setUsageHistory(UsageHistory *history) { m_history = history; }
    std::optional<double> recentUsageRate(const ProviderAllowance &provider, const ProviderLimit &limit) const;
    QString statusText() const;
    ProviderConnectionAttemptState connectionAttemptState(const AccountID &id) const { return m_state.attemptState(id); }

    // An attempt to connect runs from beginConnecting to finishConnecting; the monitor's own
    // loads meanwhile, the attempt's load included, leave it running.
    void beginConnecting(const AccountID &id);
    QCoro::Task<bool> connect(AccountID id);
    void finishConnecting(const AccountID &id, bool connected);
    void setProvider(const AccountID &id, bool enabled);
    void setClaudeTrackedLimit(ClaudeTrackedLimit limit);
    void setPanelAllowance(const PanelAllowance &panel);
    // The accounts found now: records for new ones, none for those gone.
    void setAccounts(const QList<AccountID> &accounts);
    void refresh(bool manual);
    void refreshStaleProviders(std::chrono::seconds olderThan);

    void scheduleAutomaticRefresh();
    // Cancels the running loop and starts it again, so that a new interval applies.
    void restartAutomaticRefresh();
    bool hasAutomaticRefresh() const { return m_loopStop.has_value(); }
    std::chrono::seconds automaticRefreshInterval() const;
    void noteInteraction();

Q_SIGNALS:
    // A provider's record, stale mark, refresh issue or attempt state.
    void providerChanged(const AccountID &id);
    // A refresh loaded the account's figures afresh (sent before providerChanged).
    void providerRefreshed(const AccountID &id);
    // Whether a refresh runs, how the last one went, when the figures were last updated, whether
    // they were saved.
    void refreshStateChanged();
    void enabledProvidersChanged();
    void panelAllowanceChanged();
    // After each of the above: anything a full view shows.
    void changed();

private:
    void setConnectionAttemptState(const AccountID &id, ProviderConnectionAttemptState state);
    void startRefresh(const QList<AccountID> &providerIDs, bool showsManualRefresh, RefreshSource source);
    QCoro::Task<void> load(AccountID id);
    void handle(const AccountID &id, const ProviderLoadResult &result);
    void applyConnected(const AccountID &id, const ProviderAllowance &provider);
    void applyNeedsConnection(const AccountID &id, const ProviderAllowance &provider, bool wasConnected);
    void applyUnsupported(const AccountID &id, const ProviderAllowance &provider);
    void applyUnavailable(const AccountID &id, const ProviderAllowance &provider);
    void finishRefresh();
    QCoro::Task<void> runAutomaticRefresh(std::stop_token token);
    void announceSaveOutcome();

    SettingsStore &m_settings;
    Clock &m_clock;
    Dependencies m_dependencies;
    bool m_historyUnavailable = false;
    UsageHistory *m_history = nullptr;
    MonitorState m_state;
    RefreshRound m_round;
    std::optional<std::stop_source> m_loopStop;
    std::optional<QDateTime> m_lastInteractionAt;
    bool m_announcedSaveFailure = false;
    // Last: cancels the loads before anything they report to is gone.
    TaskLifetime m_lifetime;
};

} // namespace quelta
