#include "TrayFigureOf.h"

#include "commands/AllowancePresentation.h"
#include "commands/TerminalText.h"
#include "platform/Quelta.h"

#include <algorithm>

namespace quelta {

namespace {

// The figure as the popover reads it; none while loading, where the popover shows "…".
std::optional<int> figureOf(const ProviderAllowance &provider)
{
    if (provider.connectionState == ConnectionState::loading)
        return std::nullopt;
    return shownValue(provider);
}

TrayFigure figureFor(const ProviderAllowance &provider, int value)
{
    return {value, barTone(value, provider.percentageStyle)};
}

} // namespace

std::optional<TrayFigure> trayFigure(const QList<ProviderAllowance> &shown, const PanelAllowance &panel)
{
    if (!panel.shown)
        return std::nullopt;
    const auto tracked = std::find_if(shown.begin(), shown.end(), [&panel](const ProviderAllowance &p) { return p.id == panel.tracked; });
    if (tracked != shown.end()) {
        const std::optional<int> value = figureOf(*tracked);
        return value ? std::optional(figureFor(*tracked, *value)) : std::nullopt;
    }
    QList<std::optional<int>> shares;
    for (const ProviderAllowance &provider : shown) {
        const std::optional<int> value = figureOf(provider);
        shares << (value ? std::optional(remainingShare(*value, provider.percentageStyle)) : std::nullopt);
    }
    const std::optional<qsizetype> tightest = tightestIndex(shares);
    if (!tightest)
        return std::nullopt;
    const ProviderAllowance &provider = shown[*tightest];
    return figureFor(provider, *figureOf(provider));
}

QString trayLabel(const TrayFigure &figure)
{
    return Quelta::tr("%1%", "a percentage").arg(figure.percent);
}

QStringList trayFigureLines(const QList<ProviderAllowance> &shown)
{
    QStringList lines;
    for (const ProviderAllowance &provider : shown)
        lines << oneLineText(provider.name) + QLatin1Char(' ') + percentText(provider);
    return lines;
}

} // namespace quelta
