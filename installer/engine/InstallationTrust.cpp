#include "InstallationTrust.h"

#include <filesystem>

#include <sys/stat.h>

namespace installer {

namespace {

namespace fs = std::filesystem;

QString named(const fs::path &path, const char *reason)
{
    return QString::fromStdString(path.string()) + QLatin1Char(' ') + QLatin1String(reason);
}

std::optional<QString> ownershipProblem(const fs::path &path, const struct stat &status, uid_t installingUser)
{
    if (status.st_uid != 0 && status.st_uid != installingUser)
        return named(path, "belongs to another user");
    return std::nullopt;
}

std::optional<QString> entryProblem(const fs::path &path, uid_t installingUser)
{
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0)
        return named(path, "cannot be examined");
    if (std::optional<QString> problem = ownershipProblem(path, status, installingUser))
        return problem;
    if ((status.st_mode & (S_ISUID | S_ISGID | S_ISVTX)) != 0)
        return named(path, "has a setuid, setgid or sticky bit");
    if (!S_ISLNK(status.st_mode) && (status.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return named(path, "is writable by others");
    return std::nullopt;
}

std::optional<QString> folderProblem(const fs::path &path, uid_t installingUser)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return named(path, "cannot be examined");
    if (std::optional<QString> problem = ownershipProblem(path, status, installingUser))
        return problem;
    if ((status.st_mode & (S_IWGRP | S_IWOTH)) != 0 && (status.st_mode & S_ISVTX) == 0)
        return named(path, "is writable by others");
    return std::nullopt;
}

} // namespace

std::optional<QString> reasonToDistrust(const QString &bundle, const QString &folder, uid_t installingUser)
{
    if (std::optional<QString> problem = folderProblem(folder.toStdString(), installingUser))
        return problem;
    const fs::path root(bundle.toStdString());
    if (std::optional<QString> problem = entryProblem(root, installingUser))
        return problem;
    std::error_code error;
    fs::recursive_directory_iterator entries(root, fs::directory_options::none, error);
    for (; !error && entries != fs::recursive_directory_iterator(); entries.increment(error)) {
        if (std::optional<QString> problem = entryProblem(entries->path(), installingUser))
            return problem;
    }
    if (error)
        return named(root, "cannot be read through");
    return std::nullopt;
}

} // namespace installer
