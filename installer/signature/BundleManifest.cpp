#include "BundleManifest.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace installer {

namespace {

// Sizes travel as JSON numbers; beyond 2^53 they would no longer be exact.
constexpr double largestExactSize = 9007199254740992.0;

std::optional<ManifestEntry> entryFromJson(const QJsonValue &value)
{
    const QJsonObject object = value.toObject();
    const QJsonValue path = object.value(QLatin1String("path"));
    const QJsonValue sha256 = object.value(QLatin1String("sha256"));
    const QJsonValue size = object.value(QLatin1String("size"));
    const QJsonValue executable = object.value(QLatin1String("executable"));
    if (!path.isString() || !sha256.isString() || !size.isDouble() || !executable.isBool())
        return std::nullopt;
    const double bytes = size.toDouble();
    const QByteArray digest = QByteArray::fromHex(sha256.toString().toLatin1());
    if (!(bytes >= 0 && bytes <= largestExactSize) || std::floor(bytes) != bytes || digest.size() != 32
        || sha256.toString().size() != 64)
        return std::nullopt;
    return ManifestEntry{path.toString(), digest, qint64(bytes), executable.toBool()};
}

} // namespace

QByteArray BundleManifest::toJson() const
{
    QJsonArray entries;
    for (const ManifestEntry &file : files) {
        entries.append(QJsonObject{{QLatin1String("path"), file.path},
                                   {QLatin1String("sha256"), QString::fromLatin1(file.sha256.toHex())},
                                   {QLatin1String("size"), double(file.size)},
                                   {QLatin1String("executable"), file.executable}});
    }
    const QJsonObject document{{QLatin1String("bundleIdentifier"), identity.bundleIdentifier},
                               {QLatin1String("teamIdentifier"), identity.teamIdentifier},
                               {QLatin1String("files"), entries}};
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

std::optional<BundleManifest> BundleManifest::fromJson(const QByteArray &json)
{
    const QJsonObject document = QJsonDocument::fromJson(json).object();
    const QJsonValue bundleIdentifier = document.value(QLatin1String("bundleIdentifier"));
    const QJsonValue teamIdentifier = document.value(QLatin1String("teamIdentifier"));
    const QJsonValue files = document.value(QLatin1String("files"));
    if (!bundleIdentifier.isString() || !teamIdentifier.isString() || !files.isArray())
        return std::nullopt;
    BundleManifest manifest{{bundleIdentifier.toString(), teamIdentifier.toString()}, {}};
    for (const QJsonValue &value : files.toArray()) {
        std::optional<ManifestEntry> entry = entryFromJson(value);
        if (!entry)
            return std::nullopt;
        manifest.files.push_back(std::move(*entry));
    }
    return manifest;
}

bool isInsideBundle(const QString &relativePath)
{
    if (relativePath.isEmpty() || relativePath.startsWith(QLatin1Char('/')) || relativePath.contains(QChar(0)))
        return false;
    const QStringList components = relativePath.split(QLatin1Char('/'));
    return std::none_of(components.begin(), components.end(), [](const QString &component) {
        return component.isEmpty() || component == QLatin1String(".") || component == QLatin1String("..");
    });
}

} // namespace installer
