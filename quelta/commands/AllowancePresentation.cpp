#include "AllowancePresentation.h"

#include "alerts/AlertMetric.h"
#include "alerts/AlertRules.h"
#include "core/AllowanceMonitor.h"
#include "core/LimitCaption.h"
#include "platform/Clock.h"
#include "platform/Quelta.h"

#include <QLocale>

#include <algorithm>

namespace quelta {

ProviderRowState rowStateOf(const AllowanceMonitor &monitor, const ProviderAllowance &provider)
{
    ProviderRowState row;
    row.attemptState = monitor.connectionAttemptState(provider.id);
    if (monitor.refreshIssues().contains(accountOf(provider)))
        row.refreshIssue = monitor.refreshIssues().value(accountOf(provider));
    row.isStale = monitor.staleProviderIDs().contains(accountOf(provider));
    row.atRiskCaption = atRiskCaption(provider, monitor.clock().now(),
                                      [&](const ProviderLimit &limit) { return monitor.recentUsageRate(provider, limit); });
    return row;
}

std::optional<int> shownValue(const ProviderAllowance &provider)
{
    return provider.displayPercentage ? provider.displayPercentage : provider.remaining;
}

QString percentNumber(int percent)
{
    return Quelta::tr("%1%", "a percentage").arg(QLocale().toString(percent));
}

QString percentText(const ProviderAllowance &provider)
{
    if (provider.connectionState == ConnectionState::loading)
        return QStringLiteral("…");
    const std::optional<int> value = shownValue(provider);
    if (!value)
        return QStringLiteral("—");
    return percentNumber(*value);
}

QString subtitle(const ProviderAllowance &provider, const ProviderRowState &row)
{
    if (row.attemptState == ProviderConnectionAttemptState::connecting)
        return Quelta::tr("Complete sign-in in your browser");
    if (row.attemptState == ProviderConnectionAttemptState::failed)
        return Quelta::tr("Couldn’t connect · Try again");
    if (provider.connectionState == ConnectionState::needsConnection)
        return Quelta::tr("Requires connection");
    if (row.refreshIssue)
        return *row.refreshIssue;
    if (row.isStale && (provider.displayPercentage || provider.remaining))
        return Quelta::tr("Showing last update");
    if (row.isHovered) {
        if (const std::optional<QString> caption = hoverCaption(provider, row))
            return *caption;
    }
    return provider.detail;
}

std::optional<QString> hoverCaption(const ProviderAllowance &provider, const ProviderRowState &row)
{
    if (provider.connectionState != ConnectionState::connected || provider.detail == Quelta::tr("No active session"))
        return std::nullopt;
    if (row.atRiskCaption)
        return row.atRiskCaption;
    if (provider.id == ProviderID::framer) {
        for (const ProviderLimit &limit : provider.limits) {
            if (limit.id == QLatin1String("credits-left"))
                return Quelta::tr("%1 credits left").arg(compactCredits(limit.value));
        }
    }
    const std::optional<ProviderLimit> limit = provider.displayedLimit();
    if (!limit)
        return std::nullopt;
    return limitCaption(limit->name);
}

std::optional<QString> atRiskCaption(const ProviderAllowance &provider, const QDateTime &now, const RecentUsageRate &recentRate)
{
    for (const ProviderLimit &limit : provider.limits) {
        const std::optional<AlertMetric> metric = alertMetric(provider, limit);
        if (!metric)
            continue;
        const std::optional<RunOutForecast> forecast = runOutForecast(*metric, now, recentRate ? recentRate(limit) : std::nullopt);
        if (forecast && forecast->atRisk)
            return limitCaption(limit.name) + QStringLiteral(" · ") + runOutSentence(now, *forecast->runsOutAt, *limit.resetsAt);
    }
    return std::nullopt;
}

QString compactCredits(const QString &text)
{
    QString digits;
    for (const QChar character : text) {
        if (character.isDigit())
            digits += character;
    }
    if (digits.isEmpty())
        return text;
    bool ok = false;
    const qlonglong number = digits.toLongLong(&ok);
    if (!ok || number < 1000)
        return text;
    const double thousands = double(number) / 1000.0;
    return number % 1000 == 0 ? QString::asprintf("%.0fk", thousands) : QString::asprintf("%.1fk", thousands);
}

QString rowTooltip(const ProviderAllowance &provider, const ProviderRowState &row)
{
    if (row.refreshIssue)
        return *row.refreshIssue;
    if (const std::optional<QString> caption = hoverCaption(provider, row))
        return *caption;
    return subtitle(provider, row);
}

int remainingShare(int value, AllowancePercentageStyle style)
{
    const int clamped = std::clamp(value, 0, 100);
    return style == AllowancePercentageStyle::remaining ? clamped : 100 - clamped;
}

std::optional<qsizetype> tightestIndex(const QList<std::optional<int>> &remainingShares)
{
    std::optional<qsizetype> found;
    for (qsizetype index = 0; index < remainingShares.size(); ++index) {
        const std::optional<int> share = remainingShares[index];
        if (share && (!found || *share < *remainingShares[*found]))
            found = index;
    }
    return found;
}

BarTone barTone(int value, AllowancePercentageStyle style)
{
    // Remaining figures are not clamped: a negative share is red, one above 100 is not.
    const int remaining = style == AllowancePercentageStyle::remaining ? value : 100 - std::clamp(value, 0, 100);
    if (remaining <= 10)
        return BarTone::red;
    if (remaining <= 25)
        return BarTone::orange;
    return BarTone::primary;
}

double barFillFraction(std::optional<int> value)
{
    return value ? double(std::clamp(*value, 0, 100)) / 100.0 : 0.0;
}

QString barAccessibleText(std::optional<int> value, AllowancePercentageStyle style)
{
    if (!value)
        return Quelta::tr("Allowance not available");
    const int percent = std::clamp(*value, 0, 100);
    return style == AllowancePercentageStyle::remaining ? Quelta::tr("%1 percent remaining").arg(percent)
                                                        : Quelta::tr("%1 percent used").arg(percent);
}

} // namespace quelta
