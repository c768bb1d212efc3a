#pragma once

#include <QJsonObject>
#include <QString>

namespace quelta {

class AllowanceMonitor;

// One line per visible provider (name, percent text, subtitle), then the status line.
QString statusText(const AllowanceMonitor &monitor);
// The same as one JSON document, for status bars and scripts.
QJsonObject statusJson(const AllowanceMonitor &monitor);

} // namespace quelta
