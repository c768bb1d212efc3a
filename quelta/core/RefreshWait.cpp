#include "RefreshWait.h"

#include "AllowanceMonitor.h"

#include <QCoroSignal>

namespace quelta {

QCoro::Task<void> waitForRefresh(AllowanceMonitor &monitor)
{
    // Every change of the refresh state is announced: wait for those instead of polling.
    while (monitor.isRefreshing())
        co_await qCoro(&monitor, &AllowanceMonitor::changed);
}

} // namespace quelta
