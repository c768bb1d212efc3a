#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QVariantMap>

#include <optional>

namespace quelta {

// The on-disk form of one settings suite: {"values": {key: {"type": …, "value": …}}}.
namespace SettingsDocument {

struct Contents {
    QVariantMap values;
    // Entries this version cannot read (a bad value, or a type tag it does not know), kept as
    // they were so that writing the suite back loses nothing another version may rely on.
    QJsonObject undecodable;
};

QByteArray encode(const Contents &contents);
// Nothing when the bytes are not a settings document at all.
std::optional<Contents> decode(const QByteArray &bytes);

} // namespace SettingsDocument

} // namespace quelta
