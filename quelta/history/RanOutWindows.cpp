#include "RanOutWindows.h"

#include "SamplingRule.h"
#include "UsageSparkline.h"

#include "platform/Quelta.h"

#include <QHash>
#include <QLocale>

#include <algorithm>

namespace quelta {

namespace {

QString key(const HistorySeries &series)
{
    return series.provider + QLatin1Char('\n') + series.account + QLatin1Char('\n') + series.limitID;
}

bool sameReset(const std::optional<QDateTime> &one, const std::optional<QDateTime> &other)
{
    if (!one || !other)
        return one == other;
    return std::abs(one->secsTo(*other)) <= std::chrono::seconds(samplingRule::resetJitter).count();
}

} // namespace

QList<RanOutWindow> ranOutWindows(const QList<WindowReset> &resets, const QList<HistorySample> &samples, const QDateTime &now)
{
    QHash<QString, HistorySample> latest;
    for (const HistorySample &sample : samples) {
        if (sample.takenAt <= now)
            latest.insert(key(sample.series), sample);
    }
    QList<RanOutWindow> windows;
    for (const WindowReset &reset : resets) {
        if (reset.ranOutAt)
            windows.append({reset.series, latest.value(key(reset.series)).limitName, *reset.ranOutAt, reset.windowResetAt, false});
    }
    for (const HistorySample &sample : std::as_const(latest)) {
        if (sample.usedPercent < 100 || (sample.resetsAt && *sample.resetsAt <= now))
            continue;
        // When it first reached 100 in this window: the earliest of its run of used-up figures.
        QDateTime ranOutAt = sample.takenAt;
        for (auto it = samples.rbegin(); it != samples.rend(); ++it) {
            if (it->series != sample.series || it->takenAt > now)
                continue;
            if (it->usedPercent < 100 || !sameReset(it->resetsAt, sample.resetsAt))
                break;
            ranOutAt = it->takenAt;
        }
        windows.append({sample.series, sample.limitName, ranOutAt, sample.resetsAt, true});
    }
    std::ranges::sort(windows, std::greater{}, &RanOutWindow::ranOutAt);
    return windows;
}

} // namespace quelta

namespace quelta {

QString ranOutDescription(const RanOutWindow &window, const QDateTime &now, const QTimeZone &zone)
{
    const QString ranOutAt = QLocale().toString(window.ranOutAt.toTimeZone(zone), Quelta::tr("ddd d MMM, HH:mm", "weekday, day, month and time"));
    if (!window.resetAt)
        return Quelta::tr("Ran out %1").arg(ranOutAt);
    if (window.isCurrent)
        return Quelta::tr("Ran out %1 · resets in %2").arg(ranOutAt, elapsedText(now.secsTo(*window.resetAt)));
    return Quelta::tr("Ran out %1 · reset %2 later").arg(ranOutAt, elapsedText(window.ranOutAt.secsTo(*window.resetAt)));
}

} // namespace quelta
