#pragma once

#include <QDateTime>

namespace quelta {

// JSON documents count seconds from 2001-01-01T00:00:00Z; a few stored dictionaries count
// from the Unix epoch instead. Both conventions are in use at once, so name them.
double secondsSinceReferenceDate(const QDateTime &date);
QDateTime dateFromSecondsSinceReferenceDate(double seconds);

double secondsSince1970(const QDateTime &date);
QDateTime dateFromSecondsSince1970(double seconds);

} // namespace quelta
