#pragma once

#include "UsageAlertData.h"

#include "platform/NotificationCenter.h"

#include <QCoroTask>
#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

namespace quelta {

class AlertMemory;
class Clock;

// Posts usage alerts as desktop notifications and answers their actions: "Open Quelta", and a
// snooze of the account for an hour. Counts what is under way, so that a command run can wait
// for it before it ends.
class AlertDelivery final : public QObject
{
    Q_OBJECT
public:
    static constexpr const char *categoryIdentifier = "QUELTA_USAGE_ALERT";
    static constexpr const char *openActionIdentifier = "QUELTA_OPEN";
    static constexpr const char *snoozeActionIdentifier = "QUELTA_SNOOZE_ONE_HOUR";

    // Counts one evaluation or post under way for as long as it lives.
    class Pending
    {
    public:
        explicit Pending(AlertDelivery &delivery);
        ~Pending();
        Pending(const Pending &) = delete;
        Pending &operator=(const Pending &) = delete;

    private:
        QPointer<AlertDelivery> m_delivery;
    };

    AlertDelivery(NotificationCenter &center, AlertMemory &memory, Clock &clock, QObject *parent = nullptr);

    // With the tray app: the open callback and the category with its actions.
    void configure(std::function<void()> openQuelta);
    // Without anybody to answer: alerts go out without actions.
    void configureUnattended() { m_unattended = true; }
    bool isUnattended() const { return m_unattended; }
    // Returns once every evaluation and post under way has been answered.
    QCoro::Task<void> finishDeliveries();

    std::optional<QString> lastDeliveryError() const { return m_lastDeliveryError; }
    void deliver(const UsageAlert &alert);
    // False when the post failed; the error is kept for the settings.
    QCoro::Task<bool> post(UsageAlert alert);
    void snooze(const QString &accountRawID);

Q_SIGNALS:
    // Whether the last alert could be delivered.
    void deliveryStatusChanged();
    // Nothing is being evaluated or posted any more.
    void deliveriesFinished();

private:
    QCoro::Task<void> postUnawaited(UsageAlert alert);
    NotificationCenter::Request requestFor(const UsageAlert &alert) const;
    void onResponse(const QString &requestIdentifier, const QString &action, const QVariantMap &userInfo);

    NotificationCenter &m_center;
    AlertMemory &m_memory;
    Clock &m_clock;
    std::function<void()> m_openQuelta;
    bool m_unattended = false;
    int m_pending = 0;
    std::optional<QString> m_lastDeliveryError;
};

} // namespace quelta
