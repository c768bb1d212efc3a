#pragma once

#include "AnimatedValue.h"

#include <QAbstractButton>

class QPainterPath;

namespace quelta {

// A button painted by hand, with the design's hover and press animations: the hover change
// eases out over 0.12 s, the press change over 0.1 s. Subclasses paint with the current
// `hoverAmount()` and `pressAmount()` (0 to 1), and end with `paintFocusRing()`. It takes focus
// from Tab, not from clicks.
class StyledButton : public QAbstractButton
{
    Q_OBJECT
public:
    explicit StyledButton(QWidget *parent = nullptr);

    bool isHovered() const { return m_hovered; }
    // The pointer may still be there, but the button no longer looks hovered.
    void clearHover() { setHovered(false); }

protected:
    double hoverAmount() const { return m_hover.value(); }
    double pressAmount() const { return m_press.value(); }
    // Scales the painter about the centre while pressed.
    void applyPressScale(QPainter &painter, double pressedScale) const;
    // Rings `shape` while focus, brought by the keyboard, is here.
    void paintFocusRing(QPainter &painter, const QPainterPath &shape) const;

    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void setHovered(bool hovered);

    AnimatedValue m_hover{0};
    AnimatedValue m_press{0};
    bool m_hovered = false;
    bool m_keyboardFocus = false;
};

} // namespace quelta
