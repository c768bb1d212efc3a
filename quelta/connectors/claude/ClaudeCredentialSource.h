#pragma once

#include <QByteArray>
#include <QCoroTask>

#include <optional>

namespace quelta {

// Where Claude Code keeps its sign-in: the stored password text, a JSON object with
// `claudeAiOauth`. Absent when nothing is stored or it cannot be read.
class ClaudeCredentialSource
{
public:
    virtual ~ClaudeCredentialSource() = default;
    virtual QCoro::Task<std::optional<QByteArray>> readCredentialText() = 0;
};

} // namespace quelta
