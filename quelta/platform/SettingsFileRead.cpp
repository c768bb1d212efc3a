#include "SettingsFileRead.h"

#include <QFile>

#include <sys/stat.h>

#include <cerrno>

namespace quelta {

namespace {

SettingsFileRead unreadable(const QString &problem)
{
    return {SettingsFileRead::Outcome::unreadable, {}, problem};
}

} // namespace

SettingsFileRead SettingsFileRead::of(const QString &path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return errno == ENOENT ? SettingsFileRead{} : unreadable(qt_error_string(errno));
    if (!S_ISREG(info.st_mode))
        return unreadable(QStringLiteral("not a regular file"));
    if (info.st_size > largestFile)
        return {Outcome::tooLarge, {}, {}};

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.exists() ? unreadable(file.errorString()) : SettingsFileRead{};
    // It may have grown since it was measured.
    const QByteArray bytes = file.read(largestFile + 1);
    if (file.error() != QFileDevice::NoError)
        return unreadable(file.errorString());
    if (bytes.size() > largestFile)
        return {Outcome::tooLarge, {}, {}};
    if (const std::optional<SettingsDocument::Contents> contents = SettingsDocument::decode(bytes))
        return {Outcome::document, *contents, {}};
    return {Outcome::notADocument, {}, {}};
}

} // namespace quelta
