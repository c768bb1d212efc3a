#pragma once

#include <QtCore/qnamespace.h>

class QPainter;
class QPainterPath;
class QPalette;
class QWidget;

namespace quelta {

// Whether focus that arrived for `reason` came from the keyboard, so that a ring should show it.
bool isKeyboardFocus(Qt::FocusReason reason);

// Strokes a two-pixel ring in the palette's highlight colour just inside `shape`.
void paintFocusRing(QPainter &painter, const QPainterPath &shape, const QPalette &palette);

// Gives focus to the first control inside `container` that Tab would reach, or to `container`
// itself when it holds none; answers the widget that got it.
QWidget *focusFirstControl(QWidget *container, Qt::FocusReason reason = Qt::OtherFocusReason);

} // namespace quelta
