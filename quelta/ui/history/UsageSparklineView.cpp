#include "UsageSparklineView.h"

#include "UsageLines.h"

#include "artwork/DesignColors.h"

#include <QPainter>

namespace quelta {

namespace {

QList<QList<QPointF>> remainingLines(QList<QList<QPointF>> lines)
{
    for (QList<QPointF> &line : lines) {
        for (QPointF &point : line)
            point.setY(1 - point.y());
    }
    return lines;
}

} // namespace

UsageSparklineView::UsageSparklineView(QWidget *parent)
    : QWidget(parent)
{
    setFixedHeight(20);
}

void UsageSparklineView::setSparkline(const UsageSparkline &sparkline, AllowancePercentageStyle style)
{
    if (sparkline == m_sparkline && style == m_style)
        return;
    m_sparkline = sparkline;
    m_style = style;
    setAccessibleName(sparkline.description);
    update();
}


void UsageSparklineView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor primary = designColors::primary(palette());
    // Room for the strokes at the edges, and for the reset tick at the right.
    const QRectF area = QRectF(rect()).adjusted(1, 2, -3, -2);
    painter.setPen(QPen(designColors::withOpacity(primary, 0.1), 1));
    painter.drawLine(QPointF(area.left(), area.bottom() + 0.5), QPointF(area.right(), area.bottom() + 0.5));
    const bool remaining = m_style == AllowancePercentageStyle::remaining;
    const QList<QList<QPointF>> previous = remaining ? remainingLines(m_sparkline.previous) : m_sparkline.previous;
    const QList<QList<QPointF>> current = remaining ? remainingLines(m_sparkline.current) : m_sparkline.current;
    paintUsageLines(painter, area, previous, QPen(designColors::withOpacity(primary, 0.3), 1.25));
    fillUnderUsageLines(painter, area, current, designColors::withOpacity(primary, 0.1));
    paintUsageLines(painter, area, current, QPen(designColors::withOpacity(primary, 0.82), 1.5, Qt::SolidLine, Qt::RoundCap));
    QPen reset(designColors::secondary(palette()), 1, Qt::DotLine);
    painter.setPen(reset);
    painter.drawLine(QPointF(area.right() + 1.5, rect().top()), QPointF(area.right() + 1.5, rect().bottom()));
    // Now, as a dot at the line's end.
    if (!current.isEmpty()) {
        const QPointF last = current.last().last();
        const QPointF at(area.left() + last.x() * area.width(), area.bottom() - last.y() * area.height());
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(designColors::withOpacity(primary, 0.82));
        painter.drawEllipse(at, 2, 2);
    }
}

} // namespace quelta
