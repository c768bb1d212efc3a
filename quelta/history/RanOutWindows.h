#pragma once

#include "HistorySample.h"

#include <QDateTime>
#include <QList>
#include <QTimeZone>

#include <optional>

namespace quelta {

// A window in which a limit was used up.
struct RanOutWindow {
    HistorySeries series;
    QString limitName;
    QDateTime ranOutAt;
    // Absent where the provider gave no reset time.
    std::optional<QDateTime> resetAt;
    // Still used up now.
    bool isCurrent = false;

    bool operator==(const RanOutWindow &) const = default;
};

// The ended windows that ran out, and each series' current window when its latest figure at
// `now` is used up, newest first. Names come from the samples; `samples` are in time order.
QList<RanOutWindow> ranOutWindows(const QList<WindowReset> &resets, const QList<HistorySample> &samples, const QDateTime &now);

// "Ran out Tue 10 Nov, 14:20 · reset 2 days later", or for the current window "… · resets in
// 3 hours"; times as `zone` tells them.
QString ranOutDescription(const RanOutWindow &window, const QDateTime &now, const QTimeZone &zone);

} // namespace quelta
