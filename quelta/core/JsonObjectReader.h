#pragma once

#include <QJsonObject>
#include <QString>

#include <optional>

namespace quelta {

// Reads a keyed record the way a strict decoder does: a missing optional key is absent, while a
// missing required key or a value of the wrong type makes the whole record fail (`isValid()`).
class JsonObjectReader
{
public:
    explicit JsonObjectReader(const QJsonObject &object);

    QString requiredString(const QString &key);
    std::optional<QString> optionalString(const QString &key);
    double requiredNumber(const QString &key);
    std::optional<double> optionalNumber(const QString &key);
    std::optional<int> optionalInteger(const QString &key);

    bool isValid() const { return m_valid; }

private:
    QJsonValue present(const QString &key);
    std::optional<QString> stringAt(const QString &key);
    std::optional<double> numberAt(const QString &key);

    QJsonObject m_object;
    bool m_valid = true;
};

} // namespace quelta
