#pragma once

#include "AnimatedValue.h"

#include <QWidget>

namespace quelta {

// One line of text, elided, whose changes cross-fade (ease-out, 0.12 s).
class FadingLabel final : public QWidget
{
    Q_OBJECT
public:
    explicit FadingLabel(QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);
    void setColor(const QColor &color);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
    QString m_previous;
    QColor m_color;
    AnimatedValue m_fade{1};
};

} // namespace quelta
