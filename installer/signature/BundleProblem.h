#pragma once

#include <QString>

namespace installer {

// Why a bundle failed its signature check. Users see one text for all of them; the kind is for
// logs and tests.
enum class BundleProblem {
    notABundle,
    missingSignature,
    badSignature,
    malformedManifest,
    otherIdentity,
    pathOutside,
    symbolicLink,
    nameNotUtf8,
    unexpectedFileType,
    unreadable,
    missingFile,
    extraFile,
    changedSize,
    changedExecutable,
    changedFile,
};

QString bundleProblemName(BundleProblem problem);

} // namespace installer
