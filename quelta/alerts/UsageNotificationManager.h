#pragma once

#include "AlertDelivery.h"
#include "AlertMemory.h"
#include "AlertSettings.h"

#include "core/MonitorDependencies.h"
#include "platform/NotificationCenter.h"

#include <QObject>

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

    static constexpr const char *enabledKey = AlertSettings::enabledKey;
    static constexpr const char *rapidUsageKey = AlertSettings::rapidUsageKey;
    static constexpr const char *lowAllowanceKey = AlertSettings::lowAllowanceKey;
    static constexpr const char *resetAlertsKey = AlertSettings::resetAlertsKey;
    static constexpr const char *disconnectedAlertsKey = AlertSettings::disconnectedAlertsKey;
    static constexpr const char *samplesKey = AlertMemory::samplesKey;
    static constexpr const char *metricStatesKey = AlertMemory::metricStatesKey;
    static constexpr const char *snoozesKey = AlertMemory::snoozesKey;

    UsageNotificationManager(SettingsStore &settings, Clock &clock, NotificationCenter &center, QObject *parent = nullptr);
    ~UsageNotificationManager() override;

    // Once at launch of the tray app: the open callback, the category, and a first read of the
    // permission.
    void configure(std::function<void()> openQuelta);
    // Once in a command run without the tray app, where nobody stays to answer an action: alerts
    // go out without actions, usage is weighed only once the permission is known, and an alert
    // that could not be posted stays due for the next run.
    void configureUnattended() { m_delivery.configureUnattended(); }
    // Returns once every evaluation and post under way has been answered.
    QCoro::Task<void> finishDeliveries() { return m_delivery.finishDeliveries(); }

    // The rule half.
    void recordUsage(const ProviderAllowance &provider) override;
    void providerDidDisconnect(const ProviderAllowance &provider) override;
    bool wantsFrequentRefresh() const override { return m_alertSettings.wantsFrequentRefresh(); }

    // Settings.
    bool notificationsEnabled() const { return m_alertSettings.notificationsEnabled(); }
    void setNotificationsEnabled(bool enabled);
    bool rapidUsageEnabled() const { return m_alertSettings.kinds().rapidUsage; }
    void setRapidUsageEnabled(bool enabled);
    bool lowAllowanceEnabled() const { return m_alertSettings.kinds().lowAllowance; }
    void setLowAllowanceEnabled(bool enabled);
    bool resetAlertsEnabled() const { return m_alertSettings.kinds().resetAlerts; }
    void setResetAlertsEnabled(bool enabled);
    bool disconnectedAlertsEnabled() const { return m_alertSettings.kinds().disconnectedAlerts; }
    void setDisconnectedAlertsEnabled(bool enabled);

    // Permission and delivery.
    AuthorizationStatus authorizationStatus() const { return m_alertSettings.authorizationStatus(); }
    bool alertPresentationEnabled() const { return m_alertSettings.alertPresentationEnabled(); }
    std::optional<QString> lastDeliveryError() const { return m_delivery.lastDeliveryError(); }
    bool alertsBlockedBySystem() const { return m_alertSettings.alertsBlockedBySystem(); }
    QCoro::Task<void> refreshAuthorizationStatus();
    bool canDeliver(const AccountID &account, const QDateTime &now) const;
    void deliver(const UsageAlert &alert);
    void snooze(const QString &accountRawID) { m_delivery.snooze(accountRawID); }
    void openNotificationSettings();

    const QList<UsageSample> &samples() const { return m_memory.history().samples; }
    const MetricStates &metricStates() const { return m_memory.history().metricStates; }
    const Snoozes &snoozedUntil() const { return m_memory.snoozedUntil(); }

Q_SIGNALS:
    // Whether alerts are on, and which kinds.
    void alertSettingsChanged();
    // What the desktop allows, and whether the last alert could be delivered.
    void deliveryStatusChanged();
    // The monitor's automatic refresh depends on the alert settings; its owner restarts it.
    void refreshLoopRestartRequested();

private:
    QCoro::Task<void> recordUsageAfterRereadingStatus(ProviderAllowance provider, QDateTime now);
    QCoro::Task<void> recordUsageUnattended(ProviderAllowance provider, QDateTime now);
    // The alerts due; the new history is kept and stored.
    QList<UsageAlert> applyUsage(const ProviderAllowance &provider, const QDateTime &now);
    QCoro::Task<void> requestPermission(QUuid requestID);

    Clock &m_clock;
    NotificationCenter &m_center;
    AlertSettings m_alertSettings;
    AlertMemory m_memory;
    AlertDelivery m_delivery;
};

} // namespace quelta
