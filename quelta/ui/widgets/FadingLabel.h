#pragma once

#include "AnimatedValue.h"

#include <QLabel>

namespace quelta {

// Text whose changes cross-fade (ease-out, 0.12 s). It wraps onto further lines rather than cut
// anything short, and asks its layout for the height its width needs. It paints itself; being a
// QLabel underneath is what makes screen readers see a label.
class FadingLabel final : public QLabel
{
    Q_OBJECT
public:
    explicit FadingLabel(QWidget *parent = nullptr);

    void setText(const QString &text);
    void setColor(const QColor &color);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_previous;
    QColor m_color;
    AnimatedValue m_fade{1};
};

} // namespace quelta
