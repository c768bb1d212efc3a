#pragma once

#include <QEasingCurve>
#include <QObject>
#include <QVariantAnimation>

namespace quelta {

// The design's "ease-out": cubic Bézier (0, 0, 0.58, 1).
QEasingCurve easeOutCurve();

// A number that moves to its target over a given time with the ease-out curve, so that
// painting code can read where it stands now. No timer runs once it has arrived.
class AnimatedValue final : public QObject
{
    Q_OBJECT
public:
    explicit AnimatedValue(double initial, QObject *parent = nullptr);

    double value() const { return m_value; }
    // With reduce motion on, or a duration of 0, the value jumps.
    void animateTo(double target, int milliseconds);

Q_SIGNALS:
    void changed();

private:
    QVariantAnimation m_animation;
    double m_value;
    double m_target;
};

} // namespace quelta
