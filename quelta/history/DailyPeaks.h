#pragma once

#include "HistorySample.h"

#include <QDate>
#include <QList>
#include <QMap>
#include <QTimeZone>

namespace quelta {

// The highest share used that any of the samples reached on each day, days as `zone` counts
// them; a day without samples has no entry.
QMap<QDate, int> dailyPeaks(const QList<HistorySample> &samples, const QTimeZone &zone);

} // namespace quelta
