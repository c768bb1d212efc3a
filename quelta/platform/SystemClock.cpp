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
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, context, std::move(callback));
}

} // namespace quelta
