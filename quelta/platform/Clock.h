#pragma once

#include <QCoroTask>
#include <QDateTime>

#include <chrono>
#include <functional>
#include <stop_token>

class QObject;

namespace quelta {

// The one source of "now" and of every wait, so that tests can drive time by hand.
class Clock
{
public:
    using Duration = std::chrono::nanoseconds;

    virtual ~Clock() = default;

    // Wall-clock time.
    virtual QDateTime now() const = 0;
    // A continuous clock that never jumps; only differences are meaningful.
    virtual Duration elapsed() const = 0;
    // Calls `callback` on `context`'s thread once `delay` has passed on the continuous clock,
    // unless `context` is destroyed first.
    virtual void callAfter(Duration delay, QObject *context, std::function<void()> callback) = 0;

    // Throws OperationCancelled when `token` is triggered before the delay has passed.
    QCoro::Task<void> sleep(Duration delay, std::stop_token token = {});

    // The process-wide real clock.
    static Clock &system();
};

} // namespace quelta
