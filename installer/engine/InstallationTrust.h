#pragma once

#include <QString>

#include <optional>

#include <sys/types.h>

namespace installer {

// Why a bundle found in an applications folder cannot be taken as the user's own installation,
// or nothing when it can. Every entry of the bundle and the folder holding it belong to root or
// to the installing user; nothing in the bundle is writable by group or others or carries a
// setuid, setgid or sticky bit; and the folder is writable by others only with the sticky bit,
// which keeps them from moving what is not theirs.
std::optional<QString> reasonToDistrust(const QString &bundle, const QString &folder, uid_t installingUser);

} // namespace installer
