#pragma once

namespace quelta {

// State of an interactive connection attempt; a provider without an entry counts as idle.
enum class ProviderConnectionAttemptState { idle, connecting, failed };

} // namespace quelta
