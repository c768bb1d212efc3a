#include "UsageHeatmap.h"

#include "artwork/DesignColors.h"
#include "artwork/PixelFont.h"
#include "platform/Quelta.h"

#include <QHelpEvent>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

namespace quelta {

namespace {
constexpr int cellSize = 14;
constexpr int gap = 3;
constexpr int dayLabelWidth = 34;
} // namespace

UsageHeatmap::UsageHeatmap(QMap<QDate, int> peaks, QDate firstDay, QDate lastDay, QWidget *parent)
    : QWidget(parent)
    , m_peaks(std::move(peaks))
    , m_firstDay(firstDay)
    , m_lastDay(lastDay)
{
    setFont(pixelFont(font(), 10));
    setMinimumSize(sizeHint());
}

QDate UsageHeatmap::firstMonday() const
{
    return m_firstDay.addDays(1 - m_firstDay.dayOfWeek());
}

QSize UsageHeatmap::sizeHint() const
{
    const int weeks = int(firstMonday().daysTo(m_lastDay) / 7) + 1;
    return {dayLabelWidth + weeks * (cellSize + gap), 7 * (cellSize + gap)};
}

QRectF UsageHeatmap::cell(QDate day) const
{
    const qint64 offset = firstMonday().daysTo(day);
    return QRectF(dayLabelWidth + (offset / 7) * (cellSize + gap), (day.dayOfWeek() - 1) * (cellSize + gap), cellSize, cellSize);
}

std::optional<QDate> UsageHeatmap::dayAt(const QPoint &position) const
{
    for (QDate day = m_firstDay; day <= m_lastDay; day = day.addDays(1)) {
        if (cell(day).contains(position))
            return day;
    }
    return std::nullopt;
}

QString UsageHeatmap::dayText(QDate day) const
{
    const QString name = QLocale().toString(day, Quelta::tr("ddd d MMM", "weekday, day and month"));
    const auto peak = m_peaks.constFind(day);
    return peak == m_peaks.cend() ? Quelta::tr("%1: no record").arg(name) : Quelta::tr("%1: peak %2 %").arg(name).arg(*peak);
}

void UsageHeatmap::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor primary = designColors::primary(palette());
    painter.setPen(designColors::tertiary(palette()));
    painter.setFont(font());
    for (const int weekday : {1, 3, 5}) {
        const QRectF row(0, (weekday - 1) * (cellSize + gap), dayLabelWidth - 6, cellSize);
        painter.drawText(row, Qt::AlignLeft | Qt::AlignVCenter, QLocale().dayName(weekday, QLocale::ShortFormat));
    }
    for (QDate day = m_firstDay; day <= m_lastDay; day = day.addDays(1)) {
        QColor fill = designColors::withOpacity(primary, 0.05);
        if (const auto peak = m_peaks.constFind(day); peak != m_peaks.cend())
            fill = *peak >= 100 ? designColors::systemRed(palette()) : designColors::withOpacity(primary, 0.14 + 0.68 * *peak / 100.0);
        QPainterPath shape;
        shape.addRoundedRect(cell(day), 3, 3);
        painter.fillPath(shape, fill);
    }
}

bool UsageHeatmap::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto *help = static_cast<QHelpEvent *>(event);
    if (const std::optional<QDate> day = dayAt(help->pos()))
        QToolTip::showText(help->globalPos(), dayText(*day), this);
    else
        QToolTip::hideText();
    return true;
}

} // namespace quelta
