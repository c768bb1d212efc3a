#pragma once

#include "core/ProviderLimit.h"

#include <QDateTime>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>

#include <optional>

namespace quelta {

// One usage window as the usage endpoint reports it.
struct UsageLimit {
    QString id;
    QString name;
    int usedPercentage = 0;
    std::optional<QString> detail;
    std::optional<QDateTime> resetsAt;
    std::optional<double> windowDuration;

    bool operator==(const UsageLimit &) const = default;
};

// True when the body has a `limits` array of objects or one of the legacy window keys.
bool hasUsageShape(const QJsonObject &body);

// The windows of a usage body: the `limits` entries when any of them yields one, otherwise the
// legacy keys. Reset texts count down from `now`.
QList<UsageLimit> parseUsageLimits(const QJsonObject &body, const QDateTime &now);

// "Weekly · all models" becomes "weekly-all-models".
QString slugOf(const QString &name);
// The limit as the popover shows it: what is left of it.
ProviderLimit providerLimitOf(const UsageLimit &usage);

} // namespace quelta
