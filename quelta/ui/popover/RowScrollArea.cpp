#include "RowScrollArea.h"

#include <QEvent>
#include <QLayout>

namespace quelta {

RowScrollArea::RowScrollArea(QWidget *rows, QWidget *parent)
    : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidgetResizable(true);
    setWidget(rows);
    // The popover's own background shows through.
    viewport()->setAutoFillBackground(false);
    rows->setAutoFillBackground(false);
    // The rows take the popover's width; the popover widens for them instead (ContentView).
    rows->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

QSize RowScrollArea::sizeHint() const
{
    return {widget()->sizeHint().width(), heightForWidth(widget()->sizeHint().width())};
}

int RowScrollArea::heightForWidth(int width) const
{
    // A wrapped subtitle makes its row taller: the height is the one this width needs.
    const QLayout *rows = widget()->layout();
    return rows->hasHeightForWidth() ? rows->totalHeightForWidth(width) : rows->totalMinimumSize().height();
}

bool RowScrollArea::eventFilter(QObject *watched, QEvent *event)
{
    // A row added, removed or rewrapped changes what the popover needs: tell its layout.
    if (watched == widget() && event->type() == QEvent::LayoutRequest)
        updateGeometry();
    return QScrollArea::eventFilter(watched, event);
}

} // namespace quelta
