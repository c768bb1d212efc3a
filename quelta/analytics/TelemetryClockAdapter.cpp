#include "TelemetryClockAdapter.h"

#include "platform/Clock.h"

namespace quelta {

QDateTime TelemetryClockAdapter::now() const
{
    return m_clock.now();
}

void TelemetryClockAdapter::callAfter(std::chrono::milliseconds delay, QObject *context, std::function<void()> callback)
{
    m_clock.callAfter(delay, context, std::move(callback));
}

} // namespace quelta
