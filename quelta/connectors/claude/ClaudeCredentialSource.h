#pragma once

#include <QByteArray>
#include <QCoroTask>

#include <optional>
#include <stop_token>

namespace quelta {

// Where Claude Code keeps its sign-in: the stored password text, a JSON object with
// `claudeAiOauth`. Absent when nothing is stored or it cannot be read.
class ClaudeCredentialSource
{
public:
    virtual ~ClaudeCredentialSource() = default;
    // `stop`: the owner's lifetime; a read still under way then ends with OperationCancelled.
    virtual QCoro::Task<std::optional<QByteArray>> readCredentialText(std::stop_token stop) = 0;
};

} // namespace quelta
