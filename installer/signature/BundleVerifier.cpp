#include "BundleVerifier.h"

#include "BundleScan.h"
#include "Ed25519.h"
#include "signature/ReleaseSigning.h"

#include <QDir>

#include <map>
#include <set>

namespace installer {

namespace {

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

// Paths, sizes and executable bits first, so that a bundle whose list cannot match is refused
// before a single file is read.
std::optional<BundleProblem> compareListing(const std::vector<ManifestEntry> &signedFiles, const std::vector<ManifestEntry> &onDisk)
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
        expected.erase(found);
    }
    if (!expected.empty())
        return BundleProblem::missingFile;
    return std::nullopt;
}

std::optional<BundleProblem> compareContents(const QString &bundle, const std::vector<ManifestEntry> &signedFiles)
{
    for (const ManifestEntry &file : signedFiles) {
        const std::variant<QByteArray, BundleProblem> digest = hashListedFile(bundle, file);
        if (const BundleProblem *problem = std::get_if<BundleProblem>(&digest))
            return *problem;
        if (std::get<QByteArray>(digest) != file.sha256)
            return BundleProblem::changedFile;
    }
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
    const std::optional<QByteArray> signature = readRegularFile(root.filePath(QLatin1String(signatureFileName)), largestSignature);
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
    const BundleScan listing = listBundle(bundle);
    if (listing.problem)
        return listing.problem;
    if (const std::optional<BundleProblem> problem = compareListing(manifest->files, listing.files))
        return problem;
    return compareContents(bundle, manifest->files);
}

} // namespace installer
