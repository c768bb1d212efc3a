#include "JsonArrays.h"

#include <QJsonArray>

#include <algorithm>

namespace quelta {

bool isArrayOfObjects(const QJsonValue &value)
{
    if (!value.isArray())
        return false;
    const QJsonArray array = value.toArray();
    return std::all_of(array.begin(), array.end(), [](const QJsonValue &entry) { return entry.isObject(); });
}

} // namespace quelta
