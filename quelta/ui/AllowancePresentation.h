#pragma once

#include "core/ProviderAllowance.h"
#include "core/ProviderConnectionAttemptState.h"

#include <QString>

#include <optional>

namespace quelta {

// What one provider row shows, shared by the popover and the command line.
struct ProviderRowState {
    ProviderConnectionAttemptState attemptState = ProviderConnectionAttemptState::idle;
    std::optional<QString> refreshIssue;
    bool isStale = false;
    bool isHovered = false;
};

// "…" while loading, "—" without a figure, else "42%".
QString percentText(const ProviderAllowance &provider);
QString subtitle(const ProviderAllowance &provider, const ProviderRowState &row);
std::optional<QString> hoverCaption(const ProviderAllowance &provider);
// "12,500" becomes "12.5k", "3000" becomes "3k"; below 1000 the text is kept.
QString compactCredits(const QString &text);

} // namespace quelta
