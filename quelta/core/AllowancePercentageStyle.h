#pragma once

#include "RawValue.h"

namespace quelta {

enum class AllowancePercentageStyle { remaining, used };

template <>
struct RawValues<AllowancePercentageStyle> {
    static constexpr std::array table{
        std::pair{AllowancePercentageStyle::remaining, std::string_view("remaining")},
        std::pair{AllowancePercentageStyle::used, std::string_view("used")},
    };
};

} // namespace quelta
