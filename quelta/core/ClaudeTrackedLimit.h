#pragma once

#include "RawValue.h"

#include <QString>

namespace quelta {

// Which Claude limit provides Claude's headline figure.
enum class ClaudeTrackedLimit { fiveHour, weeklyAllModels, weeklyFable5 };

template <>
struct RawValues<ClaudeTrackedLimit> {
    static constexpr std::array table{
        std::pair{ClaudeTrackedLimit::fiveHour, std::string_view("fiveHour")},
        std::pair{ClaudeTrackedLimit::weeklyAllModels, std::string_view("weeklyAllModels")},
        std::pair{ClaudeTrackedLimit::weeklyFable5, std::string_view("weeklyFable5")},
    };
};

constexpr ClaudeTrackedLimit defaultClaudeTrackedLimit = ClaudeTrackedLimit::weeklyAllModels;

// The stored raw value, or the default when it names no case.
ClaudeTrackedLimit claudeTrackedLimitFromRaw(QStringView raw);

// Plain substring tests on the lowercased limit name.
bool claudeTrackedLimitMatches(ClaudeTrackedLimit tracked, const QString &limitName);

// Detail shown when a connected Claude account reports no limit of the tracked kind.
QString claudeTrackedLimitUnavailableDetail(ClaudeTrackedLimit tracked);

} // namespace quelta
