#pragma once

#include "AllowanceStore.h"
#include "RefreshResult.h"

#include <QList>

namespace quelta {

// Who asked for a refresh: analytics count the background ones and the manual ones apart.
enum class RefreshSource { background, manual, connection, foreground };

// One refresh of the due providers: the loads still out and how those back went.
struct RefreshRound {
    bool isRunning = false;
    bool showsManualRefresh = false;
    // Figures left stale by a provider that simply was not due are no failure "Try again" could mend.
    bool lastFailed = false;
    RefreshSource source = RefreshSource::background;
    AccountSet pending;
    AccountSet succeeded;
    AccountSet failed;

    void start(const QList<AccountID> &due, bool showsManual, RefreshSource from)
    {
        lastFailed = false;
        source = from;
        isRunning = !due.isEmpty();
        showsManualRefresh = showsManual && isRunning;
        pending = AccountSet(due.begin(), due.end());
        succeeded.clear();
        failed.clear();
    }

    // `someConnected`: one of the providers that succeeded shows figures now.
    RefreshResult finish(bool someConnected)
    {
        lastFailed = !failed.isEmpty();
        isRunning = false;
        showsManualRefresh = false;
        if (!lastFailed)
            return RefreshResult::success;
        return someConnected ? RefreshResult::partial : RefreshResult::failed;
    }
};

} // namespace quelta
