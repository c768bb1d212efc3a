#pragma once

#include <QDateTime>
#include <QJsonValue>

#include <optional>

namespace quelta {

// An ISO 8601 internet date-time string, with or without fractional seconds, in UTC.
std::optional<QDateTime> parseInternetDateTime(const QJsonValue &value);

} // namespace quelta
