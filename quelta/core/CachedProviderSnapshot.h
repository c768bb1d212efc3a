#pragma once

#include "AllowancePercentageStyle.h"
#include "ProviderLimit.h"

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>

namespace quelta {

// The persisted copy of a connected provider's figures.
struct CachedProviderSnapshot {
    QString id; // kept as a string so that unrecognised providers survive decoding
    QString detail;
    std::optional<int> remaining;
    std::optional<int> displayPercentage;
    std::optional<AllowancePercentageStyle> percentageStyle;
    std::optional<QString> displayedLimitID;
    std::optional<QList<ProviderLimit>> limits;
    std::optional<QString> planName;
    QDateTime savedAt;

    bool operator==(const CachedProviderSnapshot &) const = default;

    QJsonObject toJson() const;
    static std::optional<CachedProviderSnapshot> fromJson(const QJsonObject &object);
};

} // namespace quelta
