#include "UsageSparkline.h"

#include "SamplingRule.h"
#include "UsageChartLine.h"

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

// "last week" and "yesterday" only for the window right before this one.
QString previousWindowName(qint64 window, bool adjoins)
{
    if (!adjoins)
        return QStringLiteral("last window");
    if (window == 7 * day)
        return QStringLiteral("last week");
    if (window == day)
        return QStringLiteral("yesterday");
    return QStringLiteral("last window");
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
    const auto counted = [](qint64 count, const char *unit) {
        return QStringLiteral("%1 %2%3").arg(count).arg(QLatin1String(unit), count == 1 ? QString() : QStringLiteral("s"));
    };
    if (seconds >= day)
        return counted(seconds / day, "day");
    if (seconds >= 3600)
        return counted(seconds / 3600, "hour");
    return counted(std::max<qint64>(1, seconds / 60), "minute");
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
    sparkline.description = QStringLiteral("Used %1 % in %2").arg(latest->usedPercent).arg(elapsedText(start.secsTo(now)));

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
        sparkline.description += QStringLiteral("; %1 %2 % at this point").arg(previousWindowName(window, namesReset(*earlier, start))).arg(*then);
    return sparkline;
}

} // namespace quelta
