#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace quelta {

// Which figure a sample belongs to: one limit of one account of one provider.
struct HistorySeries {
    QString provider;
    // Empty for the provider's default account.
    QString account;
    QString limitID;

    bool operator==(const HistorySeries &) const = default;
};

// One limit's figure as a refresh saw it. Figures only: nothing that names the person.
struct HistorySample {
    QDateTime takenAt;
    HistorySeries series;
    QString limitName;
    int usedPercent = 0;
    std::optional<QDateTime> resetsAt;
    std::optional<qint64> windowSeconds;

    bool operator==(const HistorySample &) const = default;
};

// A window that came to its end: what it reached, and when it ran out, if it did.
struct WindowReset {
    HistorySeries series;
    // When a refresh first saw the next window.
    QDateTime noticedAt;
    // The ended window's reset time, as its samples gave it.
    std::optional<QDateTime> windowResetAt;
    int peakPercent = 0;
    std::optional<QDateTime> ranOutAt;

    bool operator==(const WindowReset &) const = default;
};

} // namespace quelta
