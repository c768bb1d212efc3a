#include "AnimatedValue.h"

#include "ReduceMotion.h"

#include <QPointF>

namespace quelta {

QEasingCurve easeOutCurve()
{
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(QPointF(0, 0), QPointF(0.58, 1), QPointF(1, 1));
    return curve;
}

AnimatedValue::AnimatedValue(double initial, QObject *parent)
    : QObject(parent)
    , m_value(initial)
    , m_target(initial)
{
    m_animation.setEasingCurve(easeOutCurve());
    connect(&m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
        m_value = value.toDouble();
        Q_EMIT changed();
    });
}

void AnimatedValue::animateTo(double target, int milliseconds)
{
    if (target == m_target)
        return;
    m_target = target;
    m_animation.stop();
    if (milliseconds <= 0 || reduceMotion()) {
        m_value = target;
        Q_EMIT changed();
        return;
    }
    m_animation.setDuration(milliseconds);
    m_animation.setStartValue(m_value);
    m_animation.setEndValue(target);
    m_animation.start();
}

} // namespace quelta
