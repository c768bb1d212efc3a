#pragma once

#include <QString>

namespace installer {

// Copies a bundle's tree to a new directory, keeping each file's permissions. Throws
// std::filesystem::filesystem_error as the file system reports it; refuses anything but files and
// directories.
void copyBundleTree(const QString &from, const QString &to);

// Renames from to to, never replacing what is already at to. Throws std::system_error.
void moveWithoutReplacing(const QString &from, const QString &to);

} // namespace installer
