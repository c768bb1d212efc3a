#pragma once

#include "ProviderAllowance.h"

#include <optional>

namespace quelta {

// Whether the panel shows an allowance's figure beside the icon, and whose.
struct PanelAllowance {
    bool shown = false;
    // The provider the person follows; absent, the tightest shown allowance.
    std::optional<ProviderID> tracked;

    bool operator==(const PanelAllowance &) const = default;
};

} // namespace quelta
