#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace quelta {

// The project's own monochrome artwork (named as the design names its symbols, such as
// "arrow.clockwise"), drawn in `color` at `size` logical pixels, crisp at `devicePixelRatio`.
QPixmap symbolPixmap(const QString &name, const QColor &color, qreal size, qreal devicePixelRatio);

// Whether the artwork has a symbol of that name.
bool hasSymbol(const QString &name);

// The application's own icon, in full colour, at the usual sizes.
QIcon applicationIcon();

} // namespace quelta
