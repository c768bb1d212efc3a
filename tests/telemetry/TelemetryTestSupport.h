#pragma once

#include "ManualClock.h"
#include "analytics/TelemetryClockAdapter.h"
#include "TelemetryManagerConfiguration.h"

#include <QHttpServer>
#include <QHttpServerResponse>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>

namespace quelta::test {

// An ingest service on loopback that records every upload and answers with `status`.
class IngestServer
{
public:
    IngestServer()
    {
        m_server.route("/v2/", QHttpServerRequest::Method::Post, [this](const QHttpServerRequest &request) {
            uploads.append(QJsonDocument::fromJson(request.body()).array());
            contentTypes.append(request.value("Content-Type"));
            return QHttpServerResponse(QHttpServerResponse::StatusCode(status));
        });
        port = m_server.listen(QHostAddress::LocalHost);
    }

    QUrl baseURL() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(port)); }

    QList<int> batchSizes() const
    {
        QList<int> sizes;
        for (const QJsonArray &upload : uploads)
            sizes << int(upload.size());
        return sizes;
    }

    int status = 200;
    quint16 port = 0;
    QList<QJsonArray> uploads;
    QList<QByteArray> contentTypes;

private:
    QHttpServer m_server;
};

// A client configuration on the manual clock, with its files in `folder`.
inline telemetrydeck::SharedConfiguration testConfiguration(const QUrl &baseURL, const QTemporaryDir &folder,
                                                            TelemetryClockAdapter &clock)
{
    auto configuration = std::make_shared<telemetrydeck::TelemetryManagerConfiguration>(QStringLiteral("APP-ID"), QString(), baseURL);
    configuration->storageDirectory = folder.filePath(QStringLiteral("store"));
    configuration->cacheDirectory = folder.filePath(QStringLiteral("cache"));
    configuration->clock = &clock;
    configuration->logHandler.reset();
    return configuration;
}

} // namespace quelta::test
