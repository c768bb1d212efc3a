#pragma once

#include <QString>

namespace quelta::applicationFolders {

// Quelta's data and cache folders, named by the program rather than by the application name,
// which is what desktops show ("Quelta") and may change without moving anybody's data.
QString data();
QString cache();

} // namespace quelta::applicationFolders
