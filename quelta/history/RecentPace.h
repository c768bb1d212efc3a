#pragma once

#include "HistorySample.h"

#include <QList>

#include <chrono>
#include <optional>

namespace quelta::recentPace {

// How far back the recent pace looks: the last hours of the window, never more than a quarter
// of it, so that a 5-hour window looks back 75 minutes and a week 3 hours.
std::chrono::seconds lookback(std::chrono::seconds window);

// The percent used per second over the lookback before `current`, from the stored samples of
// its series. A stored figure holds until the next sample, and one is stored at least every
// steady interval while Quelta runs, so the samples tell the figure all through the lookback
// unless they leave a longer gap. Absent where they do not: the window began within the
// lookback, the record starts later, or the machine slept.
std::optional<double> usageRate(const QList<HistorySample> &stored, const HistorySample &current);

} // namespace quelta::recentPace
