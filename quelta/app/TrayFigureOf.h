#pragma once

#include "TrayFigure.h"

#include "core/PanelAllowance.h"
#include "core/ProviderAllowance.h"

#include <QList>
#include <QStringList>

#include <optional>

namespace quelta {

// The figure the panel shows for the `shown` providers under `panel`: none while the setting is
// off or no shown allowance has a figure; else the tracked provider's (none while it has no
// figure), or the tightest one when the person follows none or hides the one they follow.
std::optional<TrayFigure> trayFigure(const QList<ProviderAllowance> &shown, const PanelAllowance &panel);

// The figure as the item's label: "62%".
QString trayLabel(const TrayFigure &figure);

// One line per shown provider, its name (on one line) and figure as the popover shows them: "Claude 62%".
QStringList trayFigureLines(const QList<ProviderAllowance> &shown);

} // namespace quelta
