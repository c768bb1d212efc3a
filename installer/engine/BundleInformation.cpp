#include "BundleInformation.h"

#include "signature/BundleScan.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

namespace installer {

QString bundleVersion(const QString &bundle)
{
    const std::optional<QByteArray> json = readRegularFile(QDir(bundle).filePath(QStringLiteral("Contents/Info.json")), 1024 * 1024);
    const QJsonValue version = QJsonDocument::fromJson(json.value_or(QByteArray())).object().value(QLatin1String("CFBundleVersion"));
    return version.isString() ? version.toString() : QStringLiteral("0");
}

QString bundleExecutable(const QString &bundle)
{
    return QDir(bundle).filePath(QStringLiteral("Contents/Linux/quelta"));
}

QString bundleIcon(const QString &bundle)
{
    return QDir(bundle).filePath(QStringLiteral("Contents/Resources/app.quelta.Quelta.svg"));
}

} // namespace installer
