#pragma once

#include "BundleManifest.h"
#include "BundleProblem.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <variant>
#include <vector>

namespace installer {

// Every regular file of a bundle but the signature files, sorted by path, or the first problem met.
// Nothing is followed: a symbolic link anywhere is a problem of its own, and so is a name that
// is not UTF-8, which the manifest could not tell from another.
struct BundleScan {
    std::vector<ManifestEntry> files;
    std::optional<BundleProblem> problem;
};

// Paths, sizes and executable bits only: no file is read, so a list that cannot match costs nothing.
BundleScan listBundle(const QString &bundle);
// The SHA-256 of a listed file, reading no more than its listed size; the problem when it is no
// longer the regular file of that size and executable bit the list holds.
std::variant<QByteArray, BundleProblem> hashListedFile(const QString &bundle, const ManifestEntry &listed);
// The list with every digest filled in.
BundleScan scanBundle(const QString &bundle);

// The whole of a regular file no larger than limit, opened without following a link; nothing
// when it is missing, a link, not a regular file, unreadable or larger.
std::optional<QByteArray> readRegularFile(const QString &path, qint64 limit);

} // namespace installer
