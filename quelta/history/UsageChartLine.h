#pragma once

#include "HistorySample.h"

#include <QDateTime>
#include <QList>
#include <QPointF>

#include <chrono>

namespace quelta::usageChartLine {

// Longer than this between two samples, Quelta was not running: the line breaks there rather
// than pretend the figure held.
inline constexpr std::chrono::hours longestHold{2};

// One series' figures from `from` to `to` as stepped lines: x is the share of the span (0…1), y
// the share used (0…1). A stored figure holds until the next sample, the last one until
// `until` (at most `to`), and a sample before `from` carries into the span. Samples are in time
// order, all of one series.
QList<QList<QPointF>> steps(const QList<HistorySample> &samples, const QDateTime &from, const QDateTime &to, const QDateTime &until);

// The lines with no more than two points in each of `columns` equal columns: the first and last
// place a line is in the column, both at the highest use it reached there. A chart narrower than
// the record draws the same, and every peak (a window that ran out) stays.
QList<QList<QPointF>> peaksPerColumn(const QList<QList<QPointF>> &lines, int columns);

} // namespace quelta::usageChartLine
