#include "TinyFilesystem.h"

#include <QDir>
#include <QFile>

#include <sys/mount.h>

namespace quelta::test {

TinyFilesystem::TinyFilesystem(const QString &directory)
    : m_directory(directory)
    , m_mounted(QDir().mkpath(directory)
                && ::mount("tmpfs", QFile::encodeName(directory).constData(), "tmpfs", 0, "size=64k") == 0)
{
}

TinyFilesystem::~TinyFilesystem()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(m_directory).constData(), MNT_DETACH);
}

bool TinyFilesystem::fill(int pagesLeft) const
{
    QFile filler(m_directory + QLatin1String("/filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray page(pageSize, 'f');
    while (filler.write(page) == pageSize) {
    }
    return filler.resize(filler.size() / pageSize * pageSize - qint64(pagesLeft) * pageSize);
}

} // namespace quelta::test
