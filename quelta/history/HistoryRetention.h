#pragma once

#include "core/RawValue.h"

#include <chrono>
#include <optional>

namespace quelta {

class SettingsStore;

// How long figures are kept.
enum class HistoryRetention { days30, days90, days365, unlimited };

template <>
struct RawValues<HistoryRetention> {
    static constexpr std::array table{
        std::pair{HistoryRetention::days30, std::string_view("30d")},
        std::pair{HistoryRetention::days90, std::string_view("90d")},
        std::pair{HistoryRetention::days365, std::string_view("365d")},
        std::pair{HistoryRetention::unlimited, std::string_view("forever")},
    };
};

namespace historyRetention {

inline constexpr HistoryRetention standard = HistoryRetention::days90;

// Absent for forever.
std::optional<std::chrono::days> period(HistoryRetention retention);

HistoryRetention stored(const SettingsStore &settings);
bool store(SettingsStore &settings, HistoryRetention retention);

} // namespace historyRetention

} // namespace quelta
