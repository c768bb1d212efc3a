#pragma once

#include <QString>
#include <QUrl>

namespace quelta::serviceAddresses {

// Every production host and fixed address, in one place. Tests pass their own values through
// constructors instead; nothing here can be redirected from outside the program.

inline QUrl claudeApiHost() { return QUrl(QStringLiteral("https://api.anthropic.com")); }
// How the Claude Code tool names a sign-in with a Claude subscription account.
inline QString claudeSubscriptionAuthMethod() { return QStringLiteral("claude.ai"); }

} // namespace quelta::serviceAddresses
