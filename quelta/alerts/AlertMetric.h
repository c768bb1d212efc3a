#pragma once

#include "core/AccountID.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace quelta {

// One tracked limit of one account, built afresh on every refresh.
struct AlertMetric {
    QString key;
    AccountID account;
    QString providerName;
    QString limitName;
    int remaining = 0;
    std::optional<QString> resetDetail;
    std::optional<QDateTime> resetsAt;
    std::optional<double> windowDuration;

    bool operator==(const AlertMetric &) const = default;
};

// The metric of one of the provider's limits; absent when the limit has no percentage.
std::optional<AlertMetric> alertMetric(const ProviderAllowance &provider, const ProviderLimit &limit);

// One metric per considered limit, or one provider-level ":summary" metric, or none.
QList<AlertMetric> alertMetrics(const ProviderAllowance &provider);

} // namespace quelta
