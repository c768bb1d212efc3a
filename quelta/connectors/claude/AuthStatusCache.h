#pragma once

#include "SubscriptionAuthStatus.h"

#include "platform/Clock.h"

#include <QHash>

#include <optional>

namespace quelta {

// The last `claude auth status` answer of each configuration folder, shared by every Claude
// connector of the process (the application owns one) so that frequent loads do not start the
// tool each time. Never persisted.
class AuthStatusCache
{
public:
    static constexpr std::chrono::seconds freshness{900};

    explicit AuthStatusCache(Clock &clock);

    // The folder's stored status while it is younger than `freshness`.
    std::optional<SubscriptionAuthStatus> freshStatus(const QString &folder) const;
    void store(const QString &folder, const SubscriptionAuthStatus &status);

private:
    struct Entry {
        SubscriptionAuthStatus status;
        // On the continuous clock, so that changing the system time neither extends nor ends it.
        Clock::Duration checkedAt{};
    };

    Clock &m_clock;
    QHash<QString, Entry> m_entries;
};

} // namespace quelta
