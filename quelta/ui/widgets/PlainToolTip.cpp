#include "PlainToolTip.h"

#include <QTextDocument>

namespace quelta {

QString plainToolTip(const QString &text)
{
    if (!Qt::mightBeRichText(text))
        return text;
    return Qt::convertFromPlainText(text, Qt::WhiteSpacePre);
}

} // namespace quelta
