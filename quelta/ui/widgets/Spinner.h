#pragma once

#include <QVariantAnimation>
#include <QWidget>

namespace quelta {

// A small indeterminate progress indicator: an arc turning once a second, only while shown and
// only while turning is wanted (not where the desktop asks for less motion).
class Spinner final : public QWidget
{
    Q_OBJECT
public:
    explicit Spinner(int size, QWidget *parent = nullptr);

    void setColor(const QColor &color);
    void setTurning(bool turning);
    bool isTurning() const { return m_turn.state() == QAbstractAnimation::Running; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QVariantAnimation m_turn;
    QColor m_color;
    bool m_turning = true;
};

} // namespace quelta
