#include "AuthStatusCache.h"

namespace quelta {

AuthStatusCache::AuthStatusCache(Clock &clock)
    : m_clock(clock)
{
}

std::optional<SubscriptionAuthStatus> AuthStatusCache::freshStatus() const
{
    if (!m_status || m_clock.elapsed() - m_checkedAt >= freshness)
        return std::nullopt;
    return m_status;
}

void AuthStatusCache::store(const SubscriptionAuthStatus &status)
{
    m_status = status;
    m_checkedAt = m_clock.elapsed();
}

} // namespace quelta
