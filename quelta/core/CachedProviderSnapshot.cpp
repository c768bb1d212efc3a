#include "CachedProviderSnapshot.h"

#include "JsonObjectReader.h"
#include "ReferenceDate.h"

#include <QJsonArray>

namespace quelta {

QJsonObject CachedProviderSnapshot::toJson() const
{
    QJsonObject object{
        {QStringLiteral("id"), id},
        {QStringLiteral("detail"), detail},
        {QStringLiteral("savedAt"), secondsSinceReferenceDate(savedAt)},
    };
    if (remaining)
        object.insert(QStringLiteral("remaining"), *remaining);
    if (displayPercentage)
        object.insert(QStringLiteral("displayPercentage"), *displayPercentage);
    if (percentageStyle)
        object.insert(QStringLiteral("percentageStyle"), toRawValue(*percentageStyle));
    if (displayedLimitID)
        object.insert(QStringLiteral("displayedLimitID"), *displayedLimitID);
    if (limits) {
        QJsonArray array;
        for (const ProviderLimit &limit : *limits)
            array.append(limit.toJson());
        object.insert(QStringLiteral("limits"), array);
    }
    if (planName)
        object.insert(QStringLiteral("planName"), *planName);
    return object;
}

namespace {

std::optional<QList<ProviderLimit>> limitsFromJson(const QJsonValue &value, bool &valid)
{
    if (value.isUndefined() || value.isNull())
        return std::nullopt;
    if (!value.isArray()) {
        valid = false;
        return std::nullopt;
    }
    QList<ProviderLimit> limits;
    for (const QJsonValue &element : value.toArray()) {
        const auto limit = element.isObject() ? ProviderLimit::fromJson(element.toObject()) : std::nullopt;
        if (!limit) {
            valid = false;
            return std::nullopt;
        }
        limits.append(*limit);
    }
    return limits;
}

} // namespace

std::optional<CachedProviderSnapshot> CachedProviderSnapshot::fromJson(const QJsonObject &object)
{
    JsonObjectReader reader(object);
    CachedProviderSnapshot snapshot;
    snapshot.id = reader.requiredString(QStringLiteral("id"));
    snapshot.detail = reader.requiredString(QStringLiteral("detail"));
    snapshot.remaining = reader.optionalInteger(QStringLiteral("remaining"));
    snapshot.displayPercentage = reader.optionalInteger(QStringLiteral("displayPercentage"));
    bool valid = true;
    if (const auto style = reader.optionalString(QStringLiteral("percentageStyle"))) {
        snapshot.percentageStyle = fromRawValue<AllowancePercentageStyle>(*style);
        valid = snapshot.percentageStyle.has_value();
    }
    snapshot.displayedLimitID = reader.optionalString(QStringLiteral("displayedLimitID"));
    snapshot.limits = limitsFromJson(object.value(QStringLiteral("limits")), valid);
    snapshot.planName = reader.optionalString(QStringLiteral("planName"));
    const std::optional<QDateTime> savedAt = readableDateSinceReferenceDate(reader.requiredNumber(QStringLiteral("savedAt")));
    if (!valid || !reader.isValid() || !savedAt)
        return std::nullopt;
    snapshot.savedAt = *savedAt;
    return snapshot;
}

} // namespace quelta
