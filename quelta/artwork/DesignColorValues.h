#pragma once

#include <cstdint>

namespace quelta::designColors {

// The design's fixed colours as 0xRRGGBB: the one place for their values, read by the views'
// QColor functions and by the command line, which links no Qt Gui.
enum class Scheme { light, dark };

constexpr std::uint32_t systemRedValue(Scheme scheme)
{
    return scheme == Scheme::dark ? 0xFF453A : 0xFF3B30;
}

constexpr std::uint32_t systemOrangeValue(Scheme)
{
    return 0xFF9F0A;
}

constexpr std::uint32_t systemGreenValue(Scheme scheme)
{
    return scheme == Scheme::dark ? 0x30D158 : 0x34C759;
}

} // namespace quelta::designColors
