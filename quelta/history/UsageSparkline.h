#pragma once

#include "HistorySample.h"

#include <QDateTime>
#include <QList>
#include <QPointF>
#include <QString>

#include <optional>

namespace quelta {

// A limit's current window as a small chart, with the window before it behind it for
// comparison. Lines are stepped, x the share of a window (0…1), y the share used (0…1).
struct UsageSparkline {
    QList<QList<QPointF>> current;
    QList<QList<QPointF>> previous;
    // Where now is in the current window; the window resets at 1.
    double nowAt = 0;
    // The same in words, for screen readers.
    QString description;

    bool operator==(const UsageSparkline &) const = default;
};

// From one series' samples in time order, as they stand at `now`: absent for a limit without a
// window, without a figure yet, or whose reset has passed since its last figure.
std::optional<UsageSparkline> usageSparkline(const QList<HistorySample> &samples, const QDateTime &now);

// "3 days", "1 hour", "12 minutes": the largest whole unit of a span, at least one minute.
QString elapsedText(qint64 seconds);

} // namespace quelta
