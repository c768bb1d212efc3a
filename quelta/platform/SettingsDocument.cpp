#include "SettingsDocument.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <cmath>

namespace quelta::SettingsDocument {

namespace {

const QString typeKey = QStringLiteral("type");
const QString valueKey = QStringLiteral("value");

QJsonValue encodeDouble(double number)
{
    if (std::isfinite(number))
        return number;
    if (std::isnan(number))
        return QStringLiteral("nan");
    return number > 0 ? QStringLiteral("inf") : QStringLiteral("-inf");
}

std::optional<double> decodeDouble(const QJsonValue &value)
{
    if (value.isDouble())
        return value.toDouble();
    const QString text = value.toString();
    if (text == QLatin1String("nan"))
        return std::nan("");
    if (text == QLatin1String("inf"))
        return INFINITY;
    if (text == QLatin1String("-inf"))
        return -INFINITY;
    return std::nullopt;
}

QJsonObject tagged(const char *type, const QJsonValue &value)
{
    return QJsonObject{{typeKey, QLatin1String(type)}, {valueKey, value}};
}

std::optional<QJsonObject> encodeValue(const QVariant &value);

QJsonObject encodeMap(const QVariantMap &values)
{
    QJsonObject object;
    for (auto it = values.begin(); it != values.end(); ++it) {
        if (const auto encoded = encodeValue(it.value()))
            object.insert(it.key(), *encoded);
    }
    return object;
}

std::optional<QJsonObject> encodeValue(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return tagged("bool", value.toBool());
    case QMetaType::Int:
    case QMetaType::LongLong:
        // As text, because a JSON number cannot hold every 64-bit integer exactly.
        return tagged("integer", QString::number(value.toLongLong()));
    case QMetaType::Double:
        return tagged("double", encodeDouble(value.toDouble()));
    case QMetaType::QString:
        return tagged("string", value.toString());
    case QMetaType::QStringList:
        return tagged("stringList", QJsonArray::fromStringList(value.toStringList()));
    case QMetaType::QVariantMap:
        return tagged("dictionary", encodeMap(value.toMap()));
    case QMetaType::QByteArray:
        return tagged("data", QString::fromLatin1(value.toByteArray().toBase64()));
    default:
        return std::nullopt;
    }
}

std::optional<QVariantMap> decodeMap(const QJsonObject &object);

std::optional<QVariant> decodeValue(const QJsonValue &json)
{
    const QJsonObject object = json.toObject();
    const QString type = object.value(typeKey).toString();
    const QJsonValue value = object.value(valueKey);
    if (type == QLatin1String("bool") && value.isBool())
        return QVariant(value.toBool());
    if (type == QLatin1String("integer") && value.isString()) {
        bool ok = false;
        const qlonglong number = value.toString().toLongLong(&ok);
        return ok ? std::optional<QVariant>(QVariant(number)) : std::nullopt;
    }
    if (type == QLatin1String("double")) {
        const auto number = decodeDouble(value);
        return number ? std::optional<QVariant>(QVariant(*number)) : std::nullopt;
    }
    if (type == QLatin1String("string") && value.isString())
        return QVariant(value.toString());
    if (type == QLatin1String("stringList") && value.isArray()) {
        QStringList list;
        for (const QJsonValue &element : value.toArray()) {
            if (!element.isString())
                return std::nullopt;
            list.append(element.toString());
        }
        return QVariant(list);
    }
    if (type == QLatin1String("dictionary") && value.isObject()) {
        const auto map = decodeMap(value.toObject());
        return map ? std::optional<QVariant>(QVariant(*map)) : std::nullopt;
    }
    if (type == QLatin1String("data") && value.isString()) {
        auto decoded = QByteArray::fromBase64Encoding(value.toString().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
        return decoded ? std::optional<QVariant>(QVariant(*decoded)) : std::nullopt;
    }
    return std::nullopt;
}

std::optional<QVariantMap> decodeMap(const QJsonObject &object)
{
    QVariantMap values;
    for (auto it = object.begin(); it != object.end(); ++it) {
        const auto value = decodeValue(it.value());
        if (!value)
            return std::nullopt;
        values.insert(it.key(), *value);
    }
    return values;
}

} // namespace

QByteArray encode(const Contents &contents)
{
    QJsonObject values = contents.undecodable;
    const QJsonObject decoded = encodeMap(contents.values);
    for (auto it = decoded.begin(); it != decoded.end(); ++it)
        values.insert(it.key(), it.value());
    return QJsonDocument(QJsonObject{{QStringLiteral("values"), values}}).toJson(QJsonDocument::Indented);
}

std::optional<Contents> decode(const QByteArray &bytes)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonValue values = document.object().value(QStringLiteral("values"));
    if (!values.isObject())
        return std::nullopt;
    Contents contents;
    const QJsonObject object = values.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (const auto value = decodeValue(it.value()))
            contents.values.insert(it.key(), *value);
        else
            contents.undecodable.insert(it.key(), it.value());
    }
    return contents;
}

} // namespace quelta::SettingsDocument
