#include "StoredTime.h"

#include <cmath>

namespace telemetrydeck {

std::optional<qint64> storedTime(double seconds, qint64 unitsPerSecond)
{
    constexpr double largest = 1e11;
    if (!std::isfinite(seconds) || std::abs(seconds) > largest)
        return std::nullopt;
    return qint64(seconds * double(unitsPerSecond));
}

} // namespace telemetrydeck
