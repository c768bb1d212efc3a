#include "RefreshPolicy.h"

#include <cmath>

namespace quelta::refreshPolicy {

namespace {

using std::chrono::milliseconds;

milliseconds elapsed(const QDateTime &from, const QDateTime &to)
{
    return milliseconds(from.msecsTo(to));
}

std::optional<QDateTime> believableAttempt(const RefreshDates &dates, const QDateTime &now)
{
    if (!dates.lastAttempt || *dates.lastAttempt > now.addSecs(futureTolerance.count()))
        return std::nullopt;
    return dates.lastAttempt;
}

seconds spacing(ProviderID id)
{
    return id == ProviderID::claudeCode ? claudeSpacing : seconds(0);
}

} // namespace

bool isBelievableRetry(const QDateTime &retry, const QDateTime &now)
{
    return retry > now && retry <= now.addSecs((longestSuggestedDelay + futureTolerance).count());
}

bool isHeldBackByRetry(const RefreshDates &dates, const QDateTime &now)
{
    return dates.retry && *dates.retry > now;
}

bool isHeldBackBySpacing(ProviderID id, const RefreshDates &dates, const QDateTime &now)
{
    const std::optional<QDateTime> attempt = believableAttempt(dates, now);
    return attempt && elapsed(*attempt, now) < spacing(id);
}

bool isDue(ProviderID id, const RefreshDates &dates, const QDateTime &now)
{
    return !isHeldBackByRetry(dates, now) && !isHeldBackBySpacing(id, dates, now);
}

bool isStale(ProviderID id, const RefreshDates &dates, const QDateTime &now, seconds maxAge)
{
    if (isHeldBackByRetry(dates, now))
        return false;
    std::optional<QDateTime> reference = believableAttempt(dates, now);
    if (dates.lastSuccess && (!reference || *dates.lastSuccess > *reference))
        reference = dates.lastSuccess;
    return !reference || elapsed(*reference, now) >= std::max(maxAge, spacing(id));
}

milliseconds rateLimitDelay(ProviderID id, std::optional<double> suggestedSeconds)
{
    const seconds floor = id == ProviderID::claudeCode ? claudeRateLimitFloor : rateLimitFloor;
    const bool believable = suggestedSeconds && std::isfinite(*suggestedSeconds) && *suggestedSeconds > 0
        && *suggestedSeconds <= double(longestSuggestedDelay.count());
    if (!believable)
        return floor;
    return std::max<milliseconds>(floor, milliseconds(qint64(*suggestedSeconds * 1000)));
}

seconds loopInterval(bool alertsWantFrequentRefresh, const std::optional<QDateTime> &lastInteraction, const QDateTime &now)
{
    if (alertsWantFrequentRefresh)
        return alertsInterval;
    if (!lastInteraction)
        return idleInterval;
    const milliseconds since = elapsed(*lastInteraction, now);
    if (since <= activeWindow)
        return activeInterval;
    if (since <= recentWindow)
        return recentInterval;
    return idleInterval;
}

} // namespace quelta::refreshPolicy
