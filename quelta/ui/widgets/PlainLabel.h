#pragma once

#include <QFont>
#include <QString>

class QLabel;
class QWidget;

namespace quelta {

// A wrapping label of the design's type at `size` pixels, faded where `secondary`. Plain text:
// names, folders and limits come from people and providers and are shown as written.
QLabel *plainLabel(const QString &text, int size, QFont::Weight weight, bool secondary, QWidget *parent);

} // namespace quelta
