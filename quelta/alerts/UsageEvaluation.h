#pragma once

#include "AlertKinds.h"
#include "UsageAlertData.h"

#include <QDateTime>
#include <QList>

namespace quelta {

// The rules' memory across refreshes: two hours of samples and each metric's alert state.
struct AlertHistory {
    QList<UsageSample> samples;
    MetricStates metricStates;

    bool operator==(const AlertHistory &) const = default;
};

struct UsageEvaluation {
    QList<UsageAlert> alerts;
    AlertHistory history;
};

// One refresh of a connected provider weighed against the history: the alerts due, and the
// history that follows (samples older than two hours dropped, this refresh's appended).
// `canDeliver`: an alert of this provider could be posted now; where it could not, nothing
// counts as alerted.
UsageEvaluation evaluateUsage(const ProviderAllowance &provider, AlertHistory history, const AlertKinds &kinds, bool canDeliver,
                              const QDateTime &now);

} // namespace quelta
