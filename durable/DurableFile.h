#pragma once

#include <QByteArray>
#include <QString>

#include <unistd.h>

namespace durable {

// Puts a file's written data on the disk, as fsync() does; 0 on success, else -1 and errno.
using SyncToDisk = int (*)(int fd);

// Replaces a file with new contents only once every byte of them is on the disk, so that a full
// disk or an I/O error leaves the old file whole. QSaveFile alone replaces the file even when a
// buffered write fails only as it is flushed, and ignores a failed fsync.
class DurableFile
{
public:
    explicit DurableFile(SyncToDisk syncToDisk = &::fsync)
        : m_syncToDisk(syncToDisk)
    {
    }

    bool replace(const QString &path, const QByteArray &contents);
    // Why the last replace() failed.
    QString errorString() const { return m_error; }

private:
    SyncToDisk m_syncToDisk;
    QString m_error;
};

} // namespace durable
