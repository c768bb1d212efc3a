#include "ClaudeUsage.h"

#include "connectors/InternetDateTime.h"
#include "connectors/JsonArrays.h"
#include "connectors/NumericValue.h"
#include "connectors/ResetCountdownText.h"
#include "platform/Quelta.h"

#include <QJsonArray>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cmath>

namespace quelta {

namespace {

constexpr double fiveHours = 18'000;
constexpr double oneWeek = 604'800;

struct LegacyWindow {
    const char *key;
    const char *name;
    double duration;
};

constexpr std::array usageWindowTable{
    LegacyWindow{"five_hour", "5-hour limit", fiveHours},
    LegacyWindow{"seven_day", "Weekly · all models", oneWeek},
    LegacyWindow{"seven_day_sonnet", "Weekly · Sonnet", oneWeek},
    LegacyWindow{"seven_day_opus", "Weekly · Opus", oneWeek},
    LegacyWindow{"seven_day_cowork", "Weekly · Cowork", oneWeek},
};

const QString allModelsName = QStringLiteral("Weekly · all models");
const QString sessionName = QStringLiteral("5-hour limit");
const QString genericName = QStringLiteral("Usage limit");

int clampedPercentage(double used)
{
    return int(std::trunc(std::clamp(used, 0.0, 100.0)));
}

UsageLimit makeLimit(const QString &name, double used, std::optional<QDateTime> resetsAt,
                     std::optional<double> window, const QDateTime &now)
{
    UsageLimit limit;
    limit.id = slugOf(name);
    limit.name = name;
    limit.usedPercentage = clampedPercentage(used);
    if (resetsAt)
        limit.detail = resetCountdownText(*resetsAt, now);
    limit.resetsAt = std::move(resetsAt);
    limit.windowDuration = window;
    return limit;
}

std::optional<QString> stringAt(const QJsonObject &object, const char *key)
{
    const QJsonValue value = object.value(QLatin1String(key));
    return value.isString() ? std::optional(value.toString()) : std::nullopt;
}

std::optional<QString> modelDisplayName(const QJsonObject &entry)
{
    const QJsonValue scope = entry.value(QLatin1String("scope"));
    if (!scope.isObject())
        return std::nullopt;
    const QJsonValue model = scope.toObject().value(QLatin1String("model"));
    if (!model.isObject())
        return std::nullopt;
    return stringAt(model.toObject(), "display_name");
}

struct NameAndWindow {
    QString name;
    std::optional<double> window;
};

NameAndWindow nameAndWindowOf(const QJsonObject &entry)
{
    const std::optional<QString> kind = stringAt(entry, "kind");
    const std::optional<QString> group = stringAt(entry, "group");
    const std::optional<QString> model = modelDisplayName(entry);
    if (kind == QLatin1String("session") || group == QLatin1String("session"))
        return {sessionName, fiveHours};
    if (kind == QLatin1String("weekly_all"))
        return {allModelsName, oneWeek};
    if (group == QLatin1String("weekly")) {
        if (!model)
            return {allModelsName, oneWeek};
        if (model->isEmpty())
            return {genericName, std::nullopt};
        return {QStringLiteral("Weekly · ") + *model, oneWeek};
    }
    if (model && !model->isEmpty())
        return {QStringLiteral("Weekly · ") + *model, oneWeek};
    return {genericName, std::nullopt};
}

std::optional<UsageLimit> limitFromEntry(const QJsonObject &entry, const QDateTime &now)
{
    const QJsonValue usedValue = entry.contains(QLatin1String("percent")) ? entry.value(QLatin1String("percent"))
                                                                         : entry.value(QLatin1String("utilization"));
    const std::optional<double> used = numericValue(usedValue);
    if (!used)
        return std::nullopt;
    const NameAndWindow naming = nameAndWindowOf(entry);
    return makeLimit(naming.name, *used, parseInternetDateTime(entry.value(QLatin1String("resets_at"))), naming.window, now);
}

std::optional<UsageLimit> limitFromLegacyKey(const QJsonObject &body, const LegacyWindow &window, const QDateTime &now)
{
    const QJsonValue value = body.value(QLatin1String(window.key));
    if (value.isNull() && window.key == usageWindowTable.front().key) {
        UsageLimit idle;
        idle.id = slugOf(sessionName);
        idle.name = sessionName;
        idle.detail = Quelta::tr("No active session");
        idle.windowDuration = fiveHours;
        return idle;
    }
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    const std::optional<double> used = numericValue(object.value(QLatin1String("utilization")));
    if (!used)
        return std::nullopt;
    return makeLimit(QString::fromUtf8(window.name), *used, parseInternetDateTime(object.value(QLatin1String("resets_at"))),
                     window.duration, now);
}

} // namespace

bool hasUsageShape(const QJsonObject &body)
{
    if (isArrayOfObjects(body.value(QLatin1String("limits"))))
        return true;
    return std::any_of(usageWindowTable.begin(), usageWindowTable.end(),
                       [&](const LegacyWindow &window) { return body.contains(QLatin1String(window.key)); });
}

QList<UsageLimit> parseUsageLimits(const QJsonObject &body, const QDateTime &now)
{
    QList<UsageLimit> limits;
    const QJsonValue entries = body.value(QLatin1String("limits"));
    if (isArrayOfObjects(entries)) {
        for (const QJsonValue &entry : entries.toArray()) {
            if (std::optional<UsageLimit> limit = limitFromEntry(entry.toObject(), now))
                limits.append(*limit);
        }
        if (!limits.isEmpty())
            return limits;
    }
    for (const LegacyWindow &window : usageWindowTable) {
        if (!body.contains(QLatin1String(window.key)))
            continue;
        if (std::optional<UsageLimit> limit = limitFromLegacyKey(body, window, now))
            limits.append(*limit);
    }
    return limits;
}

QString slugOf(const QString &name)
{
    static const QRegularExpression separators(QStringLiteral("[^a-z0-9]+"));
    QString slug = name.toLower().replace(separators, QStringLiteral("-"));
    while (slug.startsWith(QLatin1Char('-')))
        slug.remove(0, 1);
    while (slug.endsWith(QLatin1Char('-')))
        slug.chop(1);
    return slug;
}

ProviderLimit providerLimitOf(const UsageLimit &usage)
{
    return ProviderLimit::remainingPercent(usage.id, usage.name, 100 - usage.usedPercentage, usage.detail, usage.resetsAt,
                                           usage.windowDuration);
}

} // namespace quelta
