#pragma once

#include <QString>

namespace quelta::test {

// A 64 KiB tmpfs over a directory for the life of the object, so that a full disk happens for
// real. Mounting needs root (as in CI); where it is not permitted, isMounted() is false.
class TinyFilesystem
{
public:
    static constexpr int pageSize = 4096;

    explicit TinyFilesystem(const QString &directory);
    ~TinyFilesystem();
    TinyFilesystem(const TinyFilesystem &) = delete;
    TinyFilesystem &operator=(const TinyFilesystem &) = delete;

    bool isMounted() const { return m_mounted; }
    // Takes up all the space but `pagesLeft` pages.
    bool fill(int pagesLeft) const;

private:
    QString m_directory;
    bool m_mounted;
};

} // namespace quelta::test
