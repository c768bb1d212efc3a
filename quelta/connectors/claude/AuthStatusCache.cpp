#include "AuthStatusCache.h"

namespace quelta {

AuthStatusCache::AuthStatusCache(Clock &clock)
    : m_clock(clock)
{
}

std::optional<SubscriptionAuthStatus> AuthStatusCache::freshStatus(const QString &folder) const
{
    const auto entry = m_entries.constFind(folder);
    if (entry == m_entries.constEnd() || m_clock.elapsed() - entry->checkedAt >= freshness)
        return std::nullopt;
    return entry->status;
}

void AuthStatusCache::store(const QString &folder, const SubscriptionAuthStatus &status)
{
    m_entries.insert(folder, {status, m_clock.elapsed()});
}

} // namespace quelta
