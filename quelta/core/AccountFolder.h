#pragma once

#include "AccountID.h"
#include "RawValue.h"

#include <QString>

#include <optional>

namespace quelta {

// An account and the folder its provider's tool keeps it in.
struct AccountFolder {
    // How Quelta came to know the folder.
    enum class Origin { standard, found, added };

    AccountID id;
    QString folder;
    Origin origin = Origin::standard;
    // Who is signed in there, as the tool's own files tell; absent when they do not.
    std::optional<QString> identity;

    bool operator==(const AccountFolder &) const = default;
};

template <>
struct RawValues<AccountFolder::Origin> {
    static constexpr std::array table{
        std::pair{AccountFolder::Origin::standard, std::string_view("standard")},
        std::pair{AccountFolder::Origin::found, std::string_view("found")},
        std::pair{AccountFolder::Origin::added, std::string_view("added")},
    };
};

} // namespace quelta
