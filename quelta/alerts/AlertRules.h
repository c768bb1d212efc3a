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
    // Infinite when nothing has been used yet.
    double timeUntilEmpty = 0;
};

// The low-allowance threshold (25 or 10) a move from `previous` to `current` crosses, unless
// already delivered in this window.
std::optional<int> lowAllowanceThreshold(std::optional<int> previous, int current, const QSet<int> &delivered);

// Whether the metric's window has reset since the state's last evaluation.
bool hasReset(const AlertMetric &metric, const MetricState &state);

// Where the metric is heading at its current rate of use; absent without a usable window.
std::optional<PaceProjection> paceProjection(const AlertMetric &metric, const QDateTime &now);

// "1m", "59m", "1h", "1h 1m", "23h 59m", "1d", "1d 1h".
QString formatDuration(double seconds);

UsageAlert lowAllowanceAlert(const AlertMetric &metric, int threshold);
UsageAlert resetAlert(const AlertMetric &metric);
// The rapid-usage or ahead-of-pace alert, given the drop in the last 30 minutes.
UsageAlert rapidUsageAlert(const AlertMetric &metric, int drop, const std::optional<PaceProjection> &projection);
UsageAlert disconnectedAlert(const ProviderAllowance &provider);

} // namespace quelta
