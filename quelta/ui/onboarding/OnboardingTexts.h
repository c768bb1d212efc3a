#pragma once

#include "core/ProviderAllowance.h"

#include <QString>

namespace quelta {

// Where the connection page of one provider stands.
enum class OnboardingConnectionState { detected, ready, connecting, connected, failed, unsupported };

// The connection page's words. `toolInstalled` is whether the provider's tool was found: a failed
// ChatGPT or Claude connection without it asks the user to install it.
QString onboardingTitle(ProviderID provider, OnboardingConnectionState state);
QString onboardingMessage(ProviderID provider, OnboardingConnectionState state, bool toolInstalled);
QString onboardingButtonTitle(ProviderID provider, OnboardingConnectionState state);
// "Step 2 of 3".
QString onboardingStepLabel(int index, int count);

} // namespace quelta
