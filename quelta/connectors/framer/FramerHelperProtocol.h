#pragma once

#include "FramerConnectionProgress.h"

#include "core/ProviderAllowance.h"
#include "core/ProviderConnectorError.h"

#include <QByteArray>

#include <optional>
#include <variant>

namespace quelta::framerHelper {

// The lines the Framer web helper (`quelta-web`) prints, one JSON object each. Both sides use
// these functions, so the format has one definition.

// `quelta-web fetch`: one line, the allowance or the connector error, and the team id to keep.
struct FetchAnswer {
    std::variant<ProviderAllowance, ProviderConnectorError> outcome;
    std::optional<QString> teamID;
};
QByteArray fetchLine(const FetchAnswer &answer);
// Nothing when the output holds no such line.
std::optional<FetchAnswer> readFetchLine(const QByteArray &output);

// `quelta-web connect`: a line per progress change while the window is open, then a last line
// that says whether it closed connected.
QByteArray progressLine(const FramerConnectionProgress &progress);
QByteArray closedLine(bool connected);
struct ConnectEvent {
    std::optional<FramerConnectionProgress> progress;
    std::optional<bool> closedConnected;
};
std::optional<ConnectEvent> readConnectLine(const QByteArray &line);

} // namespace quelta::framerHelper
