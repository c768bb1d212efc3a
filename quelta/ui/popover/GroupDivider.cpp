#include "GroupDivider.h"

#include "artwork/DesignColors.h"

#include <QPainter>

namespace quelta {

GroupDivider::GroupDivider(QWidget *parent)
    : QWidget(parent)
{
    setFixedHeight(9);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void GroupDivider::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int middle = height() / 2;
    // Inset like the rows' content, so that the line reads as part of the list.
    painter.fillRect(QRect(8, middle, width() - 16, 1), designColors::withOpacity(designColors::primary(palette()), 0.1));
}

} // namespace quelta
