#pragma once

#include "HistorySample.h"

#include <chrono>
#include <optional>

namespace quelta::samplingRule {

// A figure that holds steady is stored again this often, so that a flat line reads as one.
inline constexpr std::chrono::hours steadyInterval{1};

// Providers report a window's reset to the second, and not always the same second twice.
inline constexpr std::chrono::minutes resetJitter{5};

// Whether `next` adds to the record after `last`, the series' latest stored sample: the figure
// or its reset moved, or it has held for the steady interval. A gap is never filled in.
bool isWorthStoring(const std::optional<HistorySample> &last, const HistorySample &next);

// Whether `next` belongs to a later window than `last`: the reset time moved on, or the old
// window's reset has passed.
bool startsNewWindow(const HistorySample &last, const HistorySample &next);

} // namespace quelta::samplingRule
