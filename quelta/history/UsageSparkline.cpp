#include "UsageSparkline.h"

#include "SamplingRule.h"
#include "UsageChartLine.h"

#include "platform/Quelta.h"

#include <algorithm>

namespace quelta {

namespace {

constexpr qint64 day = 24 * 3600;

bool namesReset(const HistorySample &sample, const QDateTime &reset)
{
    const qint64 jitter = std::chrono::seconds(samplingRule::resetJitter).count();
    return sample.resetsAt && std::abs(sample.resetsAt->secsTo(reset)) <= jitter;
}

QList<HistorySample> windowOf(const QList<HistorySample> &samples, const QDateTime &reset)
{
    QList<HistorySample> window;
    std::ranges::copy_if(samples, std::back_inserter(window), [&](const HistorySample &sample) { return namesReset(sample, reset); });
    return window;
}

// "last week" and "yesterday" only for the window right before this one; whole sentences, as
// word order differs between languages.
QString comparedDescription(qint64 window, bool adjoins)
{
    if (adjoins && window == 7 * day)
        return Quelta::tr("Used %1 % in %2; last week %3 % at this point");
    if (adjoins && window == day)
        return Quelta::tr("Used %1 % in %2; yesterday %3 % at this point");
    return Quelta::tr("Used %1 % in %2; last window %3 % at this point");
}

// The previous window's figure as far into it as now is into the current one; absent when its
// record starts later.
std::optional<int> figureAt(const QList<HistorySample> &window, const QDateTime &time)
{
    std::optional<int> figure;
    for (const HistorySample &sample : window) {
        if (sample.takenAt > time)
            break;
        figure = sample.usedPercent;
    }
    return figure;
}

} // namespace

QString elapsedText(qint64 seconds)
{
    if (seconds >= day)
        return Quelta::tr("%n day(s)", nullptr, int(seconds / day));
    if (seconds >= 3600)
        return Quelta::tr("%n hour(s)", nullptr, int(seconds / 3600));
    return Quelta::tr("%n minute(s)", nullptr, int(std::max<qint64>(1, seconds / 60)));
}

std::optional<UsageSparkline> usageSparkline(const QList<HistorySample> &samples, const QDateTime &now)
{
    const auto latest = std::find_if(samples.rbegin(), samples.rend(), [&](const HistorySample &sample) { return sample.takenAt <= now; });
    if (latest == samples.rend() || !latest->resetsAt || !latest->windowSeconds || *latest->windowSeconds <= 0 || *latest->resetsAt <= now)
        return std::nullopt;
    const qint64 window = *latest->windowSeconds;
    const QDateTime reset = *latest->resetsAt;
    const QDateTime start = reset.addSecs(-window);

    UsageSparkline sparkline;
    const QList<HistorySample> current = windowOf(samples, reset);
    sparkline.current = usageChartLine::steps(current, start, reset, now);
    sparkline.nowAt = std::clamp(double(start.secsTo(now)) / double(window), 0.0, 1.0);
    const QString elapsed = elapsedText(start.secsTo(now));
    sparkline.description = Quelta::tr("Used %1 % in %2").arg(latest->usedPercent).arg(elapsed);

    // The window before: the latest one that reset before this one began, give or take the jitter.
    const auto earlier = std::find_if(samples.rbegin(), samples.rend(), [&](const HistorySample &sample) {
        return sample.resetsAt && *sample.resetsAt < reset && !namesReset(sample, reset);
    });
    if (earlier == samples.rend())
        return sparkline;
    const QDateTime previousReset = *earlier->resetsAt;
    const QDateTime previousStart = previousReset.addSecs(-window);
    const QList<HistorySample> previous = windowOf(samples, previousReset);
    sparkline.previous = usageChartLine::steps(previous, previousStart, previousReset, previousReset);
    if (const std::optional<int> then = figureAt(previous, previousStart.addSecs(start.secsTo(now))))
        sparkline.description = comparedDescription(window, namesReset(*earlier, start)).arg(latest->usedPercent).arg(elapsed).arg(*then);
    return sparkline;
}

} // namespace quelta
