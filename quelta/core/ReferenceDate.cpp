#include "ReferenceDate.h"

#include <QTimeZone>

#include <cmath>

namespace quelta {

namespace {
constexpr qint64 referenceDateUnixSeconds = 978'307'200; // 2001-01-01T00:00:00Z
constexpr double earliestReadableSeconds = -62'135'596'800; // 0001-01-01T00:00:00Z
constexpr double latestReadableSeconds = 253'402'300'799;   // 9999-12-31T23:59:59Z
}

double secondsSince1970(const QDateTime &date)
{
    return double(date.toMSecsSinceEpoch()) / 1000.0;
}

QDateTime dateFromSecondsSince1970(double seconds)
{
    return QDateTime::fromMSecsSinceEpoch(qint64(std::llround(seconds * 1000.0)), Qt::UTC);
}

std::optional<QDateTime> readableDateSince1970(double seconds)
{
    if (!(seconds >= earliestReadableSeconds && seconds <= latestReadableSeconds))
        return std::nullopt;
    return dateFromSecondsSince1970(seconds);
}

std::optional<QDateTime> readableDateSinceReferenceDate(double seconds)
{
    return readableDateSince1970(seconds + double(referenceDateUnixSeconds));
}

double secondsSinceReferenceDate(const QDateTime &date)
{
    return secondsSince1970(date) - double(referenceDateUnixSeconds);
}

QDateTime dateFromSecondsSinceReferenceDate(double seconds)
{
    return dateFromSecondsSince1970(seconds + double(referenceDateUnixSeconds));
}

} // namespace quelta
