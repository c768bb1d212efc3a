#include "RefreshWait.h"

#include "AllowanceMonitor.h"

#include "platform/NextSignal.h"

namespace quelta {

QCoro::Task<void> waitForRefresh(AllowanceMonitor &monitor)
{
    // Every change of the refresh state is announced: wait for those instead of polling.
    while (monitor.isRefreshing())
        co_await NextSignal(&monitor, &AllowanceMonitor::changed);
}

} // namespace quelta
