#pragma once

#include "core/ProviderAllowance.h"
#include "core/ProviderConnectionAttemptState.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

namespace quelta {

class AllowanceMonitor;

// What one provider row shows, shared by the popover and the command line.
struct ProviderRowState {
    ProviderConnectionAttemptState attemptState = ProviderConnectionAttemptState::idle;
    std::optional<QString> refreshIssue;
    bool isStale = false;
    bool isHovered = false;
    // A limit running out before its reset at the present pace (see atRiskCaption).
    std::optional<QString> atRiskCaption;
};

// The monitor's view of one provider's row, at the monitor's now; not hovered.
ProviderRowState rowStateOf(const AllowanceMonitor &monitor, const ProviderAllowance &provider);

// A percentage as the session's language writes it: "62%", "62 %".
QString percentNumber(int percent);

// "…" while loading, "—" without a figure, else "42%".
QString percentText(const ProviderAllowance &provider);
QString subtitle(const ProviderAllowance &provider, const ProviderRowState &row);
// The at-risk caption when there is one, else what the hover shows of the displayed limit.
std::optional<QString> hoverCaption(const ProviderAllowance &provider, const ProviderRowState &row);
// A limit's recent rate of use from history, in percent per second, where history has one.
using RecentUsageRate = std::function<std::optional<double>(const ProviderLimit &)>;
// The first of the provider's limits that the pace rule finds at risk, named as captions name
// limits, with its forecast: "Weekly limit · At this pace it runs out in 2d 4h, 1d before it resets."
std::optional<QString> atRiskCaption(const ProviderAllowance &provider, const QDateTime &now, const RecentUsageRate &recentRate = {});
// "12,500" becomes "12.5k", "3000" becomes "3k"; below 1000 the text is kept.
QString compactCredits(const QString &text);
// The refresh issue, else the hover caption, else the subtitle.
QString rowTooltip(const ProviderAllowance &provider, const ProviderRowState &row);

// The figure the bar and percentage show: the displayed percentage, else what remains.
std::optional<int> shownValue(const ProviderAllowance &provider);

// The share of the allowance left that a figure shows, 0 to 100.
int remainingShare(int value, AllowancePercentageStyle style);

// Where the least is left among `remainingShares`, the first of equals; none when no entry has a share.
std::optional<qsizetype> tightestIndex(const QList<std::optional<int>> &remainingShares);

// How an allowance bar is filled.
enum class BarTone { red, orange, primary };
BarTone barTone(int value, AllowancePercentageStyle style);
// The filled share of the track, 0 to 1.
double barFillFraction(std::optional<int> value);
QString barAccessibleText(std::optional<int> value, AllowancePercentageStyle style);

} // namespace quelta
