#include "ClaudeTrackedLimit.h"

#include "platform/Quelta.h"

namespace quelta {

ClaudeTrackedLimit claudeTrackedLimitFromRaw(QStringView raw)
{
    return fromRawValue<ClaudeTrackedLimit>(raw).value_or(defaultClaudeTrackedLimit);
}

bool claudeTrackedLimitMatches(ClaudeTrackedLimit tracked, const QString &limitName)
{
    const QString name = limitName.toLower();
    switch (tracked) {
    case ClaudeTrackedLimit::fiveHour:
        return name.contains(QLatin1String("5-hour"));
    case ClaudeTrackedLimit::weeklyAllModels:
        return name.contains(QLatin1String("weekly")) && name.contains(QLatin1String("all models"));
    case ClaudeTrackedLimit::weeklyFable5:
        return name.contains(QLatin1String("weekly")) && name.contains(QLatin1String("fable"));
    }
    return false;
}

QString claudeTrackedLimitUnavailableDetail(ClaudeTrackedLimit tracked)
{
    switch (tracked) {
    case ClaudeTrackedLimit::fiveHour:
        return Quelta::tr("5-hour limit unavailable");
    case ClaudeTrackedLimit::weeklyAllModels:
        return Quelta::tr("Weekly limit unavailable");
    case ClaudeTrackedLimit::weeklyFable5:
        return Quelta::tr("Fable 5 limit unavailable");
    }
    return {};
}

} // namespace quelta
