#pragma once

#include <QCoroTask>
#include <QList>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <stdexcept>

namespace quelta {

// Posting a notification failed.
class NotificationDeliveryError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The desktop's notification service: permission, one category of actions, posting, and the
// user's answers.
class NotificationCenter : public QObject
{
    Q_OBJECT
public:
    enum class AuthorizationStatus { notDetermined = 0, denied = 1, authorized = 2, provisional = 3, ephemeral = 4 };

    struct Settings {
        AuthorizationStatus authorizationStatus = AuthorizationStatus::notDetermined;
        bool alertsEnabled = true;
    };

    struct Action {
        QString identifier;
        QString title;
        bool operator==(const Action &) const = default;
    };

    struct Request {
        QString identifier;
        QString title;
        QString body;
        QString categoryIdentifier;
        QVariantMap userInfo;
        // Critical rather than normal, where the desktop distinguishes.
        bool critical = false;
    };

    // The action a click on the notification's body reports.
    static constexpr const char *defaultActionIdentifier = "default";

    using QObject::QObject;

    virtual QCoro::Task<Settings> notificationSettings() = 0;
    // Asks for permission to show alerts; false when refused or when asking failed.
    virtual QCoro::Task<bool> requestAuthorization() = 0;
    // The one category of notifications this application posts, with its actions in order.
    virtual void setCategory(const QString &identifier, const QList<Action> &actions) = 0;
    // Throws NotificationDeliveryError.
    virtual QCoro::Task<void> add(Request request) = 0;
    // Opens the desktop's notification settings, when it has a known place for them.
    virtual void openSettings() = 0;

Q_SIGNALS:
    // The notification service appeared or went away: its settings are worth reading again.
    void serviceChanged();
    // The user answered a notification posted by `add`.
    void responseReceived(const QString &requestIdentifier, const QString &actionIdentifier, const QVariantMap &userInfo);
};

} // namespace quelta
