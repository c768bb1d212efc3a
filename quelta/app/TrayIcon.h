#pragma once

#include "TrayFigure.h"

#include <QColor>
#include <QIcon>

#include <optional>

namespace quelta {

// The name of the monochrome icon installed in the hicolor theme beside the app icon.
inline constexpr const char *symbolicIconName = "app.quelta.Quelta-symbolic";

// The mark's colour on a panel of colour `panel`: dark on light panels, light on dark ones.
QColor trayMarkColor(const QColor &panel);

// The tray's icon, drawn at each size and scale asked for. On a panel of known colour the mark is
// drawn in trayMarkColor(panel); on a panel of unknown colour (nullopt: most StatusNotifierItem
// hosts say nothing of it) the mark is light inside a dark outline, legible on any bar. With a
// figure, the icon shows it instead of the mark, outlined wherever its tone alone would not stand
// out; such an icon has no theme name, so that hosts show its pixels. Without one it is named
// after the symbolic icon where the icon theme has it, for hosts that draw icons by name.
QIcon trayIconFor(std::optional<QColor> panel, std::optional<TrayFigure> figure = std::nullopt);

} // namespace quelta
