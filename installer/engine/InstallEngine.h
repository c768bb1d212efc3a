#pragma once

#include "BundleCopy.h"
#include "signature/BundleVerifier.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

#include <unistd.h>

namespace installer {

// Installs a verified copy of the payload bundle as "Quelta.app" in the first suitable
// applications folder, through a staging folder beside it, never replacing an installation.
struct InstallEngine {
    using CopyBundle = std::function<void(const QString &from, const QString &to)>;

    static QStringList standardCandidates();

    explicit InstallEngine(QString payload, std::optional<QString> testRoot = std::nullopt)
        : payload(std::move(payload))
        , testRoot(std::move(testRoot))
    {
    }

    QString payload;
    // When present, the only folder installed into; the window always passes none.
    std::optional<QString> testRoot;
    BundleVerifier verifier = BundleVerifier::release();
    // Where to look and install, in order, without a test root.
    QStringList candidates = standardCandidates();
    // Where the menu entry goes; none: the standard place for where Quelta is, and no entry at all
    // for a test root.
    std::optional<QString> desktopEntryDirectory;
    CopyBundle copyBundle = copyBundleTree;
    // Whose installation, besides root's, may be taken as the user's own.
    uid_t installingUser = ::geteuid();

    // Throws InstallFailure when the bundle is not intact or not ours.
    void verify(const QString &bundle) const;
    // Blocking. Returns where Quelta now is: the new copy, or an existing one that is as new.
    // Throws InstallFailure, or the file system's own errors.
    QString install() const;

private:
    std::optional<QString> acceptableInstallation(const QStringList &folders, const QString &payloadVersion) const;
    void announce(const QString &bundle) const;
};

} // namespace installer
