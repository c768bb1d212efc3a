#pragma once

#include "AnimatedValue.h"

#include <QAbstractButton>

namespace quelta {

// A switch-style toggle: a capsule track with a round knob that slides when it changes.
class Switch final : public QAbstractButton
{
    Q_OBJECT
public:
    explicit Switch(const QString &accessibleLabel, QWidget *parent = nullptr);
    QSize sizeHint() const override { return {34, 20}; }
    // Sets the state without the `toggled` a click would send.
    void setOn(bool on);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    AnimatedValue m_position{0};
};

} // namespace quelta
