#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace quelta {

// Which part of the record to read; an absent field does not narrow it.
struct HistoryQuery {
    std::optional<QString> provider;
    // Empty names the default account.
    std::optional<QString> account;
    std::optional<QString> limitID;
    std::optional<QDateTime> since;

    bool operator==(const HistoryQuery &) const = default;
};

} // namespace quelta
