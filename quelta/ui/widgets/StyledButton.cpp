#include "StyledButton.h"

#include "KeyboardFocus.h"

#include <QEvent>
#include <QFocusEvent>
#include <QPainter>

namespace quelta {

StyledButton::StyledButton(QWidget *parent)
    : QAbstractButton(parent)
{
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    connect(&m_hover, &AnimatedValue::changed, this, qOverload<>(&QWidget::update));
    connect(&m_press, &AnimatedValue::changed, this, qOverload<>(&QWidget::update));
    connect(this, &QAbstractButton::pressed, this, [this] { m_press.animateTo(1, 100); });
    connect(this, &QAbstractButton::released, this, [this] { m_press.animateTo(0, 100); });
}

void StyledButton::applyPressScale(QPainter &painter, double pressedScale) const
{
    const double scale = 1.0 - (1.0 - pressedScale) * pressAmount();
    const QPointF centre = QRectF(rect()).center();
    painter.translate(centre);
    painter.scale(scale, scale);
    painter.translate(-centre);
}

void StyledButton::paintFocusRing(QPainter &painter, const QPainterPath &shape) const
{
    if (m_keyboardFocus && hasFocus())
        quelta::paintFocusRing(painter, shape, palette());
}

void StyledButton::focusInEvent(QFocusEvent *event)
{
    QAbstractButton::focusInEvent(event);
    m_keyboardFocus = isKeyboardFocus(event->reason());
    update();
}

void StyledButton::focusOutEvent(QFocusEvent *event)
{
    QAbstractButton::focusOutEvent(event);
    m_keyboardFocus = false;
    update();
}

void StyledButton::setHovered(bool hovered)
{
    if (m_hovered == hovered)
        return;
    m_hovered = hovered;
    m_hover.animateTo(hovered ? 1 : 0, 120);
}

void StyledButton::enterEvent(QEnterEvent *event)
{
    QAbstractButton::enterEvent(event);
    setHovered(isEnabled());
}

void StyledButton::leaveEvent(QEvent *event)
{
    QAbstractButton::leaveEvent(event);
    setHovered(false);
}

void StyledButton::hideEvent(QHideEvent *event)
{
    QAbstractButton::hideEvent(event);
    setHovered(false);
}

void StyledButton::changeEvent(QEvent *event)
{
    QAbstractButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        setHovered(false);
}

} // namespace quelta
