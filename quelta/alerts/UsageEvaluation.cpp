#include "UsageEvaluation.h"

#include "AlertMetric.h"
#include "AlertRules.h"

#include <algorithm>

namespace quelta {

namespace {

constexpr qint64 historyMilliseconds = 7'200'000;
constexpr qint64 recentMilliseconds = 1'800'000;

// In milliseconds: whole seconds would keep a sample 7,200.5 s old.
qint64 ageOf(const QDateTime &timestamp, const QDateTime &now)
{
    return timestamp.msecsTo(now);
}

struct MetricInput {
    const AlertMetric &metric;
    const QList<UsageSample> &samples;
    const AlertKinds &kinds;
    bool canDeliver;
    const QDateTime &now;
};

void evaluateRapidUsage(const MetricInput &in, MetricState &state, bool alertedAlready, QList<UsageAlert> &due)
{
    const UsageSample *oldest = nullptr;
    for (const UsageSample &sample : in.samples) {
        if (sample.metricKey != in.metric.key || ageOf(sample.timestamp, in.now) > recentMilliseconds)
            continue;
        if (!oldest || sample.timestamp < oldest->timestamp)
            oldest = &sample;
    }
    const int drop = oldest ? std::max(oldest->remaining - in.metric.remaining, 0) : 0;
    const std::optional<PaceProjection> projection = paceProjection(in.metric, in.now);
    const bool atRisk = projection ? projection->isAtRisk : drop >= 10;

    if (!atRisk) {
        state.consecutiveRiskChecks = 0;
        state.consecutiveRecoveryChecks = state.consecutiveRecoveryChecks.value_or(0) + 1;
        if (*state.consecutiveRecoveryChecks >= 2)
            state.deliveredPaceAlert = false;
        return;
    }
    state.consecutiveRiskChecks = state.consecutiveRiskChecks.value_or(0) + 1;
    state.consecutiveRecoveryChecks = 0;
    if (*state.consecutiveRiskChecks < 2 || alertedAlready || state.deliveredPaceAlert.value_or(false) || !in.canDeliver)
        return;
    due.append(rapidUsageAlert(in.metric, drop, projection));
    state.deliveredPaceAlert = true;
    state.lastRapidAlertAt = in.now;
}

MetricState evaluateMetric(const MetricInput &in, MetricState state, QList<UsageAlert> &due)
{
    const std::optional<int> previous = state.lastRemaining;
    if (hasReset(in.metric, state)) {
        state.deliveredLowThresholds.clear();
        state.lastRapidAlertAt.reset();
        state.consecutiveRiskChecks = 0;
        state.consecutiveRecoveryChecks = 0;
        state.deliveredPaceAlert = false;
        if (in.kinds.resetAlerts && in.canDeliver)
            due.append(resetAlert(in.metric));
    } else {
        bool alerted = false;
        if (in.kinds.lowAllowance && in.canDeliver) {
            if (const std::optional<int> threshold = lowAllowanceThreshold(previous, in.metric.remaining, state.deliveredLowThresholds)) {
                due.append(lowAllowanceAlert(in.metric, *threshold));
                state.deliveredLowThresholds.insert(*threshold);
                if (*threshold == 10)
                    state.deliveredLowThresholds.insert(25);
                alerted = true;
            }
        }
        if (in.kinds.rapidUsage)
            evaluateRapidUsage(in, state, alerted, due);
    }
    state.lastRemaining = in.metric.remaining;
    state.lastResetAt = in.metric.resetsAt;
    return state;
}

} // namespace

UsageEvaluation evaluateUsage(const ProviderAllowance &provider, AlertHistory history, const AlertKinds &kinds, bool canDeliver,
                              const QDateTime &now)
{
    UsageEvaluation evaluation;
    history.samples.erase(std::remove_if(history.samples.begin(), history.samples.end(),
                                         [&](const UsageSample &sample) { return ageOf(sample.timestamp, now) > historyMilliseconds; }),
                          history.samples.end());
    for (const AlertMetric &metric : alertMetrics(provider)) {
        const MetricInput in{metric, history.samples, kinds, canDeliver, now};
        history.metricStates.insert(metric.key, evaluateMetric(in, history.metricStates.value(metric.key), evaluation.alerts));
        history.samples.append(UsageSample{metric.key, metric.remaining, now});
    }
    evaluation.history = std::move(history);
    return evaluation;
}

} // namespace quelta
