#pragma once

#include <QColor>
#include <QIcon>

namespace quelta {

// The name of the monochrome icon installed in the hicolor theme beside the app icon.
inline constexpr const char *symbolicIconName = "app.quelta.Quelta-symbolic";

// The mark's colour on a panel of colour `panel`: dark on light panels, light on dark ones.
QColor trayMarkColor(const QColor &panel);

// The tray's icon: named after the symbolic icon where the icon theme has it, so that hosts
// that recolour symbolic icons do; its pixmaps, for hosts and trays that take pixels, show the
// mark in trayMarkColor(panel), drawn at each size and scale asked for.
QIcon trayIconFor(const QColor &panel);

} // namespace quelta
