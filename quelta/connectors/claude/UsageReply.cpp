#include "UsageReply.h"

#include "ClaudeUsage.h"

#include "connectors/HttpResponse.h"

#include <QJsonDocument>
#include <QRegularExpression>

#include <cmath>

namespace quelta {

QNetworkRequest usageRequest(const QUrl &apiHost, const QString &accessToken)
{
    QUrl url = apiHost;
    url.setPath(QStringLiteral("/api/oauth/usage"));
    QNetworkRequest request(url);
    request.setRawHeader("Authorization", "Bearer " + accessToken.toUtf8());
    request.setRawHeader("Accept", "application/json");
    request.setRawHeader("Content-Type", "application/json");
    request.setRawHeader("anthropic-beta", "oauth-2025-04-20");
    request.setRawHeader("User-Agent", "claude-code/2.1.239");
    return request;
}

UsageReply classifyUsageReply(const HttpResponse &response)
{
    switch (response.status) {
    case 200: {
        const QJsonDocument body = QJsonDocument::fromJson(response.body);
        if (body.isObject() && hasUsageShape(body.object()))
            return {UsageReply::Kind::usage, std::nullopt};
        return {UsageReply::Kind::failed, std::nullopt};
    }
    case 401:
    case 403:
        return {UsageReply::Kind::refused, std::nullopt};
    case 429:
        return {UsageReply::Kind::rateLimited, retryAfterSeconds(response.header("Retry-After"))};
    default:
        return {UsageReply::Kind::failed, std::nullopt};
    }
}

std::optional<double> retryAfterSeconds(const QByteArray &header)
{
    static const QRegularExpression decimal(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    const QString text = QString::fromLatin1(header);
    if (!decimal.match(text).hasMatch())
        return std::nullopt;
    const double seconds = text.toDouble();
    if (!std::isfinite(seconds))
        return std::nullopt;
    return seconds;
}

} // namespace quelta
