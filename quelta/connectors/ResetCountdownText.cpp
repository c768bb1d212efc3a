#include "ResetCountdownText.h"

#include "platform/Quelta.h"

#include <QLocale>

#include <algorithm>

namespace quelta {

QString resetCountdownText(const QDateTime &until, const QDateTime &now)
{
    // Truncated toward zero, then never negative.
    const qint64 seconds = std::max<qint64>(0, now.msecsTo(until) / 1000);
    const qint64 hours = (seconds % 86'400) / 3'600;
    const qint64 minutes = (seconds % 3'600) / 60;
    // A number beside a unit reads in the locale's digits; a lone count takes the language's plural.
    const QLocale locale;
    if (seconds >= 86'400)
        return Quelta::tr("Resets in %1d %2h").arg(locale.toString(seconds / 86'400), locale.toString(hours));
    if (seconds >= 3'600)
        return Quelta::tr("Resets in %1h %2m").arg(locale.toString(hours), locale.toString(minutes));
    return Quelta::tr("Resets in %nm", nullptr, int(minutes));
}

} // namespace quelta
