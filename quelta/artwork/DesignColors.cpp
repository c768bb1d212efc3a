#include "DesignColors.h"

namespace quelta::designColors {

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

QColor systemRed(Scheme scheme)
{
    return scheme == Scheme::dark ? QColor(0xFF, 0x45, 0x3A) : QColor(0xFF, 0x3B, 0x30);
}

QColor systemOrange(Scheme)
{
    return QColor(0xFF, 0x9F, 0x0A);
}

QColor systemRed(const QPalette &palette)
{
    return systemRed(isDark(palette) ? Scheme::dark : Scheme::light);
}

QColor systemOrange(const QPalette &palette)
{
    return systemOrange(isDark(palette) ? Scheme::dark : Scheme::light);
}

QColor systemGreen(const QPalette &palette)
{
    return isDark(palette) ? QColor(0x30, 0xD1, 0x58) : QColor(0x34, 0xC7, 0x59);
}

QColor accent(const QPalette &palette)
{
    return palette.color(QPalette::Highlight);
}

} // namespace quelta::designColors
