#include "BundleScan.h"

#include <QCryptographicHash>

#include <algorithm>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace installer {

namespace {

namespace fs = std::filesystem;

// Closes the descriptor on every way out.
class Descriptor
{
public:
    explicit Descriptor(const fs::path &path)
        : m_fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC))
    {
    }
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

std::optional<struct stat> regularFileStatus(const Descriptor &file)
{
    struct stat status {};
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return status;
}

// Reads to the end, handing each chunk on; the number of bytes read, or -1 on an error.
template<typename Sink>
qint64 readAll(const Descriptor &file, Sink &&sink)
{
    char buffer[64 * 1024];
    qint64 total = 0;
    for (;;) {
        const ssize_t count = ::read(file.get(), buffer, sizeof buffer);
        if (count == 0)
            return total;
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        total += count;
        if (!sink(buffer, count))
            return -1;
    }
}

std::optional<ManifestEntry> describeFile(const fs::path &path, const QString &relativePath)
{
    const Descriptor file(path);
    const std::optional<struct stat> status = regularFileStatus(file);
    if (!status)
        return std::nullopt;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const qint64 read = readAll(file, [&](const char *data, qsizetype count) {
        hash.addData(QByteArrayView(data, count));
        return true;
    });
    if (read != status->st_size)
        return std::nullopt;
    return ManifestEntry{relativePath, hash.result(), read, (status->st_mode & S_IXUSR) != 0};
}

bool isSignatureFile(const QString &relativePath)
{
    return relativePath == QLatin1String(manifestFileName) || relativePath == QLatin1String(signatureFileName);
}

} // namespace

BundleScan scanBundle(const QString &bundle)
{
    const fs::path root(bundle.toStdString());
    std::error_code error;
    if (!fs::is_directory(fs::symlink_status(root, error)))
        return {{}, BundleProblem::notABundle};

    BundleScan scan;
    fs::recursive_directory_iterator entries(root, fs::directory_options::none, error);
    for (; !error && entries != fs::recursive_directory_iterator(); entries.increment(error)) {
        const fs::file_status status = entries->symlink_status(error);
        if (error)
            break;
        if (fs::is_symlink(status))
            return {{}, BundleProblem::symbolicLink};
        if (fs::is_directory(status))
            continue;
        if (!fs::is_regular_file(status))
            return {{}, BundleProblem::unexpectedFileType};
        const QString relativePath = QString::fromStdString(entries->path().lexically_relative(root).generic_string());
        if (isSignatureFile(relativePath))
            continue;
        std::optional<ManifestEntry> entry = describeFile(entries->path(), relativePath);
        if (!entry)
            return {{}, BundleProblem::unreadable};
        scan.files.push_back(std::move(*entry));
    }
    if (error)
        return {{}, BundleProblem::unreadable};
    std::sort(scan.files.begin(), scan.files.end(), [](const ManifestEntry &a, const ManifestEntry &b) { return a.path < b.path; });
    return scan;
}

std::optional<QByteArray> readRegularFile(const QString &path, qint64 limit)
{
    const Descriptor file(fs::path(path.toStdString()));
    const std::optional<struct stat> status = regularFileStatus(file);
    if (!status || status->st_size > limit)
        return std::nullopt;
    QByteArray contents;
    const qint64 read = readAll(file, [&](const char *data, qsizetype count) {
        contents.append(data, count);
        return contents.size() <= limit;
    });
    if (read < 0)
        return std::nullopt;
    return contents;
}

} // namespace installer
