#pragma once

#include "TrayFigure.h"

#include <QColor>

class QPainter;

namespace quelta {

// The colours the figure is drawn in: the number and the bar's filled share in the tone's, the
// rest of the bar in the track's.
struct TrayFigureInks {
    QColor tone;
    QColor track;
};

// Draws the figure in a square of `side` device pixels, leaving `margin` pixels free on every
// side: the percent in pixel digits as large as whole pixels allow, over a bar filled as the
// popover's bar is.
void paintTrayFigure(QPainter &painter, int side, int margin, const TrayFigure &figure, const TrayFigureInks &inks);

} // namespace quelta
