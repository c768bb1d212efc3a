#include "DesignColors.h"

namespace quelta::designColors {

namespace {

Scheme schemeOf(const QPalette &palette)
{
    return isDark(palette) ? Scheme::dark : Scheme::light;
}

} // namespace

bool isDark(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightnessF() < 0.5;
}

QColor withOpacity(QColor color, qreal opacity)
{
    color.setAlphaF(color.alphaF() * opacity);
    return color;
}

QColor primary(const QPalette &palette)
{
    return palette.color(QPalette::WindowText);
}

QColor secondary(const QPalette &palette)
{
    return withOpacity(primary(palette), 0.55);
}

QColor tertiary(const QPalette &palette)
{
    return withOpacity(primary(palette), 0.35);
}

QColor windowBackground(const QPalette &palette)
{
    return palette.color(QPalette::Window);
}

QColor systemRed(const QPalette &palette)
{
    return QColor(QRgb(systemRedValue(schemeOf(palette))));
}

QColor systemOrange(const QPalette &palette)
{
    return QColor(QRgb(systemOrangeValue(schemeOf(palette))));
}

QColor systemGreen(const QPalette &palette)
{
    return QColor(QRgb(systemGreenValue(schemeOf(palette))));
}

QColor accent(const QPalette &palette)
{
    return palette.color(QPalette::Highlight);
}

} // namespace quelta::designColors
