#include "RefreshStatusText.h"

#include <cmath>

namespace quelta {

namespace {

QString retryText(const AccountID &account, const QDateTime &retry, const QDateTime &now)
{
    qint64 minutes = qint64(std::ceil(double(now.msecsTo(retry)) / 1000.0 / 60.0));
    if (minutes < 2)
        minutes = 1;
    const QString count = minutes <= 59 ? QStringLiteral("%1m").arg(minutes)
                                        : QStringLiteral("%1h").arg(qint64(std::ceil(double(minutes) / 60.0)));
    return displayName(account) + QStringLiteral(" checks again in ") + count;
}

} // namespace

QString refreshStatusText(const RefreshStatus &status, const QDateTime &now)
{
    if (status.isShowingManualRefresh)
        return QStringLiteral("Updating…");
    // Until a save succeeds: whatever else the line says would be forgotten at the next start.
    if (status.lastSaveFailed)
        return QStringLiteral("Couldn’t save settings");
    if (status.historyUnavailable)
        return QStringLiteral("Couldn’t keep history");

    std::optional<std::pair<AccountID, QDateTime>> nextRetry;
    for (auto it = status.retryDates.begin(); it != status.retryDates.end(); ++it) {
        if (status.enabledProviderIDs.contains(it.key()) && (!nextRetry || it.value() < nextRetry->second))
            nextRetry = std::pair{it.key(), it.value()};
    }
    if (nextRetry)
        return retryText(nextRetry->first, nextRetry->second, now);

    if (status.lastRefreshFailed)
        return QStringLiteral("Refresh incomplete · Try again");
    if (!status.lastUpdated)
        return status.isRefreshing ? QStringLiteral("Checking allowances") : QStringLiteral("Not updated yet");

    const qint64 seconds = status.lastUpdated->secsTo(now);
    if (seconds < 60)
        return QStringLiteral("Updated just now");
    if (seconds < 3600)
        return QStringLiteral("Updated %1m ago").arg(seconds / 60);
    return QStringLiteral("Updated %1h ago").arg(seconds / 3600);
}

} // namespace quelta
