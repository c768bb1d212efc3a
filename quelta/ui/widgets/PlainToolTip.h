#pragma once

#include <QString>

namespace quelta {

// `text` as a tooltip that shows it as written. Tooltips take text that looks like HTML as rich
// text; such text is escaped into rich text that reads as the original.
QString plainToolTip(const QString &text);

} // namespace quelta
