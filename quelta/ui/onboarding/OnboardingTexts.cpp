#include "OnboardingTexts.h"

#include "core/ServiceAddresses.h"

namespace quelta {

namespace {

using State = OnboardingConnectionState;

QString perProvider(ProviderID provider, const char *codex, const char *claude, const char *framer)
{
    switch (provider) {
    case ProviderID::codex:
        return QString::fromUtf8(codex);
    case ProviderID::claudeCode:
        return QString::fromUtf8(claude);
    case ProviderID::framer:
        break;
    }
    return QString::fromUtf8(framer);
}

} // namespace

QString onboardingTitle(ProviderID provider, OnboardingConnectionState state)
{
    const QString name = displayName(provider);
    switch (state) {
    case State::detected:
        return perProvider(provider, "Codex sign-in found", "Claude Code sign-in found", "Framer session found");
    case State::ready:
        return perProvider(provider, "Codex sign-in required", "Claude Code sign-in required", "Connect Framer");
    case State::connecting:
        return QStringLiteral("Connect ") + name;
    case State::connected:
        return name + QStringLiteral(" connected");
    case State::failed:
        return QStringLiteral("Couldn’t connect ") + name;
    case State::unsupported:
        break;
    }
    return QStringLiteral("Claude Code isn’t included");
}

QString onboardingMessage(ProviderID provider, OnboardingConnectionState state, bool toolInstalled)
{
    switch (state) {
    case State::detected:
        return perProvider(provider, "Use your existing Codex sign-in to show\nyour ChatGPT usage limits.",
                           "Use your existing Claude Code sign-in to show\nyour Claude usage limits.",
                           "Use your existing Framer session to show\nyour remaining agent credits.");
    case State::ready:
    case State::connecting:
        return perProvider(provider, "Sign in through Codex so Quelta can show\nyour ChatGPT usage limits.",
                           "Sign in through Claude Code so Quelta can show\nyour Claude usage limits.",
                           "Sign in so Quelta can show\nyour remaining agent credits.");
    case State::connected:
        return QStringLiteral("Quelta can now keep your\n") + displayName(provider) + QStringLiteral(" usage up to date.");
    case State::failed:
        if (!toolInstalled && provider == ProviderID::codex)
            return QStringLiteral("Install Codex from %1, then try again.").arg(serviceAddresses::codexDownloadSite());
        if (!toolInstalled && provider == ProviderID::claudeCode)
            return QStringLiteral("Install Claude Code from %1, then try again.").arg(serviceAddresses::claudeCodeDownloadSite());
        return QStringLiteral("Something interrupted the connection.\nTry again when you’re ready.");
    case State::unsupported:
        break;
    }
    return QStringLiteral("Your Claude account is on the Free plan.\nClaude Code needs a paid Claude subscription.");
}

QString onboardingButtonTitle(ProviderID provider, OnboardingConnectionState state)
{
    switch (state) {
    case State::detected:
        return QStringLiteral("Use This Account");
    case State::ready:
        return perProvider(provider, "Sign in with Codex", "Sign in with Claude Code", "Connect Framer");
    case State::connecting:
        return perProvider(provider, "Waiting for Codex…", "Waiting for Claude Code…", "Waiting for Framer…");
    case State::connected:
        return QStringLiteral("Connected");
    case State::failed:
        return QStringLiteral("Try again");
    case State::unsupported:
        break;
    }
    return QStringLiteral("Continue");
}

QString onboardingStepLabel(int index, int count)
{
    return QStringLiteral("Step %1 of %2").arg(index + 1).arg(count);
}

} // namespace quelta
