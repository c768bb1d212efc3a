#pragma once

#include "NotificationCenter.h"
#include "NotificationIcon.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QHash>

#include <optional>

namespace quelta {

// Desktop Notifications over the session bus. A reachable server counts as permission granted
// with banners on; no server counts as not determined.
class FreedesktopNotificationCenter final : public NotificationCenter
{
    Q_OBJECT
public:
    explicit FreedesktopNotificationCenter(QDBusConnection bus = QDBusConnection::sessionBus(),
                                           const NotificationIconSource &icon = NotificationIconSource::current(), QObject *parent = nullptr);

    QCoro::Task<Settings> notificationSettings() override;
    QCoro::Task<bool> requestAuthorization() override;
    void setCategory(const QString &identifier, const QList<Action> &actions) override;
    QCoro::Task<void> add(Request request) override;
    void openSettings() override;

private Q_SLOTS:
    void onActionInvoked(uint id, const QString &actionKey);
    void onNotificationClosed(uint id, uint reason);

private:
    QCoro::Task<bool> serverReachable();
    // Whether the server reads bodies as markup, asked once per server.
    QCoro::Task<bool> marksUpBodies();

    QDBusConnection m_bus;
    // At login the server often starts after the applications.
    QDBusServiceWatcher m_serverWatcher;
    QString m_categoryIdentifier;
    QList<Action> m_categoryActions;
    bool m_hearsAnswers = false;
    // Server id → the request it showed with actions, until the notification is closed.
    QHash<uint, Request> m_posted;
    std::optional<bool> m_marksUpBodies;
    // The icon's file, where the servers would not find it by its name; else empty.
    QString m_iconImagePath;
};

} // namespace quelta
