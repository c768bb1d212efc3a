#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>
#include <string_view>
#include <utility>

namespace quelta {

// Specialise with `static constexpr std::array<std::pair<Enum, std::string_view>, N> table`
// listing every case in declaration order with its persisted raw value.
template <typename Enum>
struct RawValues;

template <typename Enum>
QString toRawValue(Enum value)
{
    for (const auto &[candidate, raw] : RawValues<Enum>::table) {
        if (candidate == value)
            return QString::fromLatin1(raw.data(), qsizetype(raw.size()));
    }
    return {};
}

// Unknown raw strings are never an error: they simply give nothing.
template <typename Enum>
std::optional<Enum> fromRawValue(QStringView raw)
{
    for (const auto &[candidate, value] : RawValues<Enum>::table) {
        if (raw == QLatin1StringView(value.data(), qsizetype(value.size())))
            return candidate;
    }
    return std::nullopt;
}

template <typename Enum>
constexpr auto allCases()
{
    std::array<Enum, RawValues<Enum>::table.size()> cases{};
    for (std::size_t i = 0; i < cases.size(); ++i)
        cases[i] = RawValues<Enum>::table[i].first;
    return cases;
}

} // namespace quelta
