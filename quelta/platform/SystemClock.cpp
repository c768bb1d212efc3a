#include "SystemClock.h"

#include <QTimer>

#include <time.h>

namespace quelta {


QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTimeUtc();
}

Clock::Duration SystemClock::elapsed() const
{
    // Boot time keeps counting while the machine sleeps, as a continuous clock must.
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

void SystemClock::callAfter(Duration delay, QObject *context, std::function<void()> callback)
{
    const auto milliseconds = std::chrono::ceil<std::chrono::milliseconds>(std::max(delay, Duration::zero()));
    // A timer owned by the context dies with it: a call nobody waits for any more never wakes
    // the process (a single-shot timer would still fire, only to do nothing).
    auto *timer = new QTimer(context);
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, callback = std::move(callback)] {
        timer->deleteLater();
        callback();
    });
    timer->start(milliseconds);
}

} // namespace quelta
