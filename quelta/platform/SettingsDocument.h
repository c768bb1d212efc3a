#pragma once

#include <QByteArray>
#include <QVariantMap>

#include <optional>

namespace quelta {

// The on-disk form of one settings suite: {"values": {key: {"type": …, "value": …}}}.
namespace SettingsDocument {

QByteArray encode(const QVariantMap &values);
// Nothing when the bytes are not a settings document.
std::optional<QVariantMap> decode(const QByteArray &bytes);

} // namespace SettingsDocument

} // namespace quelta
