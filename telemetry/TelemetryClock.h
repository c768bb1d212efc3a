#pragma once

#include <QDateTime>

#include <chrono>
#include <functional>

class QObject;

namespace telemetrydeck {

// Every "now" and every timer of the client, so that tests can drive time by hand.
class TelemetryClock
{
public:
    virtual ~TelemetryClock() = default;
    virtual QDateTime now() const = 0;
    // Calls `callback` on `context`'s thread after `delay`, unless `context` is gone by then.
    virtual void callAfter(std::chrono::milliseconds delay, QObject *context, std::function<void()> callback) = 0;

    static TelemetryClock &system();
};

} // namespace telemetrydeck
