#include "BundleProblem.h"

namespace installer {

QString bundleProblemName(BundleProblem problem)
{
    switch (problem) {
    case BundleProblem::notABundle: return QStringLiteral("not a bundle directory");
    case BundleProblem::missingSignature: return QStringLiteral("manifest or signature missing");
    case BundleProblem::badSignature: return QStringLiteral("bad signature");
    case BundleProblem::malformedManifest: return QStringLiteral("malformed manifest");
    case BundleProblem::otherIdentity: return QStringLiteral("another bundle identifier or team");
    case BundleProblem::pathOutside: return QStringLiteral("a path that leaves the bundle");
    case BundleProblem::symbolicLink: return QStringLiteral("a symbolic link");
    case BundleProblem::nameNotUtf8: return QStringLiteral("a file name that is not UTF-8");
    case BundleProblem::unexpectedFileType: return QStringLiteral("neither a file nor a directory");
    case BundleProblem::unreadable: return QStringLiteral("a file that cannot be read");
    case BundleProblem::missingFile: return QStringLiteral("a missing file");
    case BundleProblem::extraFile: return QStringLiteral("an extra file");
    case BundleProblem::changedSize: return QStringLiteral("a file of another size");
    case BundleProblem::changedExecutable: return QStringLiteral("a changed executable bit");
    case BundleProblem::changedFile: return QStringLiteral("a changed file");
    }
    return QString();
}

} // namespace installer
