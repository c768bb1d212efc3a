#include "StatusReport.h"

#include "ui/AllowancePresentation.h"

#include "core/AllowanceMonitor.h"

#include <QJsonArray>

#include <algorithm>

namespace quelta {

namespace {

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
                       {QStringLiteral("subtitle"), subtitle(provider, rowStateOf(monitor, provider))},
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

QString statusText(const QJsonObject &report)
{
    const QJsonArray providers = report.value(QLatin1String("providers")).toArray();
    qsizetype nameWidth = 0;
    for (const QJsonValue &provider : providers)
        nameWidth = std::max(nameWidth, provider.toObject().value(QLatin1String("name")).toString().size());
    QString text;
    for (const QJsonValue &value : providers) {
        const QJsonObject provider = value.toObject();
        text += QStringLiteral("%1  %2  %3\n")
                    .arg(provider.value(QLatin1String("name")).toString(), -int(nameWidth))
                    .arg(provider.value(QLatin1String("percentText")).toString(), -4)
                    .arg(provider.value(QLatin1String("subtitle")).toString());
    }
    return text + report.value(QLatin1String("status")).toString() + QLatin1Char('\n');
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
