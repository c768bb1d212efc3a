#include "BundleVerifier.h"

#include "BundleScan.h"
#include "Ed25519.h"
#include "ReleaseSigning.h"

#include <QDir>

#include <set>

namespace installer {

namespace {

constexpr qint64 largestManifest = 16 * 1024 * 1024;

std::optional<BundleProblem> checkPaths(const BundleManifest &manifest)
{
    std::set<QString> seen;
    for (const ManifestEntry &file : manifest.files) {
        if (!isInsideBundle(file.path))
            return BundleProblem::pathOutside;
        if (!seen.insert(file.path).second)
            return BundleProblem::malformedManifest;
    }
    return std::nullopt;
}

std::optional<BundleProblem> compare(const std::vector<ManifestEntry> &signedFiles, const std::vector<ManifestEntry> &onDisk)
{
    std::map<QString, const ManifestEntry *> expected;
    for (const ManifestEntry &file : signedFiles)
        expected.emplace(file.path, &file);
    for (const ManifestEntry &file : onDisk) {
        const auto found = expected.find(file.path);
        if (found == expected.end())
            return BundleProblem::extraFile;
        const ManifestEntry &wanted = *found->second;
        if (wanted.size != file.size)
            return BundleProblem::changedSize;
        if (wanted.executable != file.executable)
            return BundleProblem::changedExecutable;
        if (wanted.sha256 != file.sha256)
            return BundleProblem::changedFile;
        expected.erase(found);
    }
    if (!expected.empty())
        return BundleProblem::missingFile;
    return std::nullopt;
}

} // namespace

BundleVerifier::BundleVerifier(QByteArray publicKey, BundleIdentity identity)
    : m_publicKey(std::move(publicKey))
    , m_identity(std::move(identity))
{
}

BundleVerifier BundleVerifier::release()
{
    return BundleVerifier(QByteArray::fromHex(releaseSigning::publicKeyHex),
                          {QLatin1String(releaseSigning::bundleIdentifier), QLatin1String(releaseSigning::teamIdentifier)});
}

std::optional<BundleProblem> BundleVerifier::check(const QString &bundle) const
{
    const QDir root(bundle);
    const std::optional<QByteArray> manifestJson = readRegularFile(root.filePath(QLatin1String(manifestFileName)), largestManifest);
    const std::optional<QByteArray> signature = readRegularFile(root.filePath(QLatin1String(signatureFileName)), 1024);
    if (!manifestJson || !signature)
        return BundleProblem::missingSignature;
    if (!verifyEd25519(m_publicKey, *manifestJson, *signature))
        return BundleProblem::badSignature;
    const std::optional<BundleManifest> manifest = BundleManifest::fromJson(*manifestJson);
    if (!manifest)
        return BundleProblem::malformedManifest;
    if (manifest->identity != m_identity)
        return BundleProblem::otherIdentity;
    if (const std::optional<BundleProblem> problem = checkPaths(*manifest))
        return problem;
    const BundleScan scan = scanBundle(bundle);
    if (scan.problem)
        return scan.problem;
    return compare(manifest->files, scan.files);
}

} // namespace installer
