#pragma once

#include "AllowancePercentageStyle.h"

#include <QDateTime>
#include <QJsonObject>
#include <QString>

#include <optional>

namespace quelta {

// One limit or window of a provider, e.g. a 5-hour or weekly window.
struct ProviderLimit {
    QString id;
    QString name;
    QString value;
    std::optional<int> percentage;
    AllowancePercentageStyle percentageStyle = AllowancePercentageStyle::remaining;
    std::optional<QString> detail;
    std::optional<QDateTime> resetsAt;
    std::optional<double> windowDuration;

    bool operator==(const ProviderLimit &) const = default;

    // A window shown as the percentage left of it, e.g. "58%".
    static ProviderLimit remainingPercent(QString id, QString name, int remaining, std::optional<QString> detail,
                                          std::optional<QDateTime> resetsAt, std::optional<double> windowDuration);

    // Persisted form: keys are the field names, optional keys only when present,
    // dates as seconds since 2001-01-01T00:00:00Z.
    QJsonObject toJson() const;
    static std::optional<ProviderLimit> fromJson(const QJsonObject &object);
};

} // namespace quelta
