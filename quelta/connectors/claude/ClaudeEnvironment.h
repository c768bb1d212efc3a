#pragma once

#include "core/ServiceAddresses.h"
#include "platform/ExecutableLocator.h"

#include <QString>
#include <QUrl>

#include <chrono>
#include <memory>
#include <stop_token>

namespace quelta {

class AuthStatusCache;
class ClaudeCredentialSource;
class Clock;
class ProviderHttpSession;

// Everything the Claude connector talks to. `standard()` is the product's; tests build their own.
struct ClaudeEnvironment {
    QUrl apiHost = serviceAddresses::claudeApiHost();
    QString subscriptionAuthMethod = serviceAddresses::claudeSubscriptionAuthMethod();
    ExecutableSearch search;
    // The account's configuration folder, given to the tool's runs; empty leaves them as they are.
    QString folder;
    QString localAccountPath;
    std::shared_ptr<ClaudeCredentialSource> credentials;
    Clock *clock = nullptr;
    ProviderHttpSession *session = nullptr;
    AuthStatusCache *authStatusCache = nullptr;
    // The owner's lifetime: children, requests and waits end once it is triggered.
    std::stop_token stop;

    std::chrono::milliseconds authStatusTimeout = std::chrono::seconds(10);
    std::chrono::milliseconds signInTimeout = std::chrono::seconds(300);
    std::chrono::milliseconds signInPollInterval = std::chrono::milliseconds(250);
    int signInPolls = 20;

    // The Claude Code files of the account in `folder` and the user's tool, reached with the
    // application's shared parts.
    static ClaudeEnvironment standard(Clock &clock, ProviderHttpSession &session, AuthStatusCache &authStatusCache,
                                      ExecutableSearch search, const QString &folder);
};

} // namespace quelta
