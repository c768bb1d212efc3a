// The installer's bundle manifest and the versions it compares.
#include "FuzzInput.h"

#include "engine/NumericVersion.h"
#include "signature/BundleManifest.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray json = fuzz::bytes(data, size);
    if (const std::optional<installer::BundleManifest> manifest = installer::BundleManifest::fromJson(json)) {
        for (const installer::ManifestEntry &file : manifest->files)
            installer::isInsideBundle(file.path);
    }
    const QString text = QString::fromUtf8(json);
    const qsizetype middle = text.size() / 2;
    installer::compareVersionsNumerically(QStringView(text).left(middle), QStringView(text).mid(middle));
    return 0;
}
