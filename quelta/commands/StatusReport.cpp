#include "StatusReport.h"

#include "AllowancePresentation.h"
#include "StatusDocument.h"
#include "TerminalText.h"

#include "alerts/AlertMetric.h"
#include "alerts/AlertRules.h"
#include "core/AllowanceMonitor.h"
#include "platform/Clock.h"

#include <QJsonArray>

#include <algorithm>

namespace quelta {

namespace {

QString isoDate(const QDateTime &date)
{
    return date.toUTC().toString(Qt::ISODate);
}

QJsonValue forecastJson(const AllowanceMonitor &monitor, const ProviderAllowance &provider, const ProviderLimit &limit,
                        const QDateTime &now)
{
    const std::optional<AlertMetric> metric = alertMetric(provider, limit);
    const std::optional<RunOutForecast> forecast = metric ? runOutForecast(*metric, now, monitor.recentUsageRate(provider, limit))
                                                          : std::nullopt;
    if (!forecast)
        return QJsonValue();
    return QJsonObject{{QStringLiteral("runsOutAt"), forecast->runsOutAt ? QJsonValue(isoDate(*forecast->runsOutAt)) : QJsonValue()},
                       {QStringLiteral("beforeReset"), forecast->beforeReset},
                       {QStringLiteral("atRisk"), forecast->atRisk},
                       {QStringLiteral("basis"), toRawValue(forecast->basis)}};
}

QJsonObject limitJson(const AllowanceMonitor &monitor, const ProviderAllowance &provider, const ProviderLimit &limit,
                      const QDateTime &now)
{
    QJsonObject object{{QStringLiteral("id"), limit.id},
                       {QStringLiteral("name"), limit.name},
                       {QStringLiteral("value"), limit.value},
                       {QStringLiteral("percentageStyle"), toRawValue(limit.percentageStyle)}};
    if (limit.percentage)
        object.insert(QStringLiteral("percentage"), *limit.percentage);
    if (limit.detail)
        object.insert(QStringLiteral("detail"), *limit.detail);
    if (limit.resetsAt)
        object.insert(QStringLiteral("resetsAt"), isoDate(*limit.resetsAt));
    if (limit.windowDuration)
        object.insert(QStringLiteral("windowDuration"), *limit.windowDuration);
    object.insert(QStringLiteral("forecast"), forecastJson(monitor, provider, limit, now));
    return object;
}

QJsonObject providerJson(const AllowanceMonitor &monitor, const ProviderAllowance &provider, const QDateTime &now)
{
    QJsonArray limits;
    for (const ProviderLimit &limit : provider.limits)
        limits.append(limitJson(monitor, provider, limit, now));
    QJsonObject object{{QStringLiteral("id"), toRawValue(provider.id)},
                       {QStringLiteral("account"), provider.accountName.isEmpty() ? QJsonValue() : QJsonValue(provider.accountName)},
                       {QStringLiteral("name"), provider.name},
                       {QStringLiteral("connectionState"), toRawValue(provider.connectionState)},
                       {QStringLiteral("percentageStyle"), toRawValue(provider.percentageStyle)},
                       {QStringLiteral("detail"), provider.detail},
                       {QStringLiteral("percentText"), percentText(provider)},
                       {QStringLiteral("subtitle"), subtitle(provider, rowStateOf(monitor, provider))},
                       {QStringLiteral("limits"), limits},
                       {QStringLiteral("stale"), monitor.staleProviderIDs().contains(accountOf(provider))}};
    object.insert(QStringLiteral("remaining"), provider.remaining ? QJsonValue(*provider.remaining) : QJsonValue());
    object.insert(QStringLiteral("displayPercentage"),
                  provider.displayPercentage ? QJsonValue(*provider.displayPercentage) : QJsonValue());
    object.insert(QStringLiteral("refreshIssue"), monitor.refreshIssues().contains(accountOf(provider))
                                                      ? QJsonValue(monitor.refreshIssues().value(accountOf(provider)))
                                                      : QJsonValue());
    return object;
}

} // namespace

QString statusText(const QJsonObject &report, const QDateTime &now)
{
    // Every text here may come from a provider or a stored file, and goes to a terminal.
    QList<StatusRow> rows = statusRows(report, now);
    qsizetype nameWidth = 0;
    for (StatusRow &row : rows) {
        row.name = oneLineText(row.name);
        nameWidth = std::max(nameWidth, row.name.size());
    }
    const QString indent(nameWidth + 8, QLatin1Char(' '));
    QString text;
    for (const StatusRow &row : rows) {
        text += row.name.leftJustified(nameWidth) + QStringLiteral("  ") + oneLineText(row.percentText).leftJustified(4)
            + QStringLiteral("  ") + oneLineText(row.subtitle) + QLatin1Char('\n');
        for (const LimitAtRisk &limit : row.limitsAtRisk)
            text += indent + oneLineText(limit.limitName) + QStringLiteral(": ") + limit.sentence + QLatin1Char('\n');
    }
    return text + oneLineText(report.value(QLatin1String("status")).toString()) + QLatin1Char('\n');
}

QJsonObject statusJson(const AllowanceMonitor &monitor)
{
    const QDateTime now = monitor.clock().now();
    QJsonArray providers;
    for (const ProviderAllowance &provider : monitor.visibleProviders())
        providers.append(providerJson(monitor, provider, now));
    return QJsonObject{{QStringLiteral("providers"), providers},
                       {QStringLiteral("lastUpdated"), monitor.lastUpdated() ? QJsonValue(isoDate(*monitor.lastUpdated())) : QJsonValue()},
                       {QStringLiteral("status"), monitor.statusText()}};
}

} // namespace quelta
