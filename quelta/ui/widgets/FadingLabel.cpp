#include "FadingLabel.h"

#include <QPainter>

namespace quelta {

FadingLabel::FadingLabel(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    connect(&m_fade, &AnimatedValue::changed, this, qOverload<>(&QWidget::update));
}

void FadingLabel::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_previous = m_text;
    m_text = text;
    setAccessibleName(text);
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
    return {fontMetrics().horizontalAdvance(m_text), fontMetrics().height()};
}

void FadingLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const auto drawFaded = [&](const QString &text, double opacity) {
        if (text.isEmpty() || opacity <= 0)
            return;
        painter.setOpacity(opacity);
        painter.setPen(m_color);
        painter.drawText(rect(), Qt::AlignVCenter | Qt::AlignLeft, fontMetrics().elidedText(text, Qt::ElideRight, width()));
    };
    drawFaded(m_previous, 1 - m_fade.value());
    drawFaded(m_text, m_fade.value());
}

} // namespace quelta
