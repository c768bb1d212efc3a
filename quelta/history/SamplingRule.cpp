#include "SamplingRule.h"

namespace quelta::samplingRule {

namespace {

constexpr qint64 resetJitterSeconds = std::chrono::seconds(resetJitter).count();

bool sameReset(const std::optional<QDateTime> &a, const std::optional<QDateTime> &b)
{
    if (!a || !b)
        return a.has_value() == b.has_value();
    return std::abs(a->secsTo(*b)) <= resetJitterSeconds;
}

} // namespace

bool isWorthStoring(const std::optional<HistorySample> &last, const HistorySample &next)
{
    if (!last)
        return true;
    if (last->usedPercent != next.usedPercent || !sameReset(last->resetsAt, next.resetsAt))
        return true;
    return last->takenAt.msecsTo(next.takenAt) >= std::chrono::milliseconds(steadyInterval).count();
}

bool startsNewWindow(const HistorySample &last, const HistorySample &next)
{
    if (!last.resetsAt)
        return false;
    if (next.resetsAt && last.resetsAt->secsTo(*next.resetsAt) > resetJitterSeconds)
        return true;
    return *last.resetsAt <= next.takenAt;
}

} // namespace quelta::samplingRule
