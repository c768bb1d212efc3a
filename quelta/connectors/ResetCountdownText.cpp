#include "ResetCountdownText.h"

#include <algorithm>

namespace quelta {

QString resetCountdownText(const QDateTime &until, const QDateTime &now)
{
    // Truncated toward zero, then never negative.
    const qint64 seconds = std::max<qint64>(0, now.msecsTo(until) / 1000);
    const qint64 hours = (seconds % 86'400) / 3'600;
    const qint64 minutes = (seconds % 3'600) / 60;
    if (seconds >= 86'400)
        return QStringLiteral("Resets in %1d %2h").arg(seconds / 86'400).arg(hours);
    if (seconds >= 3'600)
        return QStringLiteral("Resets in %1h %2m").arg(hours).arg(minutes);
    return QStringLiteral("Resets in %1m").arg(minutes);
}

} // namespace quelta
