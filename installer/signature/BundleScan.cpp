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

bool isSignatureFile(const QString &relativePath)
{
    return relativePath == QLatin1String(manifestFileName) || relativePath == QLatin1String(signatureFileName);
}

// The name as the manifest writes it, when it survives the trip through UTF-8 unchanged.
std::optional<QString> manifestPath(const std::string &bytes)
{
    QString path = QString::fromStdString(bytes);
    if (path.toStdString() != bytes)
        return std::nullopt;
    return path;
}

} // namespace

BundleScan listBundle(const QString &bundle)
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
        const std::optional<QString> relativePath = manifestPath(entries->path().lexically_relative(root).generic_string());
        if (!relativePath)
            return {{}, BundleProblem::nameNotUtf8};
        if (fs::is_directory(status))
            continue;
        if (!fs::is_regular_file(status))
            return {{}, BundleProblem::unexpectedFileType};
        if (isSignatureFile(*relativePath))
            continue;
        const std::uintmax_t size = entries->file_size(error);
        if (error)
            break;
        const bool executable = (status.permissions() & fs::perms::owner_exec) != fs::perms::none;
        scan.files.push_back(ManifestEntry{*relativePath, QByteArray(), qint64(size), executable});
    }
    if (error)
        return {{}, BundleProblem::unreadable};
    std::sort(scan.files.begin(), scan.files.end(), [](const ManifestEntry &a, const ManifestEntry &b) { return a.path < b.path; });
    return scan;
}

std::variant<QByteArray, BundleProblem> hashListedFile(const QString &bundle, const ManifestEntry &listed)
{
    const Descriptor file(fs::path(bundle.toStdString()) / listed.path.toStdString());
    const std::optional<struct stat> status = regularFileStatus(file);
    if (!status)
        return BundleProblem::unreadable;
    if (status->st_size != listed.size)
        return BundleProblem::changedSize;
    if (((status->st_mode & S_IXUSR) != 0) != listed.executable)
        return BundleProblem::changedExecutable;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    qint64 hashed = 0;
    const qint64 read = readAll(file, [&](const char *data, qsizetype count) {
        hashed += count;
        hash.addData(QByteArrayView(data, count));
        return hashed <= listed.size;
    });
    if (read < 0 && hashed <= listed.size)
        return BundleProblem::unreadable;
    if (read != listed.size)
        return BundleProblem::changedSize;
    return hash.result();
}

BundleScan scanBundle(const QString &bundle)
{
    BundleScan scan = listBundle(bundle);
    for (ManifestEntry &file : scan.files) {
        std::variant<QByteArray, BundleProblem> digest = hashListedFile(bundle, file);
        if (const BundleProblem *problem = std::get_if<BundleProblem>(&digest))
            return {{}, *problem};
        file.sha256 = std::get<QByteArray>(std::move(digest));
    }
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
