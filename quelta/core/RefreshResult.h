#pragma once

#include "RawValue.h"

namespace quelta {

// How one refresh of the providers ended.
enum class RefreshResult { success, partial, failed };

template <>
struct RawValues<RefreshResult> {
    static constexpr std::array table{
        std::pair{RefreshResult::success, std::string_view("success")},
        std::pair{RefreshResult::partial, std::string_view("partial")},
        std::pair{RefreshResult::failed, std::string_view("failed")},
    };
};

} // namespace quelta
