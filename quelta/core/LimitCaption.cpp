#include "LimitCaption.h"

#include "platform/Quelta.h"

namespace quelta {

// Connectors name their limits in English; the known ones read in the session's language.
QString limitCaption(const QString &limitName)
{
    if (limitName.contains(QLatin1String("5-hour"), Qt::CaseInsensitive))
        return Quelta::tr("5-hour limit");
    if (limitName.contains(QLatin1String("weekly"), Qt::CaseInsensitive))
        return Quelta::tr("Weekly limit");
    if (limitName.contains(QLatin1String("daily"), Qt::CaseInsensitive))
        return Quelta::tr("Daily limit");
    return limitName;
}

} // namespace quelta
