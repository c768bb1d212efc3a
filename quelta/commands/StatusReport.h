#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QString>

namespace quelta {

class AllowanceMonitor;

// The monitor's state as one JSON document, for status bars, scripts and the running app's
// D-Bus face.
QJsonObject statusJson(const AllowanceMonitor &monitor);
// That document as text: one line per visible provider (name, percent text, subtitle), under it
// a line for each limit at risk (told at `now`), then the status line.
QString statusText(const QJsonObject &report, const QDateTime &now);

} // namespace quelta
