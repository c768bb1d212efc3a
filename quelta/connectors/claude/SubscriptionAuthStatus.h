#pragma once

#include <QString>

namespace quelta {

// What `claude auth status` reported.
struct SubscriptionAuthStatus {
    bool loggedIn = false;
    QString authMethod;
    QString subscriptionType;

    bool operator==(const SubscriptionAuthStatus &) const = default;
};

} // namespace quelta
