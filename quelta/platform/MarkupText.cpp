#include "MarkupText.h"

namespace quelta {

QString markupEscaped(QStringView text)
{
    // Pango and the notification servers read the apostrophe as markup too.
    return text.toString().toHtmlEscaped().replace(QLatin1Char('\''), QLatin1String("&apos;"));
}

} // namespace quelta
