#include "KeyboardFocus.h"

#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QWidget>

namespace quelta {

bool isKeyboardFocus(Qt::FocusReason reason)
{
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
}

void paintFocusRing(QPainter &painter, const QPainterPath &shape, const QPalette &palette)
{
    painter.save();
    painter.setOpacity(1.0);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette.color(QPalette::Highlight), 4));
    // Half of the pen lies outside the shape and is clipped away: the ring sits inside the edge.
    painter.setClipPath(shape);
    painter.drawPath(shape);
    painter.restore();
}

QWidget *focusFirstControl(QWidget *container, Qt::FocusReason reason)
{
    for (QWidget *candidate = container->nextInFocusChain(); candidate != container; candidate = candidate->nextInFocusChain()) {
        if (container->isAncestorOf(candidate) && candidate->isVisibleTo(container) && candidate->isEnabled()
            && (candidate->focusPolicy() & Qt::TabFocus)) {
            candidate->setFocus(reason);
            return candidate;
        }
    }
    container->setFocus(reason);
    return container;
}

} // namespace quelta
