#include "JsonObjectReader.h"

#include <cmath>
#include <limits>

namespace quelta {

JsonObjectReader::JsonObjectReader(const QJsonObject &object)
    : m_object(object)
{
}

QJsonValue JsonObjectReader::present(const QString &key)
{
    const QJsonValue value = m_object.value(key);
    return value.isNull() ? QJsonValue(QJsonValue::Undefined) : value;
}

std::optional<QString> JsonObjectReader::stringAt(const QString &key)
{
    const QJsonValue value = present(key);
    if (value.isUndefined())
        return std::nullopt;
    if (!value.isString()) {
        m_valid = false;
        return std::nullopt;
    }
    return value.toString();
}

std::optional<double> JsonObjectReader::numberAt(const QString &key)
{
    const QJsonValue value = present(key);
    if (value.isUndefined())
        return std::nullopt;
    if (!value.isDouble() || !std::isfinite(value.toDouble())) {
        m_valid = false;
        return std::nullopt;
    }
    return value.toDouble();
}

QString JsonObjectReader::requiredString(const QString &key)
{
    auto value = stringAt(key);
    if (!value)
        m_valid = false;
    return value.value_or(QString());
}

std::optional<QString> JsonObjectReader::optionalString(const QString &key)
{
    return stringAt(key);
}

double JsonObjectReader::requiredNumber(const QString &key)
{
    auto value = numberAt(key);
    if (!value)
        m_valid = false;
    return value.value_or(0.0);
}

std::optional<double> JsonObjectReader::optionalNumber(const QString &key)
{
    return numberAt(key);
}

std::optional<int> JsonObjectReader::optionalInteger(const QString &key)
{
    const auto number = numberAt(key);
    if (!number)
        return std::nullopt;
    const bool integral = std::trunc(*number) == *number;
    const bool fits = *number >= double(std::numeric_limits<int>::min())
                      && *number <= double(std::numeric_limits<int>::max());
    if (!integral || !fits) {
        m_valid = false;
        return std::nullopt;
    }
    return int(*number);
}

} // namespace quelta
