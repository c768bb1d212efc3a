#pragma once

#include "core/RawValue.h"

#include <QDateTime>
#include <QJsonObject>
#include <QString>

namespace quelta {

// The panels `quelta status --format` writes for.
enum class StatusBarFormat { waybar, polybar, i3blocks };

template <>
struct RawValues<StatusBarFormat> {
    static constexpr std::array table{
        std::pair{StatusBarFormat::waybar, std::string_view("waybar")},
        std::pair{StatusBarFormat::polybar, std::string_view("polybar")},
        std::pair{StatusBarFormat::i3blocks, std::string_view("i3blocks")},
    };
};

// One update of the bar for the status document, without its line end:
// - waybar: a JSON object for `"return-type": "json"` (text, alt, tooltip, class, percentage);
// - polybar: each provider and its figure, low and critical figures coloured with %{F…} tags;
// - i3blocks: a JSON object for `format=json` (full_text, short_text, markup, color, urgent).
// Texts from outside are put on one line and escaped for what each bar interprets.
QString statusBarLine(StatusBarFormat format, const QJsonObject &report, const QDateTime &now);

} // namespace quelta
