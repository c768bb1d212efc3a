#include "PlainLabel.h"

#include "artwork/DesignColors.h"
#include "artwork/PixelFont.h"

#include <QLabel>

namespace quelta {

QLabel *plainLabel(const QString &text, int size, QFont::Weight weight, bool secondary, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(pixelFont(label->font(), size, weight));
    label->setWordWrap(true);
    if (secondary) {
        QPalette faded = label->palette();
        faded.setColor(QPalette::WindowText, designColors::secondary(faded));
        label->setPalette(faded);
    }
    return label;
}

} // namespace quelta
