#include "FadingLabel.h"

#include <QPainter>

namespace quelta {

FadingLabel::FadingLabel(QWidget *parent)
    : QLabel(parent)
{
    // Not fixed vertically: a fixed height would cap the wrapped text at one line.
    QSizePolicy policy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setTextFormat(Qt::PlainText);
    connect(&m_fade, &AnimatedValue::changed, this, qOverload<>(&QWidget::update));
}

void FadingLabel::setText(const QString &text)
{
    if (text == this->text())
        return;
    m_previous = this->text();
    QLabel::setText(text);
    updateGeometry();
    // Start the new text from nothing, unless this is the first text shown.
    if (!m_previous.isEmpty() && isVisible()) {
        m_fade.animateTo(0, 0);
        m_fade.animateTo(1, 120);
    }
    update();
}

void FadingLabel::setColor(const QColor &color)
{
    m_color = color;
    update();
}

QSize FadingLabel::sizeHint() const
{
    return {fontMetrics().horizontalAdvance(text()), fontMetrics().height()};
}

QSize FadingLabel::minimumSizeHint() const
{
    return {0, fontMetrics().height()};
}

int FadingLabel::heightForWidth(int width) const
{
    const QRect needed = fontMetrics().boundingRect(QRect(0, 0, std::max(1, width), QWIDGETSIZE_MAX), Qt::TextWordWrap, text());
    return std::max(fontMetrics().height(), needed.height());
}

void FadingLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const auto drawFaded = [&](const QString &text, double opacity) {
        if (text.isEmpty() || opacity <= 0)
            return;
        painter.setOpacity(opacity);
        painter.setPen(m_color);
        painter.drawText(rect(), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, text);
    };
    drawFaded(m_previous, 1 - m_fade.value());
    drawFaded(text(), m_fade.value());
}

} // namespace quelta
