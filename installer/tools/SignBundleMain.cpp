// Signs a bundle at build time: writes the manifest of its files and the Ed25519 signature.
#include "signature/BundleSigner.h"
#include "signature/Ed25519.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <stdexcept>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 5) {
        std::fprintf(stderr, "Usage: quelta-sign-bundle KEY.pem BUNDLE-IDENTIFIER TEAM-IDENTIFIER BUNDLE\n");
        return 2;
    }
    try {
        const installer::Ed25519PrivateKey key = installer::Ed25519PrivateKey::fromPemFile(arguments[1]);
        installer::signBundle(arguments[4], {arguments[2], arguments[3]}, key);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "quelta-sign-bundle: %s\n", error.what());
        return 1;
    }
    return 0;
}
