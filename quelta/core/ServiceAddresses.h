#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace quelta::serviceAddresses {

// Every production host and fixed address, in one place. Tests pass their own values through
// constructors instead; nothing here can be redirected from outside the program.

inline QUrl claudeApiHost() { return QUrl(QStringLiteral("https://api.anthropic.com")); }
// How the Claude Code tool names a sign-in with a Claude subscription account.
inline QString claudeSubscriptionAuthMethod() { return QStringLiteral("claude.ai"); }

inline QString framerSite() { return QStringLiteral("framer.com"); }
inline QString framerUserContentDomain() { return QStringLiteral("framerusercontent.com"); }
inline QString framerApiHost() { return QStringLiteral("api.framer.com"); }
inline QUrl framerStartPage() { return QUrl(QStringLiteral("https://framer.com/projects/")); }
// Framer signs in with Google inside the same page.
inline QStringList googleDomains()
{
    return {QStringLiteral("google.com"), QStringLiteral("gstatic.com"), QStringLiteral("googleusercontent.com")};
}

inline QUrl telemetryIngestBase() { return QUrl(QStringLiteral("https://nom.telemetrydeck.com/")); }

// Where users get the vendor tools; shown in advice, never fetched.
inline QString claudeCodeDownloadSite() { return QStringLiteral("claude.com/product/claude-code"); }
inline QString codexDownloadSite() { return QStringLiteral("developers.openai.com/codex"); }

// The feedback form, opened in the browser with three query items.
inline QUrl feedbackForm() { return QUrl(QStringLiteral("https://quelta.app/feedback")); }

} // namespace quelta::serviceAddresses
