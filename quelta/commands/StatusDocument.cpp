#include "StatusDocument.h"

#include "AllowancePresentation.h"

#include "alerts/AlertRules.h"

#include <QJsonArray>

#include <algorithm>

namespace quelta {

namespace {

QDateTime dateOf(const QJsonValue &value)
{
    return QDateTime::fromString(value.toString(), Qt::ISODate);
}

std::optional<int> optionalInt(const QJsonValue &value)
{
    return value.isDouble() ? std::optional(value.toInt()) : std::nullopt;
}

QList<LimitAtRisk> limitsAtRisk(const QJsonArray &limits, const QDateTime &now)
{
    QList<LimitAtRisk> atRisk;
    for (const QJsonValue &value : limits) {
        const QJsonObject limit = value.toObject();
        const QJsonObject forecast = limit.value(QLatin1String("forecast")).toObject();
        const QDateTime runsOutAt = dateOf(forecast.value(QLatin1String("runsOutAt")));
        const QDateTime resetsAt = dateOf(limit.value(QLatin1String("resetsAt")));
        if (!forecast.value(QLatin1String("atRisk")).toBool() || !runsOutAt.isValid() || !resetsAt.isValid())
            continue;
        atRisk.append({limit.value(QLatin1String("name")).toString(), runOutSentence(now, runsOutAt, resetsAt)});
    }
    return atRisk;
}

StatusRow rowOf(const QJsonObject &provider, const QDateTime &now)
{
    StatusRow row;
    row.id = fromRawValue<ProviderID>(provider.value(QLatin1String("id")).toString()).value_or(ProviderID::codex);
    row.name = provider.value(QLatin1String("name")).toString();
    row.percentText = provider.value(QLatin1String("percentText")).toString();
    row.subtitle = provider.value(QLatin1String("subtitle")).toString();
    const QJsonValue displayed = provider.value(QLatin1String("displayPercentage"));
    const std::optional<int> shown = optionalInt(displayed.isDouble() ? displayed : provider.value(QLatin1String("remaining")));
    const AllowancePercentageStyle style =
        fromRawValue<AllowancePercentageStyle>(provider.value(QLatin1String("percentageStyle")).toString()).value_or(AllowancePercentageStyle::remaining);
    if (shown)
        row.remainingShare = remainingShare(*shown, style);
    const std::optional<ConnectionState> state = fromRawValue<ConnectionState>(provider.value(QLatin1String("connectionState")).toString());
    row.isStale = provider.value(QLatin1String("stale")).toBool();
    row.needsConnection = state == ConnectionState::needsConnection;
    row.hasError = provider.value(QLatin1String("refreshIssue")).isString() || state == ConnectionState::unavailable;
    row.limitsAtRisk = limitsAtRisk(provider.value(QLatin1String("limits")).toArray(), now);
    return row;
}

} // namespace

QList<StatusRow> statusRows(const QJsonObject &report, const QDateTime &now)
{
    QList<StatusRow> rows;
    for (const QJsonValue &provider : report.value(QLatin1String("providers")).toArray())
        rows.append(rowOf(provider.toObject(), now));
    return rows;
}

QJsonObject keepingAccounts(const QJsonObject &report, const AccountID &id)
{
    QJsonArray kept;
    for (const QJsonValue &provider : report.value(QLatin1String("providers")).toArray()) {
        const QJsonObject entry = provider.toObject();
        const bool sameProvider = entry.value(QLatin1String("id")).toString() == toRawValue(id.provider);
        if (sameProvider && (id.isDefault() || entry.value(QLatin1String("account")).toString() == id.name))
            kept.append(provider);
    }
    QJsonObject filtered = report;
    filtered.insert(QStringLiteral("providers"), kept);
    return filtered;
}

} // namespace quelta
