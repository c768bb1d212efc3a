#include "KeychainCredentialCommand.h"

#include "connectors/ToolProcess.h"
#include "platform/ExecutableLocator.h"

namespace quelta {

KeychainCredentialCommand::KeychainCredentialCommand(Clock &clock, QString securityPath,
                                                     std::chrono::milliseconds timeout)
    : m_clock(clock)
    , m_securityPath(std::move(securityPath))
    , m_timeout(timeout)
{
}

QCoro::Task<std::optional<QByteArray>> KeychainCredentialCommand::readCredentialText(std::stop_token stop)
{
    ProcessRequest request;
    request.executable = m_securityPath;
    request.arguments = {QStringLiteral("find-generic-password"), QStringLiteral("-s"),
                         QStringLiteral("Claude Code-credentials"), QStringLiteral("-a"), currentUserName(),
                         QStringLiteral("-w")};
    request.timeout = m_timeout;
    const ToolOutput output = co_await runTool(request, stop, m_clock);
    if (output.status != 0)
        co_return std::nullopt;
    co_return output.standardOutput;
}

} // namespace quelta
