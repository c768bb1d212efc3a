#include "AlertRules.h"

#include "platform/Quelta.h"

#include <algorithm>
#include <cmath>

namespace quelta {

namespace {

constexpr double minimumResetShift = 900;
constexpr double resetShiftWithoutWindow = 1800;
constexpr double riskMargin = 1800;
// Before this share of a window has passed, its pace says too little to project from.
constexpr double minimumElapsedShare = 0.03;

// Inside a sentence English lowercases "Weekly limit"; a language that capitalises its nouns
// answers "keep".
QString limitInSentence(const QString &limitName)
{
    const QString casing = Quelta::tr("lowercase", "a limit's name inside a sentence: lowercase, or keep");
    return casing == QLatin1String("keep") ? limitName : limitName.toLower();
}

} // namespace

std::optional<int> lowAllowanceThreshold(std::optional<int> previous, int current, const QSet<int> &delivered)
{
    for (const int threshold : {10, 25}) {
        if (current > threshold)
            continue;
        if ((previous && *previous <= threshold) || delivered.contains(threshold))
            return std::nullopt;
        return threshold;
    }
    return std::nullopt;
}

bool hasReset(const AlertMetric &metric, const MetricState &state)
{
    if (!state.lastRemaining)
        return false;
    const int previous = *state.lastRemaining;
    if (metric.remaining - previous >= 50)
        return true;
    if (previous < 95 && metric.remaining >= 95)
        return true;
    if (!state.lastResetAt || !metric.resetsAt)
        return false;
    const double shift = metric.windowDuration ? std::max(0.25 * *metric.windowDuration, minimumResetShift)
                                               : resetShiftWithoutWindow;
    return double(state.lastResetAt->msecsTo(*metric.resetsAt)) / 1000.0 >= shift;
}

std::optional<PaceProjection> paceProjection(const AlertMetric &metric, const QDateTime &now, std::optional<double> recentRate)
{
    if (!metric.resetsAt || !metric.windowDuration || !(*metric.windowDuration > 0))
        return std::nullopt;
    const double window = *metric.windowDuration;
    const double untilReset = double(now.msecsTo(*metric.resetsAt)) / 1000.0;
    if (untilReset <= 0 || untilReset > window)
        return std::nullopt;
    const double elapsed = window - untilReset;
    if (elapsed <= 0)
        return std::nullopt;

    PaceProjection projection;
    projection.usedPercent = 100 - metric.remaining;
    projection.timeUntilReset = untilReset;
    projection.hasEnoughElapsed = recentRate || elapsed / window >= minimumElapsedShare;
    const double rate = recentRate.value_or(projection.usedPercent / elapsed);
    projection.timeUntilEmpty = rate <= 0 ? INFINITY : metric.remaining / rate;
    projection.isAtRisk = untilReset - projection.timeUntilEmpty >= riskMargin && untilReset > riskMargin
        && metric.remaining > 25 && projection.usedPercent > 4 && projection.hasEnoughElapsed;
    return projection;
}

std::optional<RunOutForecast> runOutForecast(const AlertMetric &metric, const QDateTime &now, std::optional<double> recentRate)
{
    const std::optional<PaceProjection> projection = paceProjection(metric, now, recentRate);
    if (!projection || !projection->hasEnoughElapsed)
        return std::nullopt;
    RunOutForecast forecast;
    forecast.basis = recentRate ? ForecastBasis::recent : ForecastBasis::window;
    forecast.atRisk = projection->isAtRisk;
    // Compared in whole milliseconds, so that a pace that empties the limit exactly at its reset
    // does not land on either side by a rounding error.
    if (std::isfinite(projection->timeUntilEmpty)) {
        const qint64 untilEmpty = std::llround(projection->timeUntilEmpty * 1000);
        if (untilEmpty < now.msecsTo(*metric.resetsAt)) {
            forecast.runsOutAt = now.addMSecs(untilEmpty);
            forecast.beforeReset = true;
        }
    }
    return forecast;
}

QString runOutSentence(const QDateTime &now, const QDateTime &runsOutAt, const QDateTime &resetsAt)
{
    return Quelta::tr("At this pace it runs out in %1, %2 before it resets.")
        .arg(formatDuration(double(now.msecsTo(runsOutAt)) / 1000.0), formatDuration(double(runsOutAt.msecsTo(resetsAt)) / 1000.0));
}

QString formatDuration(double seconds)
{
    const qint64 s = std::max<qint64>(0, qint64(std::round(seconds)));
    if (s >= 86'400) {
        const qint64 days = s / 86'400;
        const qint64 rest = s % 86'400;
        return rest < 3600 ? Quelta::tr("%1d", "a duration").arg(days) : Quelta::tr("%1d %2h", "a duration").arg(days).arg(rest / 3600);
    }
    if (s >= 3600) {
        const qint64 hours = s / 3600;
        const qint64 rest = s % 3600;
        return rest < 60 ? Quelta::tr("%1h", "a duration").arg(hours) : Quelta::tr("%1h %2m", "a duration").arg(hours).arg(rest / 60);
    }
    return Quelta::tr("%1m", "a duration").arg(s < 60 ? 1 : s / 60);
}

UsageAlert lowAllowanceAlert(const AlertMetric &metric, int threshold)
{
    QString body = Quelta::tr("%1 has %2% remaining.").arg(metric.limitName, QString::number(metric.remaining));
    if (metric.resetDetail)
        body = Quelta::tr("%1 %2.", "what is left, then when it resets").arg(body, *metric.resetDetail);
    const bool almostOut = threshold == 10;
    const QString title = (almostOut ? Quelta::tr("%1 is almost out") : Quelta::tr("%1 is running low")).arg(metric.providerName);
    return {title, body, metric.account, almostOut};
}

UsageAlert resetAlert(const AlertMetric &metric)
{
    return {Quelta::tr("%1 limit reset").arg(metric.providerName),
            Quelta::tr("%1 is back to %2% remaining.").arg(metric.limitName, QString::number(metric.remaining)), metric.account};
}

UsageAlert rapidUsageAlert(const AlertMetric &metric, int drop, const std::optional<PaceProjection> &projection)
{
    const QString limit = limitInSentence(metric.limitName);
    const QString rising = Quelta::tr("%1 usage is rising quickly").arg(metric.providerName);
    const QString recent = Quelta::tr("You’ve used %1% of your %2 within 30 minutes.").arg(QString::number(drop), limit);
    if (!projection || !projection->isAtRisk)
        return {rising, recent, metric.account};
    if (drop >= 5) {
        return {rising,
                recent + Quelta::tr(" At this pace, you may run out before it resets in %1.").arg(formatDuration(projection->timeUntilReset)),
                metric.account};
    }
    return {Quelta::tr("%1 usage is ahead of pace").arg(metric.providerName),
            Quelta::tr("You’ve used %1% of your %2 with %3 left. At this rate, you may run out in about %4.")
                .arg(QString::number(projection->usedPercent), limit, formatDuration(projection->timeUntilReset),
                     formatDuration(projection->timeUntilEmpty)),
            metric.account};
}

UsageAlert disconnectedAlert(const ProviderAllowance &provider)
{
    return {Quelta::tr("%1 disconnected").arg(provider.name),
            Quelta::tr("Reconnect %1 to keep its usage up to date in Quelta.").arg(provider.name), accountOf(provider)};
}

} // namespace quelta
