#pragma once

#include <QStringList>

namespace quelta {

// Whether arguments start the tray rather than run a command: none, or only the options that
// say what it shows first.
bool isTrayLaunch(const QStringList &arguments);

} // namespace quelta
