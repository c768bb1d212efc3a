#pragma once

#include "ClaudeCredentialSource.h"

#include <QString>

namespace quelta {

// Claude Code on Linux keeps its sign-in in `.credentials.json` in its configuration folder.
class ClaudeCredentialFile final : public ClaudeCredentialSource
{
public:
    explicit ClaudeCredentialFile(QString path);

    QCoro::Task<std::optional<QByteArray>> readCredentialText(std::stop_token stop) override;

private:
    QString m_path;
};

} // namespace quelta
