#pragma once

#include "BundleManifest.h"
#include "BundleProblem.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace installer {

// Checks that a bundle on disk is exactly what was signed, for this identity, with this key.
// Reads files without following links and runs nothing from the bundle.
class BundleVerifier
{
public:
    BundleVerifier(QByteArray publicKey, BundleIdentity identity);
    // The key and identity this build's releases are signed with.
    static BundleVerifier release();

    std::optional<BundleProblem> check(const QString &bundle) const;
    const BundleIdentity &identity() const { return m_identity; }

private:
    QByteArray m_publicKey;
    BundleIdentity m_identity;
};

} // namespace installer
