#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace installer {

// Who a bundle was signed for.
struct BundleIdentity {
    QString bundleIdentifier;
    QString teamIdentifier;
    bool operator==(const BundleIdentity &) const = default;
};

// One file of a bundle as the manifest lists it; path is relative to the bundle, with "/".
struct ManifestEntry {
    QString path;
    QByteArray sha256;
    qint64 size = 0;
    bool executable = false;
    bool operator==(const ManifestEntry &) const = default;
};

// The signed list of every file of a bundle but the two signature files themselves.
struct BundleManifest {
    BundleIdentity identity;
    std::vector<ManifestEntry> files;

    QByteArray toJson() const;
    // Nothing when the document is not a manifest; paths are taken as written (see isInsideBundle).
    static std::optional<BundleManifest> fromJson(const QByteArray &json);
    bool operator==(const BundleManifest &) const = default;
};

inline constexpr const char *manifestFileName = "Contents/_CodeSignature/Manifest.json";
inline constexpr const char *signatureFileName = "Contents/_CodeSignature/Manifest.sig";
// Larger signature files are not ours.
inline constexpr qint64 largestManifest = 16 * 1024 * 1024;
inline constexpr qint64 largestSignature = 1024;

// True for a plain relative path that names something inside the bundle: no leading "/", no empty,
// "." or ".." component.
bool isInsideBundle(const QString &relativePath);

} // namespace installer
