#pragma once

#include "SubscriptionAuthStatus.h"

#include "platform/Clock.h"

#include <optional>

namespace quelta {

// The last `claude auth status` answer, shared by every Claude connector of the process (the
// application owns one) so that frequent loads do not start the tool each time. Never persisted.
class AuthStatusCache
{
public:
    static constexpr std::chrono::seconds freshness{900};

    explicit AuthStatusCache(Clock &clock);

    // The stored status while it is younger than `freshness`.
    std::optional<SubscriptionAuthStatus> freshStatus() const;
    void store(const SubscriptionAuthStatus &status);

private:
    Clock &m_clock;
    std::optional<SubscriptionAuthStatus> m_status;
    // On the continuous clock, so that changing the system time neither extends nor ends it.
    Clock::Duration m_checkedAt{};
};

} // namespace quelta
