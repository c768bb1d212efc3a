#pragma once

namespace quelta {

// Which kinds of usage alert the user wants; all on until switched off.
struct AlertKinds {
    bool rapidUsage = true;
    bool lowAllowance = true;
    bool resetAlerts = true;
    bool disconnectedAlerts = true;

    bool operator==(const AlertKinds &) const = default;
};

} // namespace quelta
