#include "StateSymbol.h"

#include "InstallerStyle.h"

#include <QPainter>
#include <QPainterPath>

namespace installer {

StateSymbol::StateSymbol(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(sizeHint());
}

QSize StateSymbol::sizeHint() const
{
    return {28, style::iconSize};
}

void StateSymbol::setDone(bool done)
{
    m_done = done;
    update();
}

void StateSymbol::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(style::white(m_done ? 0.9 : 0.58), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.translate(0, (height() - width()) / 2.0);
    const qreal w = width();
    const qreal h = width();
    QPainterPath path;
    if (m_done) {
        path.moveTo(w * 0.2, h * 0.52);
        path.lineTo(w * 0.42, h * 0.74);
        path.lineTo(w * 0.8, h * 0.28);
    } else {
        path.moveTo(w * 0.18, h * 0.5);
        path.lineTo(w * 0.82, h * 0.5);
        path.moveTo(w * 0.56, h * 0.26);
        path.lineTo(w * 0.82, h * 0.5);
        path.lineTo(w * 0.56, h * 0.74);
    }
    painter.drawPath(path);
}

} // namespace installer
