#include "AllowanceBar.h"

#include "ui/AllowancePresentation.h"

#include "artwork/DesignColors.h"

#include <QPainter>
#include <QPainterPath>

namespace quelta {

AllowanceBar::AllowanceBar(int barHeight, QWidget *parent)
    : QWidget(parent)
{
    setFixedHeight(barHeight);
    setAccessibleName(barAccessibleText(m_value, m_style));
}

void AllowanceBar::setValue(std::optional<int> value, AllowancePercentageStyle style)
{
    if (m_value == value && m_style == style)
        return;
    m_value = value;
    m_style = style;
    setAccessibleName(barAccessibleText(value, style));
    update();
}

qreal AllowanceBar::fillWidth() const
{
    return width() * barFillFraction(m_value);
}

QColor AllowanceBar::fillColor() const
{
    switch (barTone(m_value.value_or(0), m_style)) {
    case BarTone::red:
        return designColors::systemRed(palette());
    case BarTone::orange:
        return designColors::systemOrange(palette());
    case BarTone::primary:
        break;
    }
    return designColors::withOpacity(designColors::primary(palette()), 0.82);
}

void AllowanceBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal radius = height() / 2.0;
    QPainterPath track;
    track.addRoundedRect(QRectF(rect()), radius, radius);
    painter.fillPath(track, designColors::withOpacity(designColors::primary(palette()), 0.1));
    if (!m_value || fillWidth() <= 0)
        return;
    QPainterPath fill;
    fill.addRoundedRect(QRectF(0, 0, fillWidth(), height()), radius, radius);
    painter.fillPath(fill, fillColor());
}

} // namespace quelta
