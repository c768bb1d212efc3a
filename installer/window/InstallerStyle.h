#pragma once

#include <QColor>
#include <QEasingCurve>
#include <QFont>
#include <QString>

// The installer window's measures, faces and motion.
namespace installer::style {

inline constexpr int windowWidth = 600;
inline constexpr int windowHeight = 460;
inline constexpr int minimumWidth = 520;
inline constexpr int minimumHeight = 420;
inline constexpr int contentWidth = 440;
inline constexpr int padding = 40;
inline constexpr int iconSize = 84;
inline constexpr int iconInset = 2;
inline constexpr qreal focusRadius = 16;
inline constexpr qreal disabledOpacity = 0.5;
inline constexpr qreal subheadingOpacity = 0.58;
inline constexpr qreal pressedOpacity = 0.75;
inline constexpr int changeMilliseconds = 160;

QFont headingFont();
QFont textFont(qreal pixelSize, bool medium = false);
QColor white(qreal opacity = 1.0);
QColor errorColor();
QColor accentColor();
// The ease-out curve of every state change.
QEasingCurve easeOut();
// The desktop asks for no animations.
bool reduceMotion();
// Registers Geist Regular and Medium from folder; missing files are skipped.
int registerFonts(const QString &folder);

} // namespace installer::style
