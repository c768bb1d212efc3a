#include "InternetDateTime.h"

#include <QRegularExpression>

namespace quelta {

std::optional<QDateTime> parseInternetDateTime(const QJsonValue &value)
{
    // Internet date-time: a full date, a time, and a zone ("Z" or an offset), nothing else.
    static const QRegularExpression internetDateTime(
        QStringLiteral("^\\d{4}-\\d{2}-\\d{2}T\\d{2}:\\d{2}:\\d{2}(\\.\\d+)?(Z|[+-]\\d{2}:\\d{2})$"),
        QRegularExpression::CaseInsensitiveOption);
    if (!value.isString())
        return std::nullopt;
    const QString text = value.toString();
    if (!internetDateTime.match(text).hasMatch())
        return std::nullopt;
    const QDateTime date = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!date.isValid())
        return std::nullopt;
    return date.toUTC();
}

} // namespace quelta
