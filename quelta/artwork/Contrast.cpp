#include "Contrast.h"

#include <cmath>
#include <algorithm>

namespace quelta {

namespace {

qreal linearChannel(qreal channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

} // namespace

qreal relativeLuminance(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return 0.2126 * linearChannel(rgb.redF()) + 0.7152 * linearChannel(rgb.greenF()) + 0.0722 * linearChannel(rgb.blueF());
}

qreal contrastRatio(const QColor &first, const QColor &second)
{
    const qreal one = relativeLuminance(first);
    const qreal other = relativeLuminance(second);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

} // namespace quelta
