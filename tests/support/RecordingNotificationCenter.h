#pragma once

#include "platform/NotificationCenter.h"

#include <QCoroSignal>

#include <optional>

namespace quelta::test {

// Keeps what was posted and answers permission questions the way the test says.
class RecordingNotificationCenter final : public NotificationCenter
{
    Q_OBJECT
public:
    Settings settings{AuthorizationStatus::authorized, true};
    bool grantsPermission = true;
    // While set, permission requests wait until answerPermission() is called.
    bool holdsPermissionAnswer = false;
    bool failsDelivery = false;
    QList<Request> posted;

    QCoro::Task<Settings> notificationSettings() override { co_return settings; }

    QCoro::Task<bool> requestAuthorization() override
    {
        if (holdsPermissionAnswer)
            co_await qCoro(this, &RecordingNotificationCenter::permissionAnswered);
        co_return grantsPermission;
    }

    void setCategory(const QString &, const QList<Action> &) override {}

    QCoro::Task<void> add(Request request) override
    {
        if (failsDelivery)
            throw NotificationDeliveryError("no server");
        posted.append(request);
        co_return;
    }

    void openSettings() override {}

    void answerPermission() { Q_EMIT permissionAnswered(); }

    QStringList titles() const
    {
        QStringList result;
        for (const Request &request : posted)
            result << request.title;
        return result;
    }

Q_SIGNALS:
    void permissionAnswered();
};

} // namespace quelta::test
