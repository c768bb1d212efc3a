#pragma once

#include "BundleManifest.h"
#include "BundleProblem.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace installer {

// Every regular file of a bundle but the signature files, sorted by path, or the first problem met.
// Nothing is followed: a symbolic link anywhere is a problem of its own.
struct BundleScan {
    std::vector<ManifestEntry> files;
    std::optional<BundleProblem> problem;
};

BundleScan scanBundle(const QString &bundle);

// The whole of a regular file no larger than limit, opened without following a link; nothing
// when it is missing, a link, not a regular file, unreadable or larger.
std::optional<QByteArray> readRegularFile(const QString &path, qint64 limit);

} // namespace installer
