#pragma once

#include "commands/AllowancePresentation.h"

namespace quelta {

// The figure the panel shows when the person asked for it: the percent of the tightest shown
// allowance (or of the tracked one), as the percentage style reads, and the tone it is drawn in.
struct TrayFigure {
    int percent = 0;
    BarTone tone = BarTone::primary;

    bool operator==(const TrayFigure &) const = default;
};

} // namespace quelta
