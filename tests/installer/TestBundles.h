#pragma once

#include "signature/BundleVerifier.h"
#include "signature/Ed25519.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace test {

// A signing key of the test's own and small bundles signed with it.
struct TestSigning {
    installer::Ed25519PrivateKey key = installer::Ed25519PrivateKey::generate();
    installer::BundleIdentity identity{QStringLiteral("app.quelta.Quelta"), QStringLiteral("TESTTEAM01")};

    installer::BundleVerifier verifier() const { return installer::BundleVerifier(key.publicKey(), identity); }
    // Writes a bundle with an executable, a resource and Info.json (without CFBundleVersion when
    // version is none), signs it and returns its path.
    QString makeBundle(const QString &path, const std::optional<QString> &version = QStringLiteral("1")) const;
    // The same bundle, not signed.
    QString writeBundle(const QString &path, const std::optional<QString> &version = QStringLiteral("1")) const;
    // Signs the manifest document as given, whatever it says.
    void signManifest(const QString &bundle, const QByteArray &manifest) const;
};

void writeFile(const QString &path, const QByteArray &contents);
QByteArray readFile(const QString &path);
// Every entry under folder with its mode, and a file's contents: what must not change.
QByteArrayList treeOf(const QString &folder);

} // namespace test
