#include "BundleCopy.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace installer {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void throwErrno(const fs::path &path)
{
    throw fs::filesystem_error("cannot copy", path, std::error_code(errno, std::generic_category()));
}

// Closes the descriptor on every way out.
class Descriptor
{
public:
    explicit Descriptor(int fd, const fs::path &path)
        : m_fd(fd)
    {
        if (m_fd < 0)
            throwErrno(path);
    }
    ~Descriptor() { ::close(m_fd); }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

void makeFolder(const fs::path &path)
{
    if (::mkdir(path.c_str(), installedFolderMode) != 0 || ::chmod(path.c_str(), installedFolderMode) != 0)
        throwErrno(path);
}

// The copy is born with its final mode (the umask cannot narrow it, nothing can widen it), so no
// moment exists in which it carries a mode of the payload's choosing.
void copyFile(const fs::path &from, const fs::path &to)
{
    const Descriptor source(::open(from.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC), from);
    struct stat status {};
    if (::fstat(source.get(), &status) != 0)
        throwErrno(from);
    const mode_t mode = installedFileMode((status.st_mode & S_IXUSR) != 0);
    const Descriptor target(::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode), to);
    if (::fchmod(target.get(), mode) != 0)
        throwErrno(to);
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t count = ::read(source.get(), buffer, sizeof buffer);
        if (count == 0)
            return;
        if (count < 0) {
            if (errno == EINTR)
                continue;
            throwErrno(from);
        }
        for (ssize_t written = 0; written < count;) {
            const ssize_t step = ::write(target.get(), buffer + written, size_t(count - written));
            if (step < 0 && errno != EINTR)
                throwErrno(to);
            written += std::max<ssize_t>(step, 0);
        }
    }
}

} // namespace

mode_t installedFileMode(bool executable)
{
    return executable ? 0755 : 0644;
}

void copyBundleTree(const QString &from, const QString &to)
{
    const fs::path source(from.toStdString());
    const fs::path target(to.toStdString());
    makeFolder(target);
    for (const fs::directory_entry &entry : fs::recursive_directory_iterator(source)) {
        const fs::path copy = target / entry.path().lexically_relative(source);
        const fs::file_status status = entry.symlink_status();
        if (fs::is_directory(status))
            makeFolder(copy);
        else if (fs::is_regular_file(status))
            copyFile(entry.path(), copy);
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
