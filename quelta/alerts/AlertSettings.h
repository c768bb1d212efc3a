#pragma once

#include "AlertKinds.h"

#include "platform/NotificationCenter.h"

#include <QUuid>

namespace quelta {

class SettingsStore;

// The user's alert switches, as stored, and what the desktop last said it permits.
class AlertSettings
{
public:
    using AuthorizationStatus = NotificationCenter::AuthorizationStatus;

    static constexpr const char *enabledKey = "usageNotifications.enabled.v1";
    static constexpr const char *rapidUsageKey = "usageNotifications.rapidUsage.v1";
    static constexpr const char *lowAllowanceKey = "usageNotifications.lowAllowance.v1";
    static constexpr const char *resetAlertsKey = "usageNotifications.resetAlerts.v1";
    static constexpr const char *disconnectedAlertsKey = "usageNotifications.disconnectedAlerts.v1";

    explicit AlertSettings(SettingsStore &settings);

    bool notificationsEnabled() const { return m_notificationsEnabled; }
    const AlertKinds &kinds() const { return m_kinds; }
    AuthorizationStatus authorizationStatus() const { return m_authorizationStatus; }
    bool alertPresentationEnabled() const { return m_alertPresentationEnabled; }

    // The master switch as the user flips it. On counts at once but is stored only once the
    // permission is answered; returns the request that answer must belong to.
    QUuid switchNotifications(bool enabled);
    bool isCurrentPermissionRequest(const QUuid &request) const { return request == m_permissionRequestID; }
    // The permission's answer: on when granted or when the desktop allows alerts anyway.
    void settlePermission(bool granted);
    // Returns whether the desktop's denial turned the master switch off.
    bool applyDesktopSettings(const NotificationCenter::Settings &settings);

    void setRapidUsageEnabled(bool enabled) { setKind(m_kinds.rapidUsage, rapidUsageKey, enabled); }
    void setLowAllowanceEnabled(bool enabled) { setKind(m_kinds.lowAllowance, lowAllowanceKey, enabled); }
    void setResetAlertsEnabled(bool enabled) { setKind(m_kinds.resetAlerts, resetAlertsKey, enabled); }
    void setDisconnectedAlertsEnabled(bool enabled) { setKind(m_kinds.disconnectedAlerts, disconnectedAlertsKey, enabled); }

    bool alertsBlockedBySystem() const;
    // On, and neither the desktop nor its banner setting stands in the way; snoozes aside.
    bool permitsDelivery() const;
    // Usage and rapid-usage alerts are on, so the background refresh runs every 5 minutes.
    bool wantsFrequentRefresh() const { return m_notificationsEnabled && m_kinds.rapidUsage; }

private:
    void setKind(bool &field, const char *key, bool enabled);

    SettingsStore &m_settings;
    bool m_notificationsEnabled = false;
    AlertKinds m_kinds;
    AuthorizationStatus m_authorizationStatus = AuthorizationStatus::notDetermined;
    bool m_alertPresentationEnabled = true;
    // Replaced by every flip of the master switch, so that a late answer knows it is stale.
    QUuid m_permissionRequestID;
};

} // namespace quelta
