#pragma once

#include <QNetworkRequest>
#include <QString>
#include <QUrl>

#include <optional>

namespace quelta {

struct HttpResponse;

// The usage request, with the headers the endpoint expects. The token goes to `apiHost` only.
QNetworkRequest usageRequest(const QUrl &apiHost, const QString &accessToken);

// What a reply from the usage endpoint means.
struct UsageReply {
    enum class Kind {
        usage,       // 200 with a usage body
        refused,     // 401 or 403: the token is no longer accepted
        rateLimited, // 429
        failed,      // anything else, redirects and unreadable bodies included
    };
    Kind kind = Kind::failed;
    std::optional<double> retryAfter;
};

UsageReply classifyUsageReply(const HttpResponse &response);

// A Retry-After header as a decimal number of seconds; the whole value must be one.
std::optional<double> retryAfterSeconds(const QByteArray &header);

} // namespace quelta
