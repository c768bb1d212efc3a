#include "ProgressIndicator.h"

#include "InstallerStyle.h"

#include <QPainter>
#include <QVariantAnimation>

namespace installer {

ProgressIndicator::ProgressIndicator(QWidget *parent)
    : QWidget(parent)
    , m_turn(new QVariantAnimation(this))
{
    setFixedSize(sizeHint());
    m_turn->setStartValue(0.0);
    m_turn->setEndValue(360.0);
    m_turn->setDuration(900);
    m_turn->setLoopCount(-1);
    connect(m_turn, &QVariantAnimation::valueChanged, this, qOverload<>(&QWidget::update));
}

void ProgressIndicator::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF ring = QRectF(rect()).adjusted(2, 2, -2, -2);
    painter.setPen(QPen(style::white(0.18), 2));
    painter.drawEllipse(ring);
    painter.setPen(QPen(style::white(0.8), 2, Qt::SolidLine, Qt::RoundCap));
    const int start = int(-m_turn->currentValue().toDouble() * 16);
    painter.drawArc(ring, start, 100 * 16);
}

void ProgressIndicator::showEvent(QShowEvent *)
{
    if (!style::reduceMotion())
        m_turn->start();
}

void ProgressIndicator::hideEvent(QHideEvent *)
{
    m_turn->stop();
}

} // namespace installer
