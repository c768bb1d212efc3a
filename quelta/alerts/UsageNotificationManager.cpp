#include "UsageNotificationManager.h"

#include "AlertRules.h"
#include "AlertsLogging.h"

#include "platform/Clock.h"
#include "platform/DetachedTask.h"
#include "platform/SettingsStore.h"

#include <QCoroSignal>
#include <QPointer>

#include <algorithm>
#include <iterator>
#include <utility>

namespace quelta {

namespace {

constexpr qint64 historyMilliseconds = 7'200'000;
constexpr qint64 recentMilliseconds = 1'800'000;
constexpr qint64 snoozeSeconds = 3600;

const QString deliveryErrorText = QStringLiteral("Quelta couldn’t deliver alerts. Check Notifications in System Settings.");

bool allowsDelivery(NotificationCenter::AuthorizationStatus status)
{
    using Status = NotificationCenter::AuthorizationStatus;
    return status == Status::authorized || status == Status::provisional || status == Status::ephemeral;
}

// In milliseconds: whole seconds would keep a sample 7,200.5 s old.
qint64 ageOf(const QDateTime &timestamp, const QDateTime &now)
{
    return timestamp.msecsTo(now);
}

} // namespace

class UsageNotificationManager::PendingDelivery
{
public:
    explicit PendingDelivery(UsageNotificationManager &manager)
        : m_manager(&manager)
    {
        ++manager.m_pendingDeliveries;
    }
    ~PendingDelivery()
    {
        if (m_manager && --m_manager->m_pendingDeliveries == 0)
            Q_EMIT m_manager->deliveriesFinished();
    }
    PendingDelivery(const PendingDelivery &) = delete;
    PendingDelivery &operator=(const PendingDelivery &) = delete;

private:
    QPointer<UsageNotificationManager> m_manager;
};

UsageNotificationManager::UsageNotificationManager(SettingsStore &settings, Clock &clock, NotificationCenter &center,
                                                   QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_clock(clock)
    , m_center(center)
    , m_permissionRequestID(QUuid::createUuid())
{
    m_notificationsEnabled = m_settings.boolValue(QLatin1String(enabledKey)).value_or(false);
    // A kind counts as set when anything at all is stored under its key.
    const auto kind = [this](const char *key) {
        return !m_settings.contains(QLatin1String(key)) || m_settings.boolValue(QLatin1String(key)).value_or(false);
    };
    m_rapidUsageEnabled = kind(rapidUsageKey);
    m_lowAllowanceEnabled = kind(lowAllowanceKey);
    m_resetAlertsEnabled = kind(resetAlertsKey);
    m_disconnectedAlertsEnabled = kind(disconnectedAlertsKey);
    loadAlertData();
    connect(&m_center, &NotificationCenter::responseReceived, this, &UsageNotificationManager::onResponse);
    connect(&m_center, &NotificationCenter::serviceChanged, this,
            [this] { startDetached(refreshAuthorizationStatus(), lcAlerts, "reading the permission"); });
}

UsageNotificationManager::~UsageNotificationManager() = default;

void UsageNotificationManager::loadAlertData()
{
    if (const std::optional<QByteArray> data = m_settings.dataValue(QLatin1String(samplesKey)))
        m_samples = decodeSamples(*data).value_or(QList<UsageSample>{});
    if (const std::optional<QByteArray> data = m_settings.dataValue(QLatin1String(metricStatesKey)))
        m_metricStates = decodeMetricStates(*data).value_or(MetricStates{});
    if (const std::optional<QByteArray> data = m_settings.dataValue(QLatin1String(snoozesKey)))
        m_snoozedUntil = decodeSnoozes(*data).value_or(Snoozes{});
}

void UsageNotificationManager::configure(std::function<void()> openQuelta)
{
    m_openQuelta = std::move(openQuelta);
    m_center.setCategory(QLatin1String(categoryIdentifier),
                         {{QLatin1String(openActionIdentifier), QStringLiteral("Open Quelta")},
                          {QLatin1String(snoozeActionIdentifier), QStringLiteral("Snooze 1h")}});
    startDetached(refreshAuthorizationStatus(), lcAlerts, "reading the permission");
}

void UsageNotificationManager::configureUnattended()
{
    m_unattended = true;
}

QCoro::Task<void> UsageNotificationManager::finishDeliveries()
{
    QPointer<UsageNotificationManager> self(this);
    while (self && m_pendingDeliveries > 0)
        co_await qCoro(this, &UsageNotificationManager::deliveriesFinished);
}

void UsageNotificationManager::recordUsage(const ProviderAllowance &provider)
{
    if (provider.connectionState != ConnectionState::connected)
        return;
    if (m_unattended) {
        startDetached(recordUsageUnattended(provider, m_clock.now()), lcAlerts, "recording usage");
        return;
    }
    if (m_notificationsEnabled && m_authorizationStatus == AuthorizationStatus::notDetermined) {
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
    PendingDelivery pending(*this);
    if (m_notificationsEnabled && m_authorizationStatus == AuthorizationStatus::notDetermined) {
        co_await refreshAuthorizationStatus();
        if (!self)
            co_return;
    }
    // The provider's part of the history, to go back to when an alert cannot be posted.
    QSet<QString> keys;
    for (const AlertMetric &metric : alertMetrics(provider))
        keys.insert(metric.key);
    QList<UsageSample> samplesBefore;
    std::copy_if(m_samples.cbegin(), m_samples.cend(), std::back_inserter(samplesBefore),
                 [&](const UsageSample &sample) { return keys.contains(sample.metricKey); });
    MetricStates statesBefore;
    for (const QString &key : keys) {
        if (m_metricStates.contains(key))
            statesBefore.insert(key, m_metricStates.value(key));
    }

    bool posted = true;
    for (const UsageAlert &alert : applyUsage(provider, now)) {
        const bool delivered = co_await post(requestFor(alert));
        if (!self)
            co_return;
        posted = posted && delivered;
    }
    if (posted)
        co_return;
    m_samples.erase(std::remove_if(m_samples.begin(), m_samples.end(),
                                   [&](const UsageSample &sample) { return keys.contains(sample.metricKey); }),
                    m_samples.end());
    m_samples.append(samplesBefore);
    for (const QString &key : keys)
        m_metricStates.remove(key);
    m_metricStates.insert(statesBefore);
    persistAlertData();
}

QList<UsageAlert> UsageNotificationManager::applyUsage(const ProviderAllowance &provider, const QDateTime &now)
{
    const QList<AlertMetric> metrics = alertMetrics(provider);
    m_samples.erase(std::remove_if(m_samples.begin(), m_samples.end(),
                                   [&](const UsageSample &sample) { return ageOf(sample.timestamp, now) > historyMilliseconds; }),
                    m_samples.end());
    QList<UsageAlert> due;
    for (const AlertMetric &metric : metrics) {
        evaluate(metric, now, due);
        m_samples.append(UsageSample{metric.key, metric.remaining, now});
    }
    persistAlertData();
    return due;
}

void UsageNotificationManager::evaluate(const AlertMetric &metric, const QDateTime &now, QList<UsageAlert> &due)
{
    MetricState state = m_metricStates.value(metric.key);
    const std::optional<int> previous = state.lastRemaining;

    if (hasReset(metric, state)) {
        state.deliveredLowThresholds.clear();
        state.lastRapidAlertAt.reset();
        state.consecutiveRiskChecks = 0;
        state.consecutiveRecoveryChecks = 0;
        state.deliveredPaceAlert = false;
        if (m_resetAlertsEnabled && canDeliver(metric.providerID, now))
            due.append(resetAlert(metric));
    } else {
        bool alerted = false;
        if (m_lowAllowanceEnabled && canDeliver(metric.providerID, now)) {
            if (const std::optional<int> threshold = lowAllowanceThreshold(previous, metric.remaining, state.deliveredLowThresholds)) {
                due.append(lowAllowanceAlert(metric, *threshold));
                state.deliveredLowThresholds.insert(*threshold);
                if (*threshold == 10)
                    state.deliveredLowThresholds.insert(25);
                alerted = true;
            }
        }
        if (m_rapidUsageEnabled)
            evaluateRapidUsage(metric, state, now, alerted, due);
    }

    state.lastRemaining = metric.remaining;
    state.lastResetAt = metric.resetsAt;
    m_metricStates.insert(metric.key, state);
}

void UsageNotificationManager::evaluateRapidUsage(const AlertMetric &metric, MetricState &state, const QDateTime &now,
                                                  bool alertedAlready, QList<UsageAlert> &due)
{
    const UsageSample *oldest = nullptr;
    for (const UsageSample &sample : m_samples) {
        if (sample.metricKey != metric.key || ageOf(sample.timestamp, now) > recentMilliseconds)
            continue;
        if (!oldest || sample.timestamp < oldest->timestamp)
            oldest = &sample;
    }
    const int drop = oldest ? std::max(oldest->remaining - metric.remaining, 0) : 0;
    const std::optional<PaceProjection> projection = paceProjection(metric, now);
    const bool atRisk = projection ? projection->isAtRisk : drop >= 10;

    if (!atRisk) {
        state.consecutiveRiskChecks = 0;
        state.consecutiveRecoveryChecks = state.consecutiveRecoveryChecks.value_or(0) + 1;
        if (*state.consecutiveRecoveryChecks >= 2)
            state.deliveredPaceAlert = false;
        return;
    }
    state.consecutiveRiskChecks = state.consecutiveRiskChecks.value_or(0) + 1;
    state.consecutiveRecoveryChecks = 0;
    if (*state.consecutiveRiskChecks < 2 || alertedAlready || state.deliveredPaceAlert.value_or(false)
        || !canDeliver(metric.providerID, now))
        return;
    due.append(rapidUsageAlert(metric, drop, projection));
    state.deliveredPaceAlert = true;
    state.lastRapidAlertAt = now;
}

void UsageNotificationManager::providerDidDisconnect(const ProviderAllowance &provider)
{
    const QDateTime now = m_clock.now();
    if (m_disconnectedAlertsEnabled && canDeliver(provider.id, now))
        deliver(disconnectedAlert(provider));
}

void UsageNotificationManager::setNotificationsEnabled(bool enabled)
{
    m_permissionRequestID = QUuid::createUuid();
    m_notificationsEnabled = enabled;
    Q_EMIT alertSettingsChanged();
    if (enabled) {
        startDetached(requestPermission(m_permissionRequestID), lcAlerts, "asking for permission");
        return;
    }
    m_settings.setBool(QLatin1String(enabledKey), false);
    Q_EMIT refreshLoopRestartRequested();
}

void UsageNotificationManager::setKindSetting(bool &field, const char *key, bool enabled)
{
    field = enabled;
    m_settings.setBool(QLatin1String(key), enabled);
    Q_EMIT alertSettingsChanged();
}

void UsageNotificationManager::setRapidUsageEnabled(bool enabled)
{
    setKindSetting(m_rapidUsageEnabled, rapidUsageKey, enabled);
    Q_EMIT refreshLoopRestartRequested();
}

void UsageNotificationManager::setLowAllowanceEnabled(bool enabled)
{
    setKindSetting(m_lowAllowanceEnabled, lowAllowanceKey, enabled);
}

void UsageNotificationManager::setResetAlertsEnabled(bool enabled)
{
    setKindSetting(m_resetAlertsEnabled, resetAlertsKey, enabled);
}

void UsageNotificationManager::setDisconnectedAlertsEnabled(bool enabled)
{
    setKindSetting(m_disconnectedAlertsEnabled, disconnectedAlertsKey, enabled);
}

QCoro::Task<void> UsageNotificationManager::requestPermission(QUuid requestID)
{
    QPointer<UsageNotificationManager> self(this);
    const bool granted = co_await m_center.requestAuthorization();
    if (!self)
        co_return;
    co_await refreshAuthorizationStatus();
    if (!self || m_permissionRequestID != requestID)
        co_return;
    m_notificationsEnabled = granted || allowsDelivery(m_authorizationStatus);
    m_settings.setBool(QLatin1String(enabledKey), m_notificationsEnabled);
    Q_EMIT alertSettingsChanged();
    Q_EMIT refreshLoopRestartRequested();
}

QCoro::Task<void> UsageNotificationManager::refreshAuthorizationStatus()
{
    QPointer<UsageNotificationManager> self(this);
    const NotificationCenter::Settings settings = co_await m_center.notificationSettings();
    if (!self)
        co_return;
    m_authorizationStatus = settings.authorizationStatus;
    m_alertPresentationEnabled = settings.alertsEnabled;
    if (m_authorizationStatus == AuthorizationStatus::denied) {
        const bool wasEnabled = std::exchange(m_notificationsEnabled, false);
        m_settings.setBool(QLatin1String(enabledKey), false);
        if (wasEnabled)
            Q_EMIT alertSettingsChanged();
    }
    Q_EMIT deliveryStatusChanged();
}

bool UsageNotificationManager::alertsBlockedBySystem() const
{
    if (m_authorizationStatus == AuthorizationStatus::denied)
        return true;
    return allowsDelivery(m_authorizationStatus) && !m_alertPresentationEnabled;
}

bool UsageNotificationManager::canDeliver(ProviderID provider, const QDateTime &now) const
{
    // Not determined means no server could be asked: the alert is posted all the same, so that
    // its failure is reported rather than the alert used up in silence.
    const bool permitted = allowsDelivery(m_authorizationStatus) || m_authorizationStatus == AuthorizationStatus::notDetermined;
    if (!m_notificationsEnabled || !permitted || !m_alertPresentationEnabled)
        return false;
    const auto snoozed = m_snoozedUntil.constFind(toRawValue(provider));
    return snoozed == m_snoozedUntil.constEnd() || *snoozed <= now;
}

NotificationCenter::Request UsageNotificationManager::requestFor(const UsageAlert &alert) const
{
    NotificationCenter::Request request;
    request.identifier = QStringLiteral("quelta-usage-") + QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    request.title = alert.title;
    request.body = alert.body;
    // Without the category, no actions: an unattended run has nobody to answer them.
    if (!m_unattended)
        request.categoryIdentifier = QLatin1String(categoryIdentifier);
    request.userInfo = {{QStringLiteral("providerID"), toRawValue(alert.providerID)}};
    request.critical = alert.critical;
    return request;
}

void UsageNotificationManager::deliver(const UsageAlert &alert)
{
    if (!m_notificationsEnabled)
        return;
    startDetached(postAlert(alert), lcAlerts, "posting an alert");
}

QCoro::Task<void> UsageNotificationManager::postAlert(UsageAlert alert)
{
    co_await post(requestFor(alert));
}

QCoro::Task<bool> UsageNotificationManager::post(NotificationCenter::Request request)
{
    QPointer<UsageNotificationManager> self(this);
    PendingDelivery pending(*this);
    bool delivered = true;
    try {
        co_await m_center.add(request);
    } catch (const NotificationDeliveryError &error) {
        qCInfo(lcAlerts) << "an alert could not be delivered:" << error.what();
        delivered = false;
    }
    if (!self)
        co_return false;
    m_lastDeliveryError = delivered ? std::nullopt : std::optional(deliveryErrorText);
    Q_EMIT deliveryStatusChanged();
    co_return delivered;
}

void UsageNotificationManager::onResponse(const QString &, const QString &action, const QVariantMap &userInfo)
{
    const QVariant provider = userInfo.value(QStringLiteral("providerID"));
    const bool hasProvider = provider.typeId() == QMetaType::QString;
    if (action == QLatin1String(snoozeActionIdentifier)) {
        if (hasProvider)
            snooze(provider.toString());
        return;
    }
    if ((action == QLatin1String(openActionIdentifier) || action == QLatin1String(NotificationCenter::defaultActionIdentifier))
        && m_openQuelta)
        m_openQuelta();
}

void UsageNotificationManager::snooze(const QString &providerRawID)
{
    m_snoozedUntil.insert(providerRawID, m_clock.now().addSecs(snoozeSeconds));
    persistAlertData();
}

void UsageNotificationManager::persistAlertData()
{
    m_settings.setData(QLatin1String(samplesKey), encodeSamples(m_samples));
    m_settings.setData(QLatin1String(metricStatesKey), encodeMetricStates(m_metricStates));
    m_settings.setData(QLatin1String(snoozesKey), encodeSnoozes(m_snoozedUntil));
}

void UsageNotificationManager::openNotificationSettings()
{
    m_center.openSettings();
}

} // namespace quelta
