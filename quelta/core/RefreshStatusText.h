#pragma once

#include "AllowanceStore.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace quelta {

// What the footer's status line is derived from.
struct RefreshStatus {
    bool isShowingManualRefresh = false;
    bool isRefreshing = false;
    bool lastRefreshFailed = false;
    std::optional<QDateTime> lastUpdated;
    AccountSet enabledProviderIDs;
    AccountDates retryDates;
    // Something the monitor, the alerts or the analytics changed is not on the disk.
    bool lastSaveFailed = false;
    // The history file cannot be used: figures go unrecorded.
    bool historyUnavailable = false;
};

// "Updating…", "Couldn’t save settings", "Couldn’t keep history", "Claude checks again in 30m", "Refresh incomplete · Try again", "Updated 5m ago", …
QString refreshStatusText(const RefreshStatus &status, const QDateTime &now);

} // namespace quelta
