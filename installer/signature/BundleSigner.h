#pragma once

#include "BundleManifest.h"

#include <QString>

namespace installer {

class Ed25519PrivateKey;

// Writes the manifest of every file in the bundle and its signature into the bundle's
// Contents/_CodeSignature, replacing an earlier signature. Throws std::runtime_error saying why,
// for a symbolic link, a name that is not UTF-8 or any file it cannot read or write; a failed
// signing leaves the bundle as it was.
void signBundle(const QString &bundle, const BundleIdentity &identity, const Ed25519PrivateKey &key);

} // namespace installer
