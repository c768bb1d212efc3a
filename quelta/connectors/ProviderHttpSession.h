#pragma once

#include "HttpResponse.h"

#include <QCoroTask>
#include <QNetworkAccessManager>
#include <QNetworkRequest>

#include <chrono>
#include <memory>
#include <stop_token>

namespace quelta {

class Clock;

// The connectors' HTTP session: nothing persisted, no cache, no cookies kept or sent, and no
// redirect ever followed, so a 3xx reaches the caller as the reply.
class ProviderHttpSession
{
public:
    struct Timeouts {
        // Longest silence while waiting for data.
        std::chrono::milliseconds request{20'000};
        // Longest time for the whole exchange.
        std::chrono::milliseconds resource{25'000};
    };

    ProviderHttpSession(Clock &clock, Timeouts timeouts);

    // Throws HttpTransportError when no reply arrives, OperationCancelled when `token` fires.
    QCoro::Task<HttpResponse> get(QNetworkRequest request, std::stop_token token = {});

private:
    QNetworkAccessManager &manager();

    Clock &m_clock;
    Timeouts m_timeouts;
    // Made at the first request: an account that never asks over HTTP costs nothing.
    std::unique_ptr<QNetworkAccessManager> m_manager;
};

} // namespace quelta
