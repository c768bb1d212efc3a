#include "AlertSettings.h"

#include "platform/SettingsStore.h"

#include <utility>

namespace quelta {

namespace {

bool allowsDelivery(NotificationCenter::AuthorizationStatus status)
{
    using Status = NotificationCenter::AuthorizationStatus;
    return status == Status::authorized || status == Status::provisional || status == Status::ephemeral;
}

} // namespace

AlertSettings::AlertSettings(SettingsStore &settings)
    : m_settings(settings)
    , m_permissionRequestID(QUuid::createUuid())
{
    m_notificationsEnabled = m_settings.boolValue(QLatin1String(enabledKey)).value_or(false);
    // A kind counts as set when anything at all is stored under its key.
    const auto kind = [this](const char *key) {
        return !m_settings.contains(QLatin1String(key)) || m_settings.boolValue(QLatin1String(key)).value_or(false);
    };
    m_kinds = {kind(rapidUsageKey), kind(lowAllowanceKey), kind(resetAlertsKey), kind(disconnectedAlertsKey)};
}

QUuid AlertSettings::switchNotifications(bool enabled)
{
    m_permissionRequestID = QUuid::createUuid();
    m_notificationsEnabled = enabled;
    if (!enabled)
        m_settings.setBool(QLatin1String(enabledKey), false);
    return m_permissionRequestID;
}

void AlertSettings::settlePermission(bool granted)
{
    m_notificationsEnabled = granted || allowsDelivery(m_authorizationStatus);
    m_settings.setBool(QLatin1String(enabledKey), m_notificationsEnabled);
}

bool AlertSettings::applyDesktopSettings(const NotificationCenter::Settings &settings)
{
    m_authorizationStatus = settings.authorizationStatus;
    m_alertPresentationEnabled = settings.alertsEnabled;
    if (m_authorizationStatus != AuthorizationStatus::denied)
        return false;
    m_settings.setBool(QLatin1String(enabledKey), false);
    return std::exchange(m_notificationsEnabled, false);
}

void AlertSettings::setKind(bool &field, const char *key, bool enabled)
{
    field = enabled;
    m_settings.setBool(QLatin1String(key), enabled);
}

bool AlertSettings::alertsBlockedBySystem() const
{
    if (m_authorizationStatus == AuthorizationStatus::denied)
        return true;
    return allowsDelivery(m_authorizationStatus) && !m_alertPresentationEnabled;
}

bool AlertSettings::permitsDelivery() const
{
    // Not determined means no server could be asked: the alert is posted all the same, so that
    // its failure is reported rather than the alert used up in silence.
    const bool permitted = allowsDelivery(m_authorizationStatus) || m_authorizationStatus == AuthorizationStatus::notDetermined;
    return m_notificationsEnabled && permitted && m_alertPresentationEnabled;
}

} // namespace quelta
