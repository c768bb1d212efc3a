#include "DurableFile.h"

#include <QSaveFile>

#include <cerrno>

namespace durable {

bool DurableFile::replace(const QString &path, const QByteArray &contents)
{
    // Destroyed uncommitted, the save file removes its temporary file and leaves `path` alone.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        m_error = file.errorString();
        return false;
    }
    // A failed flush leaves no reason of its own in the file's error string.
    if (file.write(contents) != contents.size() || !file.flush()) {
        m_error = qt_error_string(errno);
        return false;
    }
    if (m_syncToDisk(file.handle()) != 0) {
        m_error = qt_error_string(errno);
        return false;
    }
    if (!file.commit()) {
        m_error = file.errorString();
        return false;
    }
    m_error.clear();
    return true;
}

} // namespace durable
