#pragma once

#include <QString>

// The tray icon with and without the figure, in each tone, on a light and a dark bar at scale 1
// and 2, magnified pixel for pixel so that each pixel can be judged, as PNG files in folder.
void renderTrayIcons(const QString &folder);
