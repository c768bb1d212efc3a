#include "RecentPace.h"

#include "SamplingRule.h"

namespace quelta::recentPace {

namespace {

constexpr std::chrono::hours longestLookback{3};
// A steady figure is stored on the first refresh after the steady interval, a refresh interval late.
constexpr std::chrono::seconds longestSilence = samplingRule::steadyInterval + std::chrono::minutes(15);

bool sameWindow(const HistorySample &sample, const HistorySample &current)
{
    return sample.resetsAt && current.resetsAt
        && std::abs(sample.resetsAt->secsTo(*current.resetsAt)) <= std::chrono::seconds(samplingRule::resetJitter).count();
}

} // namespace

std::chrono::seconds lookback(std::chrono::seconds window)
{
    return std::min<std::chrono::seconds>(longestLookback, window / 4);
}

std::optional<double> usageRate(const QList<HistorySample> &stored, const HistorySample &current)
{
    if (!current.windowSeconds || !current.resetsAt)
        return std::nullopt;
    const qint64 reach = lookback(std::chrono::seconds(*current.windowSeconds)).count();
    const QDateTime from = current.takenAt.addSecs(-reach);
    QList<HistorySample> window;
    for (const HistorySample &sample : stored) {
        if (sample.series == current.series && sample.takenAt < current.takenAt && sameWindow(sample, current))
            window << sample;
    }
    std::ranges::sort(window, {}, &HistorySample::takenAt);
    // The figure at the lookback's start: the last sample before it.
    const auto anchor = std::ranges::find_if(window.crbegin(), window.crend(), [&](const HistorySample &s) { return s.takenAt <= from; });
    if (anchor == window.crend())
        return std::nullopt;
    QDateTime previous = anchor->takenAt;
    for (auto later = anchor.base(); later != window.cend(); ++later) {
        if (previous.secsTo(later->takenAt) > longestSilence.count())
            return std::nullopt;
        previous = later->takenAt;
    }
    if (previous.secsTo(current.takenAt) > longestSilence.count() || anchor->takenAt.secsTo(from) > longestSilence.count())
        return std::nullopt;
    return std::max(0.0, double(current.usedPercent - anchor->usedPercent) / double(reach));
}

} // namespace quelta::recentPace
