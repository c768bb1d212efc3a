#include "DailyPeaks.h"

namespace quelta {

QMap<QDate, int> dailyPeaks(const QList<HistorySample> &samples, const QTimeZone &zone)
{
    QMap<QDate, int> peaks;
    for (const HistorySample &sample : samples) {
        const QDate day = sample.takenAt.toTimeZone(zone).date();
        const auto found = peaks.find(day);
        if (found == peaks.end())
            peaks.insert(day, sample.usedPercent);
        else
            *found = std::max(*found, sample.usedPercent);
    }
    return peaks;
}

} // namespace quelta
