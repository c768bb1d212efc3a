#include "TintedCard.h"

#include "artwork/DesignColors.h"

#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace quelta {

TintedCard::TintedCard(QWidget *parent, QMargins margins, int spacing)
    : QWidget(parent)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(margins);
    column->setSpacing(spacing);
}

QVBoxLayout *TintedCard::rows() const
{
    return static_cast<QVBoxLayout *>(layout());
}

void TintedCard::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), 12, 12);
    painter.fillPath(shape, designColors::withOpacity(designColors::primary(palette()), 0.04));
}

} // namespace quelta
