#pragma once

#include "platform/Clock.h"

#include <QList>
#include <QPointer>
#include <QTimeZone>

#include <optional>
#include <vector>

namespace quelta::test {

// A clock that moves only when the test advances it; due callbacks fire in deadline order.
class ManualClock final : public Clock
{
public:
    explicit ManualClock(QDateTime start = QDateTime(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC));

    QDateTime now() const override;
    Duration elapsed() const override { return m_elapsed; }
    void callAfter(Duration delay, QObject *context, std::function<void()> callback) override;

    void advance(Duration by);
    // Moves the wall clock alone, as a user changing the system time would.
    void setNow(const QDateTime &now);
    std::size_t pendingCount() const;
    // How long until the earliest callback whose context is still alive; absent when none is.
    std::optional<Duration> nextDelay() const;
    // Every delay ever asked of callAfter, in order.
    const QList<Duration> &requestedDelays() const { return m_requestedDelays; }

private:
    struct Pending {
        Duration due;
        quint64 order;
        QPointer<QObject> context;
        std::function<void()> callback;
    };

    QDateTime m_wallStart;
    Duration m_elapsed{0};
    quint64 m_nextOrder = 0;
    std::vector<Pending> m_pending;
    QList<Duration> m_requestedDelays;
};

} // namespace quelta::test
