#pragma once

#include <QJsonValue>

namespace quelta {

// An array whose every element is an object (an empty array counts).
bool isArrayOfObjects(const QJsonValue &value);

} // namespace quelta
