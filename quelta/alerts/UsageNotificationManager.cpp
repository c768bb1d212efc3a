#include "UsageNotificationManager.h"

#include "AlertMetric.h"
#include "AlertRules.h"
#include "AlertsLogging.h"

#include "platform/Clock.h"
#include "platform/DetachedTask.h"
#include "platform/SettingsStore.h"

#include <QPointer>

namespace quelta {

UsageNotificationManager::UsageNotificationManager(SettingsStore &settings, Clock &clock, NotificationCenter &center,
                                                   QObject *parent)
    : QObject(parent)
    , m_clock(clock)
    , m_center(center)
    , m_alertSettings(settings)
    , m_memory(settings)
    , m_delivery(center, m_memory, clock)
{
    connect(&m_delivery, &AlertDelivery::deliveryStatusChanged, this, &UsageNotificationManager::deliveryStatusChanged);
    connect(&m_center, &NotificationCenter::serviceChanged, this,
            [this] { startDetached(refreshAuthorizationStatus(), lcAlerts, "reading the permission"); });
}

UsageNotificationManager::~UsageNotificationManager() = default;

void UsageNotificationManager::configure(std::function<void()> openQuelta)
{
    m_delivery.configure(std::move(openQuelta));
    startDetached(refreshAuthorizationStatus(), lcAlerts, "reading the permission");
}

void UsageNotificationManager::recordUsage(const ProviderAllowance &provider)
{
    if (provider.connectionState != ConnectionState::connected)
        return;
    if (m_delivery.isUnattended()) {
        startDetached(recordUsageUnattended(provider, m_clock.now()), lcAlerts, "recording usage");
        return;
    }
    if (notificationsEnabled() && authorizationStatus() == AuthorizationStatus::notDetermined) {
        startDetached(recordUsageAfterRereadingStatus(provider, m_clock.now()), lcAlerts, "recording usage");
        return;
    }
    for (const UsageAlert &alert : applyUsage(provider, m_clock.now()))
        deliver(alert);
}

QCoro::Task<void> UsageNotificationManager::recordUsageAfterRereadingStatus(ProviderAllowance provider, QDateTime now)
{
    QPointer<UsageNotificationManager> self(this);
    co_await refreshAuthorizationStatus();
    if (!self)
        co_return;
    for (const UsageAlert &alert : applyUsage(provider, now))
        deliver(alert);
}

QCoro::Task<void> UsageNotificationManager::recordUsageUnattended(ProviderAllowance provider, QDateTime now)
{
    QPointer<UsageNotificationManager> self(this);
    AlertDelivery::Pending pending(m_delivery);
    if (notificationsEnabled() && authorizationStatus() == AuthorizationStatus::notDetermined) {
        co_await refreshAuthorizationStatus();
        if (!self)
            co_return;
    }
    // The history to go back to for this provider when an alert cannot be posted.
    const AlertHistory before = m_memory.history();
    bool posted = true;
    for (const UsageAlert &alert : applyUsage(provider, now)) {
        const bool delivered = co_await m_delivery.post(alert);
        if (!self)
            co_return;
        posted = posted && delivered;
    }
    if (posted)
        co_return;
    QSet<QString> keys;
    for (const AlertMetric &metric : alertMetrics(provider))
        keys.insert(metric.key);
    m_memory.restoreMetrics(keys, before);
}

QList<UsageAlert> UsageNotificationManager::applyUsage(const ProviderAllowance &provider, const QDateTime &now)
{
    UsageEvaluation evaluation =
        evaluateUsage(provider, m_memory.history(), m_alertSettings.kinds(), canDeliver(accountOf(provider), now), now);
    m_memory.setHistory(std::move(evaluation.history));
    return evaluation.alerts;
}

void UsageNotificationManager::providerDidDisconnect(const ProviderAllowance &provider)
{
    if (disconnectedAlertsEnabled() && canDeliver(accountOf(provider), m_clock.now()))
        deliver(disconnectedAlert(provider));
}

void UsageNotificationManager::setNotificationsEnabled(bool enabled)
{
    const QUuid request = m_alertSettings.switchNotifications(enabled);
    Q_EMIT alertSettingsChanged();
    if (enabled) {
        startDetached(requestPermission(request), lcAlerts, "asking for permission");
        return;
    }
    Q_EMIT refreshLoopRestartRequested();
}

void UsageNotificationManager::setRapidUsageEnabled(bool enabled)
{
    m_alertSettings.setRapidUsageEnabled(enabled);
    Q_EMIT alertSettingsChanged();
    Q_EMIT refreshLoopRestartRequested();
}

void UsageNotificationManager::setLowAllowanceEnabled(bool enabled)
{
    m_alertSettings.setLowAllowanceEnabled(enabled);
    Q_EMIT alertSettingsChanged();
}

void UsageNotificationManager::setResetAlertsEnabled(bool enabled)
{
    m_alertSettings.setResetAlertsEnabled(enabled);
    Q_EMIT alertSettingsChanged();
}

void UsageNotificationManager::setDisconnectedAlertsEnabled(bool enabled)
{
    m_alertSettings.setDisconnectedAlertsEnabled(enabled);
    Q_EMIT alertSettingsChanged();
}

QCoro::Task<void> UsageNotificationManager::requestPermission(QUuid requestID)
{
    QPointer<UsageNotificationManager> self(this);
    const bool granted = co_await m_center.requestAuthorization();
    if (!self)
        co_return;
    co_await refreshAuthorizationStatus();
    if (!self || !m_alertSettings.isCurrentPermissionRequest(requestID))
        co_return;
    m_alertSettings.settlePermission(granted);
    Q_EMIT alertSettingsChanged();
    Q_EMIT refreshLoopRestartRequested();
}

QCoro::Task<void> UsageNotificationManager::refreshAuthorizationStatus()
{
    QPointer<UsageNotificationManager> self(this);
    const NotificationCenter::Settings settings = co_await m_center.notificationSettings();
    if (!self)
        co_return;
    if (m_alertSettings.applyDesktopSettings(settings))
        Q_EMIT alertSettingsChanged();
    Q_EMIT deliveryStatusChanged();
}

bool UsageNotificationManager::canDeliver(const AccountID &account, const QDateTime &now) const
{
    return m_alertSettings.permitsDelivery() && !m_memory.isSnoozed(account, now);
}

void UsageNotificationManager::deliver(const UsageAlert &alert)
{
    if (!notificationsEnabled())
        return;
    m_delivery.deliver(alert);
}

void UsageNotificationManager::openNotificationSettings()
{
    m_center.openSettings();
}

} // namespace quelta
