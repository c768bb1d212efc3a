#include "Fader.h"

#include "InstallerStyle.h"

#include <QGraphicsOpacityEffect>
#include <QVariantAnimation>
#include <QWidget>

namespace installer {

Fader::Fader(QWidget *widget)
    : QObject(widget)
    , m_effect(new QGraphicsOpacityEffect(widget))
    , m_animation(new QVariantAnimation(this))
{
    // The effect renders off screen, so it is on only while fading.
    m_effect->setEnabled(false);
    widget->setGraphicsEffect(m_effect);
    m_animation->setStartValue(0.0);
    m_animation->setEndValue(1.0);
    m_animation->setDuration(style::changeMilliseconds);
    m_animation->setEasingCurve(style::easeOut());
    connect(m_animation, &QVariantAnimation::valueChanged, m_effect, [this](const QVariant &value) { m_effect->setOpacity(value.toDouble()); });
    connect(m_animation, &QVariantAnimation::finished, m_effect, [this] { m_effect->setEnabled(false); });
}

void Fader::play()
{
    if (style::reduceMotion())
        return;
    m_effect->setOpacity(0.0);
    m_effect->setEnabled(true);
    m_animation->stop();
    m_animation->start();
}

} // namespace installer
