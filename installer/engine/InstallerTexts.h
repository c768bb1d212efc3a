#pragma once

#include "InstallQuelta.h"

#include <QString>

// Every sentence the installer shows, in one place.
namespace installer::texts {

inline QString unverified() { return InstallQuelta::tr("This copy of Quelta couldn’t be verified. Download a new installer and try again."); }
inline QString linkInTheWay() { return InstallQuelta::tr("There’s already a link named Quelta in Applications. Move it before installing."); }
inline QString olderInstalled() { return InstallQuelta::tr("Quelta is already installed. Open it and choose Check for Updates in Settings to get the latest version."); }
inline QString copyFailed() { return InstallQuelta::tr("Quelta couldn’t be copied to Applications. Check the folder’s permissions and try again."); }
inline QString openFailed() { return InstallQuelta::tr("Quelta is installed. You can open it from Applications."); }

} // namespace installer::texts
