#include "ProviderLimit.h"

#include "JsonObjectReader.h"
#include "ReferenceDate.h"

namespace quelta {

ProviderLimit ProviderLimit::remainingPercent(QString id, QString name, int remaining, std::optional<QString> detail,
                                              std::optional<QDateTime> resetsAt, std::optional<double> windowDuration)
{
    return ProviderLimit{std::move(id),
                         std::move(name),
                         QString::number(remaining) + QLatin1Char('%'),
                         remaining,
                         AllowancePercentageStyle::remaining,
                         std::move(detail),
                         std::move(resetsAt),
                         windowDuration};
}

QJsonObject ProviderLimit::toJson() const
{
    QJsonObject object{
        {QStringLiteral("id"), id},
        {QStringLiteral("name"), name},
        {QStringLiteral("value"), value},
        {QStringLiteral("percentageStyle"), toRawValue(percentageStyle)},
    };
    if (percentage)
        object.insert(QStringLiteral("percentage"), *percentage);
    if (detail)
        object.insert(QStringLiteral("detail"), *detail);
    if (resetsAt)
        object.insert(QStringLiteral("resetsAt"), secondsSinceReferenceDate(*resetsAt));
    if (windowDuration)
        object.insert(QStringLiteral("windowDuration"), *windowDuration);
    return object;
}

std::optional<ProviderLimit> ProviderLimit::fromJson(const QJsonObject &object)
{
    JsonObjectReader reader(object);
    ProviderLimit limit;
    limit.id = reader.requiredString(QStringLiteral("id"));
    limit.name = reader.requiredString(QStringLiteral("name"));
    limit.value = reader.requiredString(QStringLiteral("value"));
    limit.percentage = reader.optionalInteger(QStringLiteral("percentage"));
    const auto style = fromRawValue<AllowancePercentageStyle>(reader.requiredString(QStringLiteral("percentageStyle")));
    limit.detail = reader.optionalString(QStringLiteral("detail"));
    const std::optional<double> resets = reader.optionalNumber(QStringLiteral("resetsAt"));
    if (resets)
        limit.resetsAt = readableDateSinceReferenceDate(*resets);
    limit.windowDuration = reader.optionalNumber(QStringLiteral("windowDuration"));
    if (!reader.isValid() || !style || (resets && !limit.resetsAt))
        return std::nullopt;
    limit.percentageStyle = *style;
    return limit;
}

} // namespace quelta
