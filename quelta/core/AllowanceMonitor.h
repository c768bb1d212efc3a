#pragma once

#include "MonitorServices.h"
#include "MonitorState.h"
#include "ProviderConnectionAttemptState.h"
#include "ProviderLoadResult.h"
#include "RefreshResult.h"

#include "platform/TaskLifetime.h"

#include <QCoroTask>
#include <QHash>
#include <QObject>
#include <QPointer>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <stop_token>

namespace quelta {

class Clock;
class SettingsStore;

// The one observable store of the application: the three provider records, when each is loaded
// again, the outcome of every load, what survives a restart, and the background refresh loop.
class AllowanceMonitor final : public QObject
{
    Q_OBJECT
public:
    enum class RefreshSource { background, manual, connection, foreground };

    // Loads one provider; throws on failure, normally a ProviderConnectorError. The load ends
    // (OperationCancelled) once the token, the monitor's lifetime, is triggered.
    using ProviderLoader = std::function<QCoro::Task<ProviderAllowance>(ProviderID, ClaudeTrackedLimit, std::stop_token)>;

    struct Services {
        // The real connectors, or a substitute that then also silences the alerts.
        ProviderLoader connectors;
        bool isSubstituteLoader = false;
        UsageAlertSink *alerts = nullptr;
        RefreshAnalytics *analytics = nullptr;
    };

    AllowanceMonitor(SettingsStore &settings, Clock &clock, Services services, QObject *parent = nullptr);
    ~AllowanceMonitor() override;

    // Where the monitor reads "now", for views that judge its figures against the time.
    Clock &clock() const { return m_clock; }

    // Published state.
    const QList<ProviderAllowance> &providers() const { return m_state.providers; }
    const ProviderSet &enabledProviderIDs() const { return m_state.enabled; }
    ClaudeTrackedLimit claudeTrackedLimit() const { return m_state.trackedLimit; }
    std::optional<QDateTime> lastUpdated() const { return m_state.lastUpdated; }
    bool isRefreshing() const { return m_isRefreshing; }
    bool lastRefreshFailed() const { return m_lastRefreshFailed; }
    const QHash<ProviderID, QString> &refreshIssues() const { return m_refreshIssues; }
    const ProviderSet &staleProviderIDs() const { return m_state.stale; }
    bool isShowingManualRefresh() const { return m_isShowingManualRefresh; }
    ProviderConnectionAttemptState connectionAttemptState(ProviderID id) const;
    void setConnectionAttemptState(ProviderID id, ProviderConnectionAttemptState state);
    const ProviderDates &retryDates() const { return m_state.retryDates; }
    const ProviderSet &authorizedProviderIDs() const { return m_state.authorized; }

    void refresh(bool manual);
    // Loads the enabled providers whose figures are older than `olderThan`.
    void refreshStaleProviders(std::chrono::seconds olderThan);
    void beginConnecting(ProviderID id);
    QCoro::Task<bool> connect(ProviderID id);
    void setProvider(ProviderID id, bool enabled);
    void setClaudeTrackedLimit(ClaudeTrackedLimit limit);
    void noteInteraction();
    void scheduleAutomaticRefresh();
    // Cancels the running loop and starts it again, so that a new interval applies.
    void restartAutomaticRefresh();
    bool hasAutomaticRefresh() const { return m_loopStop.has_value(); }
    // The interval the loop would sleep now.
    std::chrono::seconds automaticRefreshInterval() const;

    QList<ProviderAllowance> visibleProviders() const;
    QString statusText() const;

Q_SIGNALS:
    // A provider's record, stale mark, refresh issue or attempt state.
    void providerChanged(ProviderID id);
    // Whether a refresh runs, how the last one went, when the figures were last updated.
    void refreshStateChanged();
    void enabledProvidersChanged();
    // After each of the above: anything a full view shows.
    void changed();

private:
    void startRefresh(const QList<ProviderID> &providerIDs, bool showsManualRefresh, RefreshSource source);
    QCoro::Task<void> load(ProviderID id);
    void handle(ProviderID id, const ProviderLoadResult &result);
    void applyConnected(ProviderID id, const ProviderAllowance &provider, bool wasConnected);
    void applyNeedsConnection(ProviderID id, const ProviderAllowance &provider, bool wasConnected);
    void applyUnsupported(ProviderID id, const ProviderAllowance &provider);
    void applyUnavailable(ProviderID id, const ProviderAllowance &provider);
    void replaceRecord(const ProviderAllowance &provider);
    void clearRetryDate(ProviderID id);
    void dropSnapshot(ProviderID id);
    void persistDates();
    void finishRefresh();
    QCoro::Task<void> runAutomaticRefresh(std::stop_token token);

    SettingsStore &m_settings;
    Clock &m_clock;
    Services m_services;
    MonitorState m_state;
    bool m_isRefreshing = false;
    bool m_lastRefreshFailed = false;
    QHash<ProviderID, QString> m_refreshIssues;
    bool m_isShowingManualRefresh = false;
    QHash<ProviderID, ProviderConnectionAttemptState> m_connectionAttemptStates;

    std::optional<std::stop_source> m_loopStop;
    ProviderSet m_pendingProviderIDs;
    ProviderSet m_successfulProviderIDs;
    ProviderSet m_failedProviderIDs;
    std::optional<QDateTime> m_lastInteractionAt;
    RefreshSource m_refreshSource = RefreshSource::background;
    // Last: cancels the loads before anything they report to is gone.
    TaskLifetime m_lifetime;
};

} // namespace quelta
