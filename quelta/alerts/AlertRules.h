#pragma once

#include "AlertMetric.h"
#include "UsageAlertData.h"

#include <QDateTime>
#include <QSet>
#include <QString>

#include <optional>

namespace quelta {

struct PaceProjection {
    bool isAtRisk = false;
    int usedPercent = 0;
    double timeUntilReset = 0;
    // The window has run long enough for its pace to mean something.
    bool hasEnoughElapsed = false;
    // Infinite when nothing has been used yet.
    double timeUntilEmpty = 0;
};

// The low-allowance threshold (25 or 10) a move from `previous` to `current` crosses, unless
// already delivered in this window.
std::optional<int> lowAllowanceThreshold(std::optional<int> previous, int current, const QSet<int> &delivered);

// Whether the metric's window has reset since the state's last evaluation.
bool hasReset(const AlertMetric &metric, const MetricState &state);

// Where the metric is heading: at `recentRate` (percent per second) where history gives one,
// else at the average rate since the window began; absent without a usable window.
std::optional<PaceProjection> paceProjection(const AlertMetric &metric, const QDateTime &now,
                                             std::optional<double> recentRate = std::nullopt);

// Which pace a forecast follows: the recent one from history, or the window's average.
enum class ForecastBasis { window, recent };

template <>
struct RawValues<ForecastBasis> {
    static constexpr std::array table{
        std::pair{ForecastBasis::window, std::string_view("window")},
        std::pair{ForecastBasis::recent, std::string_view("recent")},
    };
};

// When a limit runs out at its present pace, as the pace rule sees it.
struct RunOutForecast {
    // Absent when the pace does not empty the limit before it resets.
    std::optional<QDateTime> runsOutAt;
    bool beforeReset = false;
    // Runs out well before the reset: what the pace alert warns of, and what the views mention.
    bool atRisk = false;
    ForecastBasis basis = ForecastBasis::window;

    bool operator==(const RunOutForecast &) const = default;
};

// Absent where the pace rule projects nothing: no reset date or window, or too early in it
// (a recent rate from history is never too early).
std::optional<RunOutForecast> runOutForecast(const AlertMetric &metric, const QDateTime &now,
                                             std::optional<double> recentRate = std::nullopt);

// "1m", "59m", "1h", "1h 1m", "23h 59m", "1d", "1d 1h".
QString formatDuration(double seconds);
// "At this pace it runs out in 2h 10m, 1h 5m before it resets."
QString runOutSentence(const QDateTime &now, const QDateTime &runsOutAt, const QDateTime &resetsAt);

UsageAlert lowAllowanceAlert(const AlertMetric &metric, int threshold);
UsageAlert resetAlert(const AlertMetric &metric);
// The rapid-usage or ahead-of-pace alert, given the drop in the last 30 minutes.
UsageAlert rapidUsageAlert(const AlertMetric &metric, int drop, const std::optional<PaceProjection> &projection);
UsageAlert disconnectedAlert(const ProviderAllowance &provider);

} // namespace quelta
