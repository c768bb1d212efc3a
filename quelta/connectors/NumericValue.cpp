#include "NumericValue.h"

#include <cmath>

namespace quelta {

std::optional<double> numericValue(const QJsonValue &value)
{
    if (!value.isDouble() || !std::isfinite(value.toDouble()))
        return std::nullopt;
    return value.toDouble();
}

} // namespace quelta
