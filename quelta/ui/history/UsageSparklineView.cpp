#include "UsageSparklineView.h"

#include "UsageLines.h"

#include "artwork/DesignColors.h"

#include <QPainter>

namespace quelta {

UsageSparklineView::UsageSparklineView(QWidget *parent)
    : QWidget(parent)
{
    setFixedHeight(20);
}

void UsageSparklineView::setSparkline(const UsageSparkline &sparkline)
{
    if (sparkline == m_sparkline)
        return;
    m_sparkline = sparkline;
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
    paintUsageLines(painter, area, m_sparkline.previous, QPen(designColors::withOpacity(primary, 0.25), 1.25));
    fillUnderUsageLines(painter, area, m_sparkline.current, designColors::withOpacity(primary, 0.08));
    paintUsageLines(painter, area, m_sparkline.current, QPen(designColors::withOpacity(primary, 0.82), 1.5, Qt::SolidLine, Qt::RoundCap));
    QPen reset(designColors::secondary(palette()), 1, Qt::DotLine);
    painter.setPen(reset);
    painter.drawLine(QPointF(area.right() + 1.5, rect().top()), QPointF(area.right() + 1.5, rect().bottom()));
    // Now, as a dot at the line's end.
    if (!m_sparkline.current.isEmpty()) {
        const QPointF last = m_sparkline.current.last().last();
        const QPointF at(area.left() + last.x() * area.width(), area.bottom() - last.y() * area.height());
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(designColors::withOpacity(primary, 0.82));
        painter.drawEllipse(at, 2, 2);
    }
}

} // namespace quelta
