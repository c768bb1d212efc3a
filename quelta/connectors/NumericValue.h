#pragma once

#include <QJsonValue>

#include <optional>

namespace quelta {

// A JSON number that is finite; booleans and digit strings are not numbers.
std::optional<double> numericValue(const QJsonValue &value);

} // namespace quelta
