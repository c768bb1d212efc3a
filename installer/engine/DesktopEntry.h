#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace installer {

// The menu entry that starts an installed bundle, so the desktop lists Quelta.
inline constexpr const char *desktopEntryFileName = "app.quelta.Quelta.desktop";

// Nothing when the bundle's path cannot be written into an entry (a control character in it).
std::optional<QByteArray> desktopEntryText(const QString &bundle);

// The system's menu folder for a bundle under /opt, else the user's.
QString standardDesktopEntryDirectory(const QString &bundle);

// Writes the entry into directory, creating it; false when that fails.
bool writeDesktopEntry(const QString &bundle, const QString &directory);

} // namespace installer
