#pragma once

#include <QDateTime>
#include <QString>

namespace quelta {

// "Resets in 2h 5m", "Resets in 45m" or "Resets in 3d 4h"; a past date reads as 0m.
QString resetCountdownText(const QDateTime &until, const QDateTime &now);

} // namespace quelta
