#pragma once

#include <QString>

namespace quelta {

// "5-hour limit", "Weekly limit", "Daily limit" in the session's language, else the limit's own name.
QString limitCaption(const QString &limitName);

} // namespace quelta
