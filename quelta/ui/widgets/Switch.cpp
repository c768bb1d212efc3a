#include "Switch.h"

#include "KeyboardFocus.h"
#include "PlainToolTip.h"

#include "artwork/DesignColors.h"

#include <QFocusEvent>

#include <QPainter>
#include <QPainterPath>

namespace quelta {

Switch::Switch(const QString &accessibleLabel, QWidget *parent)
    : QAbstractButton(parent)
{
    setCheckable(true);
    setAccessibleName(accessibleLabel);
    setToolTip(plainToolTip(accessibleLabel));
    setFixedSize(sizeHint());
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    connect(&m_position, &AnimatedValue::changed, this, qOverload<>(&QWidget::update));
    connect(this, &QAbstractButton::toggled, this, [this](bool on) { m_position.animateTo(on ? 1 : 0, 120); });
}

void Switch::setOn(bool on)
{
    if (on == isChecked())
        return;
    const QSignalBlocker quiet(this);
    setChecked(on);
    m_position.animateTo(on ? 1 : 0, 0);
}

void Switch::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(isEnabled() ? 1.0 : 0.45);
    const QRectF track = QRectF(rect()).adjusted(1, 1, -1, -1);
    QPainterPath capsule;
    capsule.addRoundedRect(track, track.height() / 2, track.height() / 2);
    const QColor off = designColors::withOpacity(designColors::primary(palette()), 0.18);
    const QColor on = designColors::accent(palette());
    const double t = m_position.value();
    const QColor fill = QColor::fromRgbF(off.redF() + (on.redF() - off.redF()) * t, off.greenF() + (on.greenF() - off.greenF()) * t,
                                         off.blueF() + (on.blueF() - off.blueF()) * t, off.alphaF() + (on.alphaF() - off.alphaF()) * t);
    painter.fillPath(capsule, fill);
    const qreal knob = track.height() - 4;
    const qreal x = track.left() + 2 + (track.width() - knob - 4) * t;
    painter.setBrush(Qt::white);
    painter.setPen(QPen(QColor(0, 0, 0, 40), 0.5));
    painter.drawEllipse(QRectF(x, track.top() + 2, knob, knob));
    if (m_keyboardFocus && hasFocus()) {
        QPainterPath outline;
        outline.addRoundedRect(QRectF(rect()), height() / 2.0, height() / 2.0);
        paintFocusRing(painter, outline, palette());
    }
}

void Switch::focusInEvent(QFocusEvent *event)
{
    QAbstractButton::focusInEvent(event);
    m_keyboardFocus = isKeyboardFocus(event->reason());
    update();
}

void Switch::focusOutEvent(QFocusEvent *event)
{
    QAbstractButton::focusOutEvent(event);
    m_keyboardFocus = false;
    update();
}

} // namespace quelta
