#include "BundleCopy.h"

#include <filesystem>
#include <system_error>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>

namespace installer {

namespace fs = std::filesystem;

void copyBundleTree(const QString &from, const QString &to)
{
    const fs::path source(from.toStdString());
    const fs::path target(to.toStdString());
    fs::create_directory(target);
    for (const fs::directory_entry &entry : fs::recursive_directory_iterator(source)) {
        const fs::path copy = target / entry.path().lexically_relative(source);
        const fs::file_status status = entry.symlink_status();
        if (fs::is_directory(status))
            fs::create_directory(copy);
        else if (fs::is_regular_file(status))
            fs::copy_file(entry.path(), copy);
        else
            throw fs::filesystem_error("not a file or a directory", entry.path(), std::make_error_code(std::errc::invalid_argument));
    }
}

void moveWithoutReplacing(const QString &from, const QString &to)
{
    const std::string source = from.toStdString();
    const std::string target = to.toStdString();
    if (::renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
        return;
    // Some file systems cannot refuse to replace; then look first, as closely as we can.
    if (errno == EINVAL) {
        std::error_code error;
        if (fs::exists(fs::symlink_status(target, error)))
            throw std::system_error(std::make_error_code(std::errc::file_exists), target);
        if (::rename(source.c_str(), target.c_str()) == 0)
            return;
    }
    throw std::system_error(errno, std::generic_category(), target);
}

} // namespace installer
