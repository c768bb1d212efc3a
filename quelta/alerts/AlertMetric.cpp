#include "AlertMetric.h"

#include "core/LimitCaption.h"
#include "platform/Quelta.h"

#include <algorithm>

namespace quelta {

std::optional<AlertMetric> alertMetric(const ProviderAllowance &provider, const ProviderLimit &limit)
{
    if (!limit.percentage)
        return std::nullopt;
    const int percentage = limit.percentageStyle == AllowancePercentageStyle::used ? 100 - *limit.percentage : *limit.percentage;
    AlertMetric metric;
    // A default account's keys are its provider's, as before there were several accounts.
    metric.key = accountOf(provider).rawValue() + QLatin1Char(':') + limit.id;
    metric.account = accountOf(provider);
    metric.providerName = provider.name;
    metric.limitName = limitCaption(limit.name);
    metric.remaining = std::clamp(percentage, 0, 100);
    metric.resetDetail = limit.detail;
    if (!metric.resetDetail && !provider.detail.isEmpty())
        metric.resetDetail = provider.detail;
    metric.resetsAt = limit.resetsAt;
    metric.windowDuration = limit.windowDuration;
    return metric;
}

QList<AlertMetric> alertMetrics(const ProviderAllowance &provider)
{
    QList<ProviderLimit> considered;
    if (provider.id == ProviderID::claudeCode) {
        if (std::optional<ProviderLimit> displayed = provider.displayedLimit())
            considered.append(*displayed);
    } else {
        considered = provider.limits;
    }

    QList<AlertMetric> metrics;
    for (const ProviderLimit &limit : considered) {
        if (std::optional<AlertMetric> metric = alertMetric(provider, limit))
            metrics.append(*metric);
    }
    if (!metrics.isEmpty() || !provider.remaining)
        return metrics;

    AlertMetric summary;
    summary.key = accountOf(provider).rawValue() + QStringLiteral(":summary");
    summary.account = accountOf(provider);
    summary.providerName = provider.name;
    summary.limitName = provider.id == ProviderID::framer ? Quelta::tr("Agent credits") : Quelta::tr("Usage limit");
    summary.remaining = std::clamp(*provider.remaining, 0, 100);
    if (!provider.detail.isEmpty())
        summary.resetDetail = provider.detail;
    return {summary};
}

} // namespace quelta
