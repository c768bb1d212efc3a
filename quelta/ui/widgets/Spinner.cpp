#include "Spinner.h"

#include <QPainter>

namespace quelta {

Spinner::Spinner(int size, QWidget *parent)
    : QWidget(parent)
    , m_color(palette().color(QPalette::WindowText))
{
    setFixedSize(size, size);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_turn.setStartValue(0.0);
    m_turn.setEndValue(360.0);
    m_turn.setDuration(1000);
    m_turn.setLoopCount(-1);
    connect(&m_turn, &QVariantAnimation::valueChanged, this, [this] { update(); });
}

void Spinner::setColor(const QColor &color)
{
    m_color = color;
    update();
}

void Spinner::setTurning(bool turning)
{
    m_turning = turning;
    if (!turning)
        m_turn.stop();
    else if (isVisible())
        m_turn.start();
    update();
}

void Spinner::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_turning)
        m_turn.start();
}

void Spinner::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    m_turn.stop();
}

void Spinner::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal pen = std::max<qreal>(1.5, width() / 7.0);
    const QRectF circle = QRectF(rect()).adjusted(pen, pen, -pen, -pen);
    QColor faint = m_color;
    faint.setAlphaF(faint.alphaF() * 0.2);
    painter.setPen(QPen(faint, pen));
    painter.drawEllipse(circle);
    painter.setPen(QPen(m_color, pen, Qt::SolidLine, Qt::RoundCap));
    const int start = int(-m_turn.currentValue().toDouble() * 16);
    painter.drawArc(circle, start + 90 * 16, -100 * 16);
}

} // namespace quelta
