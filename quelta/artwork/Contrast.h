#pragma once

#include <QColor>

namespace quelta {

// Relative luminance of an opaque colour, 0 for black to 1 for white (WCAG 2).
qreal relativeLuminance(const QColor &color);

// How far apart two opaque colours are to the eye, 1:1 to 21:1 (WCAG 2); marks need 3:1.
qreal contrastRatio(const QColor &first, const QColor &second);

inline constexpr qreal legibleMarkContrast = 3.0;

} // namespace quelta
