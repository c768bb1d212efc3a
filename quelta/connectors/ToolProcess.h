#pragma once

#include "platform/ProcessRequest.h"

#include <QCoroTask>

#include <stop_token>

namespace quelta {

class Clock;

// What a vendor tool printed (standard output and standard error, as written) and its status.
struct ToolOutput {
    qint32 status = 0;
    QByteArray standardOutput;

    bool operator==(const ToolOutput &) const = default;
};

// Runs a vendor tool through the platform's runner and speaks of the ending in the connectors'
// terms: a deadline passed is `timedOut`, output over the limit `invalidResponse`, and a tool
// that could not be started a ProcessLaunchError. Cancellation passes through.
QCoro::Task<ToolOutput> runTool(ProcessRequest request, std::stop_token token, Clock &clock);

} // namespace quelta
