#pragma once

#include "ClaudeCredentialSource.h"

#include <QString>

#include <chrono>

namespace quelta {

class Clock;

// The macOS keychain's generic password "Claude Code-credentials", read with `security`.
class KeychainCredentialCommand final : public ClaudeCredentialSource
{
public:
    explicit KeychainCredentialCommand(Clock &clock, QString securityPath = QStringLiteral("/usr/bin/security"),
                                       std::chrono::milliseconds timeout = std::chrono::seconds(10));

    // Throws what the runner throws (timedOut, a launch failure); a non-zero exit is absent.
    QCoro::Task<std::optional<QByteArray>> readCredentialText(std::stop_token stop) override;

private:
    Clock &m_clock;
    QString m_securityPath;
    std::chrono::milliseconds m_timeout;
};

} // namespace quelta
