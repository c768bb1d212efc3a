#include "UsageChartLine.h"

#include <algorithm>

namespace quelta::usageChartLine {

QList<QList<QPointF>> steps(const QList<HistorySample> &samples, const QDateTime &from, const QDateTime &to, const QDateTime &until)
{
    QList<QList<QPointF>> lines;
    const qint64 span = from.msecsTo(to);
    if (span <= 0)
        return lines;
    const QDateTime end = std::min(until, to);
    const qint64 hold = std::chrono::milliseconds(longestHold).count();
    const auto x = [&](const QDateTime &time) { return std::clamp(double(from.msecsTo(time)) / double(span), 0.0, 1.0); };
    QList<QPointF> line;
    for (qsizetype index = 0; index < samples.size(); ++index) {
        const HistorySample &sample = samples[index];
        const bool isLast = index + 1 == samples.size();
        const QDateTime next = isLast ? end : samples[index + 1].takenAt;
        // A figure taken just as the span ends is still a point on it.
        if (sample.takenAt > end)
            break;
        // Held until the next sample, within the longest hold, and no further than the span.
        const QDateTime heldUntil = std::min(next, std::min(end, sample.takenAt.addMSecs(hold)));
        if (heldUntil < from)
            continue;
        const double y = sample.usedPercent / 100.0;
        line.append(QPointF(x(std::max(sample.takenAt, from)), y));
        line.append(QPointF(x(heldUntil), y));
        if (heldUntil < next && !isLast) {
            lines.append(line);
            line.clear();
        }
    }
    if (!line.isEmpty())
        lines.append(line);
    return lines;
}

QList<QList<QPointF>> peaksPerColumn(const QList<QList<QPointF>> &lines, int columns)
{
    QList<QList<QPointF>> thinned;
    const auto column = [columns](const QPointF &point) { return std::min(columns - 1, int(point.x() * columns)); };
    for (const QList<QPointF> &line : lines) {
        QList<QPointF> kept;
        for (qsizetype first = 0; first < line.size();) {
            qsizetype last = first;
            double peak = line[first].y();
            while (last + 1 < line.size() && column(line[last + 1]) == column(line[first]))
                peak = std::max(peak, line[++last].y());
            kept.append(QPointF(line[first].x(), peak));
            if (last != first)
                kept.append(QPointF(line[last].x(), peak));
            first = last + 1;
        }
        thinned.append(kept);
    }
    return thinned;
}

} // namespace quelta::usageChartLine
