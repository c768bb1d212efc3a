#pragma once

#include "AllowancePercentageStyle.h"
#include "CachedProviderSnapshot.h"
#include "ClaudeTrackedLimit.h"
#include "ProviderLimit.h"
#include "RawValue.h"

#include <QList>
#include <QString>

#include <optional>

namespace quelta {

// The display record of one provider.
struct ProviderAllowance {
    enum class ProviderID { codex, claudeCode, framer };
    enum class ConnectionState { loading, connected, needsConnection, unsupported, unavailable };

    ProviderID id = ProviderID::codex;
    // The account's name; empty for the provider's default account.
    QString accountName;
    // "Claude", or "Claude · work" for a named account.
    QString name;
    QString detail;
    std::optional<int> remaining;
    std::optional<int> displayPercentage;
    AllowancePercentageStyle percentageStyle = AllowancePercentageStyle::remaining;
    std::optional<QString> displayedLimitID;
    QList<ProviderLimit> limits;
    std::optional<QString> planName;
    QString assetName;
    ConnectionState connectionState = ConnectionState::loading;

    bool operator==(const ProviderAllowance &) const = default;

    // The limit the headline figure is taken from.
    std::optional<ProviderLimit> displayedLimit() const;

    // A copy whose headline follows the chosen Claude limit; the identity for other providers
    // and for Claude outside the connected state. Idempotent while `limits` stays intact.
    ProviderAllowance applyingTrackedLimit(ClaudeTrackedLimit tracked) const;

    // The same record, as the named account's (or the default account's, for an empty name).
    ProviderAllowance forAccount(const QString &account) const;

    // Absent when the snapshot names no known account.
    static std::optional<ProviderAllowance> fromSnapshot(const CachedProviderSnapshot &snapshot);

    // Placeholders the monitor shows while it has no connector data.
    static ProviderAllowance checking(ProviderID id);
    static ProviderAllowance requiringConnection(ProviderID id);
    static ProviderAllowance rateLimited(ProviderID id);
    static ProviderAllowance failure(ProviderID id, const QString &detail, ConnectionState state,
                                     const std::optional<QString> &planName = std::nullopt);
};

using ProviderID = ProviderAllowance::ProviderID;
using ConnectionState = ProviderAllowance::ConnectionState;

template <>
struct RawValues<ProviderID> {
    static constexpr std::array table{
        std::pair{ProviderID::codex, std::string_view("codex")},
        std::pair{ProviderID::claudeCode, std::string_view("claudeCode")},
        std::pair{ProviderID::framer, std::string_view("framer")},
    };
};

template <>
struct RawValues<ConnectionState> {
    static constexpr std::array table{
        std::pair{ConnectionState::loading, std::string_view("loading")},
        std::pair{ConnectionState::connected, std::string_view("connected")},
        std::pair{ConnectionState::needsConnection, std::string_view("needsConnection")},
        std::pair{ConnectionState::unsupported, std::string_view("unsupported")},
        std::pair{ConnectionState::unavailable, std::string_view("unavailable")},
    };
};

// The one provider order for every list, default set and persisted array.
inline constexpr std::array displayOrder{ProviderID::framer, ProviderID::codex, ProviderID::claudeCode};

QString displayName(ProviderID id);
QString assetName(ProviderID id);

} // namespace quelta
