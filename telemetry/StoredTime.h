#pragma once

#include <QtGlobal>

#include <optional>

namespace telemetrydeck {

// A stored number of seconds in whole units (1 for seconds, 1000 for milliseconds), truncated;
// nothing when it is not finite or lies beyond ±10^11 seconds (about 3,000 years), which no date
// or duration of ours reaches and which could not be converted without overflowing.
std::optional<qint64> storedTime(double seconds, qint64 unitsPerSecond);

} // namespace telemetrydeck
