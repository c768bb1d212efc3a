#pragma once

#include "TelemetryClock.h"

namespace quelta {

class Clock;

// Gives the telemetry client this application's clock.
class TelemetryClockAdapter final : public telemetrydeck::TelemetryClock
{
public:
    explicit TelemetryClockAdapter(Clock &clock)
        : m_clock(clock)
    {
    }

    QDateTime now() const override;
    void callAfter(std::chrono::milliseconds delay, QObject *context, std::function<void()> callback) override;

private:
    Clock &m_clock;
};

} // namespace quelta
