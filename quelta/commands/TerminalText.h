#pragma once

#include <QString>
#include <QStringView>

namespace quelta {

// Outside text (names, details, errors) fit for one line of a terminal or a bar: escape
// sequences and control characters (C0, DEL, C1) are dropped, and line breaks and tabs become
// spaces, so that only the layout decides where lines end.
QString oneLineText(QStringView text);

} // namespace quelta
