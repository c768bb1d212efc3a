#pragma once

#include "connectors/ProviderConnector.h"
#include "platform/ExecutableLocator.h"

#include <QByteArray>
#include <QJsonObject>

#include <chrono>
#include <optional>
#include <stop_token>

namespace quelta {

class Clock;

// ChatGPT's Codex limits, read from the Codex tool's app-server over three JSON-RPC lines.
class CodexConnector final : public ProviderConnector
{
public:
    struct Timing {
        std::chrono::milliseconds readDeadline = std::chrono::seconds(20);
        // The app-server keeps running after it answers; closing its input lets it finish. The
        // input closes earlier once the answer has been read.
        std::chrono::milliseconds closeInputDelay = std::chrono::seconds(5);
        std::chrono::milliseconds signInDeadline = std::chrono::seconds(300);
    };

    // `stop` is the owner's lifetime: the tool is killed once it is triggered. `codexHome` is the
    // account's folder, given to every run; empty leaves the runs' environment as it is.
    CodexConnector(Clock &clock, Timing timing, ExecutableSearch search, std::stop_token stop = {}, QString codexHome = {});

    QCoro::Task<ProviderAllowance> fetchAllowance() override;
    // Runs `codex login` and returns once it has exited successfully.
    QCoro::Task<void> signIn();

    static std::optional<QString> executablePath(const ExecutableSearch &search);

    // The initialize request, the initialized notification and the rate-limits request.
    static QByteArray requestLines();
    // The `result` of the first reply to request 2; otherwise throws connectionRequired when the
    // output speaks of a sign-in problem, invalidResponse when not.
    static QJsonObject rateLimitsResult(const QByteArray &output);

private:
    Clock &m_clock;
    Timing m_timing;
    ExecutableSearch m_search;
    std::stop_token m_stop;
    QString m_codexHome;
};

} // namespace quelta
