#include "OnboardingTexts.h"

#include "core/ServiceAddresses.h"
#include "platform/Quelta.h"

namespace quelta {

namespace {

using State = OnboardingConnectionState;

QString perProvider(ProviderID provider, const char *codex, const char *claude, const char *framer)
{
    switch (provider) {
    case ProviderID::codex:
        return Quelta::tr(codex);
    case ProviderID::claudeCode:
        return Quelta::tr(claude);
    case ProviderID::framer:
        break;
    }
    return Quelta::tr(framer);
}

} // namespace

QString onboardingTitle(ProviderID provider, OnboardingConnectionState state)
{
    const QString name = displayName(provider);
    switch (state) {
    case State::detected:
        return perProvider(provider,
                           QT_TRANSLATE_NOOP("Quelta", "Codex sign-in found"),
                           QT_TRANSLATE_NOOP("Quelta", "Claude Code sign-in found"),
                           QT_TRANSLATE_NOOP("Quelta", "Framer session found"));
    case State::ready:
        return perProvider(provider,
                           QT_TRANSLATE_NOOP("Quelta", "Codex sign-in required"),
                           QT_TRANSLATE_NOOP("Quelta", "Claude Code sign-in required"),
                           QT_TRANSLATE_NOOP("Quelta", "Connect Framer"));
    case State::connecting:
        return Quelta::tr("Connect %1").arg(name);
    case State::connected:
        return Quelta::tr("%1 connected").arg(name);
    case State::failed:
        return Quelta::tr("Couldn’t connect %1").arg(name);
    case State::unsupported:
        break;
    }
    return Quelta::tr("Claude Code isn’t included");
}

QString onboardingMessage(ProviderID provider, OnboardingConnectionState state, bool toolInstalled)
{
    switch (state) {
    case State::detected:
        return perProvider(provider, QT_TRANSLATE_NOOP("Quelta", "Use your existing Codex sign-in to show\nyour ChatGPT usage limits."),
                           QT_TRANSLATE_NOOP("Quelta", "Use your existing Claude Code sign-in to show\nyour Claude usage limits."),
                           QT_TRANSLATE_NOOP("Quelta", "Use your existing Framer session to show\nyour remaining agent credits."));
    case State::ready:
    case State::connecting:
        return perProvider(provider, QT_TRANSLATE_NOOP("Quelta", "Sign in through Codex so Quelta can show\nyour ChatGPT usage limits."),
                           QT_TRANSLATE_NOOP("Quelta", "Sign in through Claude Code so Quelta can show\nyour Claude usage limits."),
                           QT_TRANSLATE_NOOP("Quelta", "Sign in so Quelta can show\nyour remaining agent credits."));
    case State::connected:
        return Quelta::tr("Quelta can now keep your\n%1 usage up to date.").arg(displayName(provider));
    case State::failed:
        if (!toolInstalled && provider == ProviderID::codex)
            return Quelta::tr("Install Codex from %1, then try again.").arg(serviceAddresses::codexDownloadSite());
        if (!toolInstalled && provider == ProviderID::claudeCode)
            return Quelta::tr("Install Claude Code from %1, then try again.").arg(serviceAddresses::claudeCodeDownloadSite());
        return Quelta::tr("Something interrupted the connection.\nTry again when you’re ready.");
    case State::unsupported:
        break;
    }
    return Quelta::tr("Your Claude account is on the Free plan.\nClaude Code needs a paid Claude subscription.");
}

QString onboardingButtonTitle(ProviderID provider, OnboardingConnectionState state)
{
    switch (state) {
    case State::detected:
        return Quelta::tr("Use This Account");
    case State::ready:
        return perProvider(provider,
                           QT_TRANSLATE_NOOP("Quelta", "Sign in with Codex"),
                           QT_TRANSLATE_NOOP("Quelta", "Sign in with Claude Code"),
                           QT_TRANSLATE_NOOP("Quelta", "Connect Framer"));
    case State::connecting:
        return perProvider(provider,
                           QT_TRANSLATE_NOOP("Quelta", "Waiting for Codex…"),
                           QT_TRANSLATE_NOOP("Quelta", "Waiting for Claude Code…"),
                           QT_TRANSLATE_NOOP("Quelta", "Waiting for Framer…"));
    case State::connected:
        return Quelta::tr("Connected");
    case State::failed:
        return Quelta::tr("Try again");
    case State::unsupported:
        break;
    }
    return Quelta::tr("Continue");
}

QString onboardingStepLabel(int index, int count)
{
    return Quelta::tr("Step %1 of %2").arg(index + 1).arg(count);
}

} // namespace quelta
