#pragma once

#include "AnimatedValue.h"

#include <QAbstractButton>

namespace quelta {

// A switch-style toggle: a capsule track with a round knob that slides when it changes. Tab
// reaches it and Space flips it; a ring shows keyboard focus.
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
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    AnimatedValue m_position{0};
    bool m_keyboardFocus = false;
};

} // namespace quelta
