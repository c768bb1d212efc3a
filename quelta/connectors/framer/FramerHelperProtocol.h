#pragma once

#include "FramerConnectionProgress.h"

#include "core/ProviderAllowance.h"
#include "core/ProviderConnectorError.h"

#include <QByteArray>
#include <QStringList>

#include <optional>
#include <variant>

namespace quelta::framerHelper {

// The lines the Framer web helper (`quelta-web`) prints, one JSON object each. Both sides use
// these functions, so the format has one definition.

// A Framer team id as the page script takes one: 36 characters, each a hexadecimal digit or "-",
// the first not "-", so that it never reads as an option to anyone.
bool isTeamID(const QString &text);

// `quelta-web fetch`'s arguments: the command, then "--" and the preferred team, if any.
QStringList fetchArguments(const std::optional<QString> &teamID);
struct FetchRequest {
    std::optional<QString> teamID;
};
// Nothing unless the arguments are fetchArguments' with a team id that isTeamID.
std::optional<FetchRequest> readFetchArguments(const QStringList &arguments);

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
