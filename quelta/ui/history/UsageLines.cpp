#include "UsageLines.h"

#include <QPainter>
#include <QPainterPath>

namespace quelta {

namespace {

QPointF placed(const QRectF &area, const QPointF &share)
{
    return {area.left() + share.x() * area.width(), area.bottom() - share.y() * area.height()};
}

} // namespace

void paintUsageLines(QPainter &painter, const QRectF &area, const QList<QList<QPointF>> &lines, const QPen &pen)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    for (const QList<QPointF> &line : lines) {
        QPainterPath path(placed(area, line.first()));
        for (const QPointF &point : line)
            path.lineTo(placed(area, point));
        painter.drawPath(path);
    }
    painter.restore();
}

void fillUnderUsageLines(QPainter &painter, const QRectF &area, const QList<QList<QPointF>> &lines, const QColor &color)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const QList<QPointF> &line : lines) {
        QPainterPath path(placed(area, {line.first().x(), 0}));
        for (const QPointF &point : line)
            path.lineTo(placed(area, point));
        path.lineTo(placed(area, {line.last().x(), 0}));
        path.closeSubpath();
        painter.fillPath(path, color);
    }
    painter.restore();
}

} // namespace quelta
