#pragma once

#include <QString>

#include <sys/types.h>

namespace installer {

// Modes of an installed bundle, whatever the payload's were: no setuid, setgid or sticky bit and
// nothing writable but by the owner.
inline constexpr mode_t installedFolderMode = 0755;
mode_t installedFileMode(bool executable);

// Copies a bundle's tree to a new directory: folders as installedFolderMode, files as
// installedFileMode of their owner's executable bit (the bit the manifest signs, so the verified
// copy has the manifest's). Throws std::filesystem::filesystem_error as the file system reports
// it; refuses anything but files and directories.
void copyBundleTree(const QString &from, const QString &to);

// Renames from to to, never replacing what is already at to. Throws std::system_error.
void moveWithoutReplacing(const QString &from, const QString &to);

} // namespace installer
