// The Claude usage endpoint's reply, as the connector reads it.
#include "FuzzInput.h"

#include "connectors/HttpResponse.h"
#include "connectors/claude/ClaudeUsage.h"
#include "connectors/claude/UsageReply.h"

#include <QJsonDocument>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    quelta::HttpResponse response;
    response.status = 200;
    response.body = fuzz::bytes(data, size);
    response.headers = {{"Retry-After", response.body.left(32)}};
    if (quelta::classifyUsageReply(response).kind == quelta::UsageReply::Kind::usage) {
        for (const quelta::UsageLimit &usage : quelta::parseUsageLimits(QJsonDocument::fromJson(response.body).object(), fuzz::now()))
            quelta::providerLimitOf(usage);
    }
    quelta::retryAfterSeconds(response.body.left(32));
    return 0;
}
