#include "RefreshStatusText.h"

#include "platform/Quelta.h"

#include <cmath>

namespace quelta {

namespace {

QString retryText(const AccountID &account, const QDateTime &retry, const QDateTime &now)
{
    qint64 minutes = qint64(std::ceil(double(now.msecsTo(retry)) / 1000.0 / 60.0));
    if (minutes < 2)
        minutes = 1;
    if (minutes <= 59)
        return Quelta::tr("%1 checks again in %nm", nullptr, int(minutes)).arg(displayName(account));
    const int hours = int(std::ceil(double(minutes) / 60.0));
    return Quelta::tr("%1 checks again in %nh", nullptr, hours).arg(displayName(account));
}

} // namespace

QString refreshStatusText(const RefreshStatus &status, const QDateTime &now)
{
    if (status.isShowingManualRefresh)
        return Quelta::tr("Updating…");
    // Until a save succeeds: whatever else the line says would be forgotten at the next start.
    if (status.lastSaveFailed)
        return Quelta::tr("Couldn’t save settings");
    if (status.historyUnavailable)
        return Quelta::tr("Couldn’t keep history");

    std::optional<std::pair<AccountID, QDateTime>> nextRetry;
    for (auto it = status.retryDates.begin(); it != status.retryDates.end(); ++it) {
        if (status.enabledProviderIDs.contains(it.key()) && (!nextRetry || it.value() < nextRetry->second))
            nextRetry = std::pair{it.key(), it.value()};
    }
    if (nextRetry)
        return retryText(nextRetry->first, nextRetry->second, now);

    if (status.lastRefreshFailed)
        return Quelta::tr("Refresh incomplete · Try again");
    if (!status.lastUpdated)
        return status.isRefreshing ? Quelta::tr("Checking allowances") : Quelta::tr("Not updated yet");

    const qint64 seconds = status.lastUpdated->secsTo(now);
    if (seconds < 60)
        return Quelta::tr("Updated just now");
    const int minutes = int(seconds / 60);
    if (minutes < 60)
        return Quelta::tr("Updated %nm ago", nullptr, minutes);
    const int hours = minutes / 60;
    return Quelta::tr("Updated %nh ago", nullptr, hours);
}

} // namespace quelta
