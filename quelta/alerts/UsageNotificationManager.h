#pragma once

#include "AlertMetric.h"
#include "UsageAlertData.h"

#include "core/MonitorDependencies.h"
#include "platform/NotificationCenter.h"

#include <QObject>
#include <QUuid>

#include <functional>
#include <optional>

namespace quelta {

class Clock;
class SettingsStore;

// Watches every refreshed provider, decides when a usage alert is due, and posts it as a
// desktop notification, within the user's alert settings. One per process.
class UsageNotificationManager final : public QObject, public UsageAlertSink
{
    Q_OBJECT
public:
    using AuthorizationStatus = NotificationCenter::AuthorizationStatus;

    static constexpr const char *enabledKey = "usageNotifications.enabled.v1";
    static constexpr const char *rapidUsageKey = "usageNotifications.rapidUsage.v1";
    static constexpr const char *lowAllowanceKey = "usageNotifications.lowAllowance.v1";
    static constexpr const char *resetAlertsKey = "usageNotifications.resetAlerts.v1";
    static constexpr const char *disconnectedAlertsKey = "usageNotifications.disconnectedAlerts.v1";
    static constexpr const char *samplesKey = "usageNotifications.samples.v1";
    static constexpr const char *metricStatesKey = "usageNotifications.metricStates.v1";
    static constexpr const char *snoozesKey = "usageNotifications.snoozes.v1";

    static constexpr const char *categoryIdentifier = "QUELTA_USAGE_ALERT";
    static constexpr const char *openActionIdentifier = "QUELTA_OPEN";
    static constexpr const char *snoozeActionIdentifier = "QUELTA_SNOOZE_ONE_HOUR";

    UsageNotificationManager(SettingsStore &settings, Clock &clock, NotificationCenter &center, QObject *parent = nullptr);
    ~UsageNotificationManager() override;

    // Once at launch of the tray app: the open callback, the category, and a first read of the
    // permission.
    void configure(std::function<void()> openQuelta);
    // Once in a command run without the tray app, where nobody stays to answer an action: alerts
    // go out without actions, usage is weighed only once the permission is known, and an alert
    // that could not be posted stays due for the next run.
    void configureUnattended();
    // Returns once every evaluation and post under way has been answered.
    QCoro::Task<void> finishDeliveries();

    // The rule half.
    void recordUsage(const ProviderAllowance &provider) override;
    void providerDidDisconnect(const ProviderAllowance &provider) override;
    bool wantsFrequentRefresh() const override { return m_notificationsEnabled && m_rapidUsageEnabled; }

    // Settings.
    bool notificationsEnabled() const { return m_notificationsEnabled; }
    void setNotificationsEnabled(bool enabled);
    bool rapidUsageEnabled() const { return m_rapidUsageEnabled; }
    void setRapidUsageEnabled(bool enabled);
    bool lowAllowanceEnabled() const { return m_lowAllowanceEnabled; }
    void setLowAllowanceEnabled(bool enabled);
    bool resetAlertsEnabled() const { return m_resetAlertsEnabled; }
    void setResetAlertsEnabled(bool enabled);
    bool disconnectedAlertsEnabled() const { return m_disconnectedAlertsEnabled; }
    void setDisconnectedAlertsEnabled(bool enabled);

    // Permission and delivery.
    AuthorizationStatus authorizationStatus() const { return m_authorizationStatus; }
    bool alertPresentationEnabled() const { return m_alertPresentationEnabled; }
    std::optional<QString> lastDeliveryError() const { return m_lastDeliveryError; }
    bool alertsBlockedBySystem() const;
    QCoro::Task<void> refreshAuthorizationStatus();
    bool canDeliver(ProviderID provider, const QDateTime &now) const;
    void deliver(const UsageAlert &alert);
    void snooze(const QString &providerRawID);
    void persistAlertData();
    void openNotificationSettings();

    const QList<UsageSample> &samples() const { return m_samples; }
    const MetricStates &metricStates() const { return m_metricStates; }
    const Snoozes &snoozedUntil() const { return m_snoozedUntil; }

Q_SIGNALS:
    // Whether alerts are on, and which kinds.
    void alertSettingsChanged();
    // What the desktop allows, and whether the last alert could be delivered.
    void deliveryStatusChanged();
    // Nothing is being evaluated or posted any more.
    void deliveriesFinished();
    // The monitor's automatic refresh depends on the alert settings; its owner restarts it.
    void refreshLoopRestartRequested();

private:
    // Counts a delivery under way for as long as it lives.
    class PendingDelivery;

    QCoro::Task<void> recordUsageAfterRereadingStatus(ProviderAllowance provider, QDateTime now);
    QCoro::Task<void> recordUsageUnattended(ProviderAllowance provider, QDateTime now);
    QCoro::Task<void> postAlert(UsageAlert alert);
    // The alerts due; the new state is kept and stored.
    QList<UsageAlert> applyUsage(const ProviderAllowance &provider, const QDateTime &now);
    void evaluate(const AlertMetric &metric, const QDateTime &now, QList<UsageAlert> &due);
    void evaluateRapidUsage(const AlertMetric &metric, MetricState &state, const QDateTime &now, bool alertedAlready,
                            QList<UsageAlert> &due);
    NotificationCenter::Request requestFor(const UsageAlert &alert) const;
    void setKindSetting(bool &field, const char *key, bool enabled);
    void loadAlertData();
    QCoro::Task<void> requestPermission(QUuid requestID);
    // False when the post failed; the error is kept for the settings.
    QCoro::Task<bool> post(NotificationCenter::Request request);
    void onResponse(const QString &requestIdentifier, const QString &action, const QVariantMap &userInfo);

    SettingsStore &m_settings;
    Clock &m_clock;
    NotificationCenter &m_center;

    bool m_notificationsEnabled = false;
    bool m_rapidUsageEnabled = true;
    bool m_lowAllowanceEnabled = true;
    bool m_resetAlertsEnabled = true;
    bool m_disconnectedAlertsEnabled = true;
    AuthorizationStatus m_authorizationStatus = AuthorizationStatus::notDetermined;
    bool m_alertPresentationEnabled = true;
    std::optional<QString> m_lastDeliveryError;

    QUuid m_permissionRequestID;
    std::function<void()> m_openQuelta;
    bool m_unattended = false;
    int m_pendingDeliveries = 0;
    QList<UsageSample> m_samples;
    MetricStates m_metricStates;
    Snoozes m_snoozedUntil;
};

} // namespace quelta
