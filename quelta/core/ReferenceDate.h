#pragma once

#include <QDateTime>

#include <optional>

namespace quelta {

// JSON documents count seconds from 2001-01-01T00:00:00Z; a few stored dictionaries count
// from the Unix epoch instead. Both conventions are in use at once, so name them.
double secondsSinceReferenceDate(const QDateTime &date);
QDateTime dateFromSecondsSinceReferenceDate(double seconds);

double secondsSince1970(const QDateTime &date);
QDateTime dateFromSecondsSince1970(double seconds);

// Absent for a stored figure that is not finite or lies outside years 1 to 9999, so that an
// overflowing value is unreadable rather than an invalid date that sorts before every other.
std::optional<QDateTime> readableDateSince1970(double seconds);
std::optional<QDateTime> readableDateSinceReferenceDate(double seconds);

} // namespace quelta
