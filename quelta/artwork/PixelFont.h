#pragma once

#include <QFont>

namespace quelta {

// `base` at a size in pixels and a weight: the design gives its text sizes in pixels.
QFont pixelFont(const QFont &base, int pixelSize, QFont::Weight weight = QFont::Normal);

} // namespace quelta
