#include "ManualClock.h"

#include <QCoreApplication>

#include <algorithm>

namespace quelta::test {

ManualClock::ManualClock(QDateTime start)
    : m_wallStart(std::move(start))
{
}

QDateTime ManualClock::now() const
{
    return m_wallStart.addMSecs(std::chrono::duration_cast<std::chrono::milliseconds>(m_elapsed).count());
}

void ManualClock::setNow(const QDateTime &now)
{
    m_wallStart = now.addMSecs(-std::chrono::duration_cast<std::chrono::milliseconds>(m_elapsed).count());
}

void ManualClock::callAfter(Duration delay, QObject *context, std::function<void()> callback)
{
    m_requestedDelays.append(delay);
    m_pending.push_back({m_elapsed + std::max(delay, Duration::zero()), m_nextOrder++, context, std::move(callback)});
}

void ManualClock::advance(Duration by)
{
    const Duration target = m_elapsed + by;
    for (;;) {
        // Let work queued by earlier callbacks run (and schedule more) before picking the next.
        QCoreApplication::processEvents();
        auto next = std::min_element(m_pending.begin(), m_pending.end(), [](const Pending &a, const Pending &b) {
            return a.due != b.due ? a.due < b.due : a.order < b.order;
        });
        if (next == m_pending.end() || next->due > target)
            break;
        Pending due = std::move(*next);
        m_pending.erase(next);
        m_elapsed = std::max(m_elapsed, due.due);
        if (due.context)
            due.callback();
    }
    m_elapsed = target;
    QCoreApplication::processEvents();
}

std::size_t ManualClock::pendingCount() const
{
    return std::size_t(std::count_if(m_pending.begin(), m_pending.end(), [](const Pending &p) { return !p.context.isNull(); }));
}

std::optional<Clock::Duration> ManualClock::nextDelay() const
{
    std::optional<Duration> earliest;
    for (const Pending &pending : m_pending) {
        if (!pending.context.isNull() && (!earliest || pending.due < *earliest))
            earliest = pending.due;
    }
    if (!earliest)
        return std::nullopt;
    return *earliest - m_elapsed;
}

} // namespace quelta::test
