#include "RowScrollArea.h"

#include <QEvent>
#include <QLayout>
#include <QScrollBar>

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
    verticalScrollBar()->installEventFilter(this);
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
    // A row added, removed or rewrapped, or the scroll bar coming or going, changes what the
    // popover needs: tell its layout.
    const bool rowsChanged = watched == widget() && event->type() == QEvent::LayoutRequest;
    const bool scrollBarChanged = watched == verticalScrollBar() && (event->type() == QEvent::Show || event->type() == QEvent::Hide);
    if (rowsChanged || scrollBarChanged)
        updateGeometry();
    return QScrollArea::eventFilter(watched, event);
}

} // namespace quelta
