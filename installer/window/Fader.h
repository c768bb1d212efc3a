#pragma once

#include <QObject>

class QGraphicsOpacityEffect;
class QVariantAnimation;
class QWidget;

namespace installer {

// Fades a widget in again after its content changed: 0.16 s ease-out, or at once when the
// desktop asks for no animations.
class Fader : public QObject
{
    Q_OBJECT

public:
    explicit Fader(QWidget *widget);
    void play();

private:
    QGraphicsOpacityEffect *m_effect;
    QVariantAnimation *m_animation;
};

} // namespace installer
