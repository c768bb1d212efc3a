#include "SignalPostBody.h"

#include "StoredTime.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>
#include <QTimeZone>

namespace telemetrydeck {

namespace {

const QDateTime referenceDate(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC);

QJsonObject commonJson(const SignalPostBody &body)
{
    QJsonObject payload;
    for (auto it = body.payload.begin(); it != body.payload.end(); ++it)
        payload.insert(it.key(), it.value());
    QJsonObject object{
        {QStringLiteral("appID"), body.appID},     {QStringLiteral("clientUser"), body.clientUser},
        {QStringLiteral("sessionID"), body.sessionID}, {QStringLiteral("type"), body.type},
        {QStringLiteral("payload"), payload},      {QStringLiteral("isTestMode"), body.isTestMode},
    };
    if (body.floatValue)
        object.insert(QStringLiteral("floatValue"), *body.floatValue);
    return object;
}

} // namespace

QJsonObject SignalPostBody::toUploadJson() const
{
    QJsonObject object = commonJson(*this);
    object.insert(QStringLiteral("receivedAt"),
                  QLocale(QStringLiteral("en_US")).toString(receivedAt.toUTC(), QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")) + QStringLiteral("+0000"));
    return object;
}

QJsonObject SignalPostBody::toCacheJson() const
{
    QJsonObject object = commonJson(*this);
    object.insert(QStringLiteral("receivedAt"), double(referenceDate.msecsTo(receivedAt)) / 1000.0);
    return object;
}

std::optional<SignalPostBody> SignalPostBody::fromCacheJson(const QJsonObject &object)
{
    const auto isString = [&](const char *key) { return object.value(QLatin1String(key)).isString(); };
    if (!object.value(QLatin1String("receivedAt")).isDouble() || !isString("appID") || !isString("clientUser")
        || !isString("sessionID") || !isString("type") || !isString("isTestMode") || !object.value(QLatin1String("payload")).isObject())
        return std::nullopt;
    const QJsonValue floatValue = object.value(QLatin1String("floatValue"));
    const std::optional<qint64> receivedAt = storedTime(object.value(QLatin1String("receivedAt")).toDouble(), 1000);
    if ((!floatValue.isUndefined() && !floatValue.isDouble()) || !receivedAt)
        return std::nullopt;

    SignalPostBody body;
    body.receivedAt = referenceDate.addMSecs(*receivedAt);
    body.appID = object.value(QLatin1String("appID")).toString();
    body.clientUser = object.value(QLatin1String("clientUser")).toString();
    body.sessionID = object.value(QLatin1String("sessionID")).toString();
    body.type = object.value(QLatin1String("type")).toString();
    body.isTestMode = object.value(QLatin1String("isTestMode")).toString();
    if (floatValue.isDouble())
        body.floatValue = floatValue.toDouble();
    const QJsonObject payload = object.value(QLatin1String("payload")).toObject();
    for (auto it = payload.begin(); it != payload.end(); ++it) {
        if (!it.value().isString())
            return std::nullopt;
        body.payload.insert(it.key(), it.value().toString());
    }
    return body;
}

QByteArray uploadBody(const QList<SignalPostBody> &batch)
{
    QJsonArray array;
    for (const SignalPostBody &body : batch)
        array.append(body.toUploadJson());
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

} // namespace telemetrydeck
