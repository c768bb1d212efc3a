#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QString>

#include <optional>

namespace telemetrydeck {

// One uploaded signal.
struct SignalPostBody {
    QDateTime receivedAt;
    QString appID;
    QString clientUser;
    QString sessionID;
    QString type;
    std::optional<double> floatValue;
    QMap<QString, QString> payload;
    QString isTestMode;

    bool operator==(const SignalPostBody &) const = default;

    // The ingest service's form: `receivedAt` as "yyyy-MM-ddTHH:mm:ss+0000".
    QJsonObject toUploadJson() const;
    // The cache file's form: `receivedAt` in seconds since 2001-01-01.
    QJsonObject toCacheJson() const;
    static std::optional<SignalPostBody> fromCacheJson(const QJsonObject &object);
};

QByteArray uploadBody(const QList<SignalPostBody> &batch);

} // namespace telemetrydeck
