#pragma once

#include "DesignColorValues.h"

#include <QColor>
#include <QPalette>

namespace quelta::designColors {

// The design's named colours, taken from the desktop's palette so that views follow its light or
// dark scheme.
bool isDark(const QPalette &palette);
QColor primary(const QPalette &palette);
QColor secondary(const QPalette &palette); // primary at 0.55
QColor tertiary(const QPalette &palette);  // primary at 0.35
QColor windowBackground(const QPalette &palette);
QColor withOpacity(QColor color, qreal opacity);

QColor systemRed(const QPalette &palette);
QColor systemOrange(const QPalette &palette);
QColor systemGreen(const QPalette &palette);
QColor accent(const QPalette &palette);

} // namespace quelta::designColors
