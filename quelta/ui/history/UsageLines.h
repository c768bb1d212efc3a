#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>

class QColor;
class QPainter;
class QPen;

namespace quelta {

// Stepped usage lines (x and y as shares, 0…1) stroked into `area`, full use at its top.
void paintUsageLines(QPainter &painter, const QRectF &area, const QList<QList<QPointF>> &lines, const QPen &pen);

// The same lines closed down to the bottom of `area` and filled, for a faint area under them.
void fillUnderUsageLines(QPainter &painter, const QRectF &area, const QList<QList<QPointF>> &lines, const QColor &color);

} // namespace quelta
