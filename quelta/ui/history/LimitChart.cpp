#include "LimitChart.h"

#include "UsageLines.h"

#include "artwork/DesignColors.h"
#include "artwork/PixelFont.h"
#include "platform/Quelta.h"

#include <QLocale>
#include <QPainter>

namespace quelta {

namespace {
constexpr int labelWidth = 40;
constexpr int labelHeight = 16;
} // namespace

LimitChart::LimitChart(QList<QList<QPointF>> lines, QDate firstDay, QWidget *parent)
    : QWidget(parent)
    , m_lines(std::move(lines))
    , m_firstDay(firstDay)
{
    setMinimumHeight(sizeHint().height());
    setFont(pixelFont(font(), 10));
}

void LimitChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor primary = designColors::primary(palette());
    const QRectF area = QRectF(rect()).adjusted(1, 6, -labelWidth, -labelHeight - 4);
    painter.setFont(font());
    for (const int percent : {0, 50, 100}) {
        const qreal y = std::round(area.bottom() - area.height() * percent / 100.0) + 0.5;
        painter.setPen(QPen(designColors::withOpacity(primary, percent == 0 ? 0.16 : 0.08), 1));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(designColors::tertiary(palette()));
        painter.drawText(QRectF(area.right() + 6, y - 8, labelWidth - 6, 16), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::number(percent) + QStringLiteral(" %"));
    }
    fillUnderUsageLines(painter, area, m_lines, designColors::withOpacity(primary, 0.08));
    paintUsageLines(painter, area, m_lines, QPen(designColors::withOpacity(primary, 0.82), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // The latest figure, as a dot: a record only just begun is nothing but this.
    if (!m_lines.isEmpty()) {
        const QPointF last = m_lines.last().last();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(designColors::withOpacity(primary, 0.82));
        painter.drawEllipse(QPointF(area.left() + last.x() * area.width(), area.bottom() - last.y() * area.height()), 2.5, 2.5);
    }
    painter.setPen(designColors::secondary(palette()));
    const QRectF dates(area.left(), area.bottom() + 4, area.width(), labelHeight);
    painter.drawText(dates, Qt::AlignLeft | Qt::AlignVCenter, QLocale().toString(m_firstDay, Quelta::tr("d MMM", "day and month")));
    painter.drawText(dates, Qt::AlignRight | Qt::AlignVCenter, Quelta::tr("Today"));
}

} // namespace quelta
