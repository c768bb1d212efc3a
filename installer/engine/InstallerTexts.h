#pragma once

#include <QString>

// Every sentence the installer shows, in one place.
namespace installer::texts {

inline QString unverified() { return QStringLiteral("This copy of Quelta couldn’t be verified. Download a new installer and try again."); }
inline QString linkInTheWay() { return QStringLiteral("There’s already a link named Quelta in Applications. Move it before installing."); }
inline QString olderInstalled() { return QStringLiteral("Quelta is already installed. Open it and choose Check for Updates in Settings to get the latest version."); }
inline QString copyFailed() { return QStringLiteral("Quelta couldn’t be copied to Applications. Check the folder’s permissions and try again."); }
inline QString openFailed() { return QStringLiteral("Quelta is installed. You can open it from Applications."); }

} // namespace installer::texts
