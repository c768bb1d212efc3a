#pragma once

#include "BundleManifest.h"

#include <QString>

namespace installer {

class Ed25519PrivateKey;

// Writes the manifest of every file in the bundle and its signature into the bundle's
// Contents/_CodeSignature, replacing an earlier signature. Throws std::runtime_error saying why,
// for a symbolic link or any file it cannot read or write.
void signBundle(const QString &bundle, const BundleIdentity &identity, const Ed25519PrivateKey &key);

} // namespace installer
