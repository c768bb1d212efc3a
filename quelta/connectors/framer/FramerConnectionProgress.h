#pragma once

#include <QString>

namespace quelta {

// Where the Framer sign-in stands, for the sign-in sheet.
struct FramerConnectionProgress {
    enum class Kind { failed, idle, openingMagicLink, connected };

    Kind kind = Kind::idle;
    // User-facing; only for `failed`.
    QString message;

    bool operator==(const FramerConnectionProgress &) const = default;

    static FramerConnectionProgress failed(const QString &message) { return {Kind::failed, message}; }
};

} // namespace quelta
