#include "StatusReport.h"

#include "ui/AllowancePresentation.h"

#include "core/AllowanceMonitor.h"

#include <QJsonArray>

#include <algorithm>

namespace quelta {

namespace {

ProviderRowState rowState(const AllowanceMonitor &monitor, const ProviderAllowance &provider)
{
    ProviderRowState row;
    row.attemptState = monitor.connectionAttemptState(provider.id);
    if (monitor.refreshIssues().contains(provider.id))
        row.refreshIssue = monitor.refreshIssues().value(provider.id);
    row.isStale = monitor.staleProviderIDs().contains(provider.id);
    return row;
}

QString isoDate(const QDateTime &date)
{
    return date.toUTC().toString(Qt::ISODate);
}

QJsonObject limitJson(const ProviderLimit &limit)
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
    return object;
}

QJsonObject providerJson(const AllowanceMonitor &monitor, const ProviderAllowance &provider)
{
    QJsonArray limits;
    for (const ProviderLimit &limit : provider.limits)
        limits.append(limitJson(limit));
    QJsonObject object{{QStringLiteral("id"), toRawValue(provider.id)},
                       {QStringLiteral("name"), provider.name},
                       {QStringLiteral("connectionState"), toRawValue(provider.connectionState)},
                       {QStringLiteral("percentageStyle"), toRawValue(provider.percentageStyle)},
                       {QStringLiteral("detail"), provider.detail},
                       {QStringLiteral("percentText"), percentText(provider)},
                       {QStringLiteral("subtitle"), subtitle(provider, rowState(monitor, provider))},
                       {QStringLiteral("limits"), limits},
                       {QStringLiteral("stale"), monitor.staleProviderIDs().contains(provider.id)}};
    object.insert(QStringLiteral("remaining"), provider.remaining ? QJsonValue(*provider.remaining) : QJsonValue());
    object.insert(QStringLiteral("displayPercentage"),
                  provider.displayPercentage ? QJsonValue(*provider.displayPercentage) : QJsonValue());
    object.insert(QStringLiteral("refreshIssue"), monitor.refreshIssues().contains(provider.id)
                                                      ? QJsonValue(monitor.refreshIssues().value(provider.id))
                                                      : QJsonValue());
    return object;
}

} // namespace

QString statusText(const AllowanceMonitor &monitor)
{
    const QList<ProviderAllowance> visible = monitor.visibleProviders();
    qsizetype nameWidth = 0;
    for (const ProviderAllowance &provider : visible)
        nameWidth = std::max(nameWidth, provider.name.size());
    QString text;
    for (const ProviderAllowance &provider : visible) {
        text += QStringLiteral("%1  %2  %3\n")
                    .arg(provider.name, -int(nameWidth))
                    .arg(percentText(provider), -4)
                    .arg(subtitle(provider, rowState(monitor, provider)));
    }
    return text + monitor.statusText() + QLatin1Char('\n');
}

QJsonObject statusJson(const AllowanceMonitor &monitor)
{
    QJsonArray providers;
    for (const ProviderAllowance &provider : monitor.visibleProviders())
        providers.append(providerJson(monitor, provider));
    return QJsonObject{{QStringLiteral("providers"), providers},
                       {QStringLiteral("lastUpdated"), monitor.lastUpdated() ? QJsonValue(isoDate(*monitor.lastUpdated())) : QJsonValue()},
                       {QStringLiteral("status"), monitor.statusText()}};
}

} // namespace quelta
