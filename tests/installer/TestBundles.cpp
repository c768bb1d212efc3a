#include "TestBundles.h"

#include "BundleSigner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace test {

void writeFile(const QString &path, const QByteArray &contents)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(contents), contents.size());
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString TestSigning::makeBundle(const QString &path, const std::optional<QString> &version) const
{
    const QDir bundle(path);
    QJsonObject info{{QStringLiteral("CFBundleIdentifier"), identity.bundleIdentifier}};
    if (version)
        info.insert(QStringLiteral("CFBundleVersion"), *version);
    writeFile(bundle.filePath(QStringLiteral("Contents/Info.json")), QJsonDocument(info).toJson());
    writeFile(bundle.filePath(QStringLiteral("Contents/Linux/quelta")), "#!/bin/sh\nexit 0\n");
    QFile::setPermissions(bundle.filePath(QStringLiteral("Contents/Linux/quelta")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    writeFile(bundle.filePath(QStringLiteral("Contents/Resources/fonts/Face.ttf")), QByteArray(3000, 'f'));
    installer::signBundle(path, identity, key);
    return path;
}

void TestSigning::signManifest(const QString &bundle, const QByteArray &manifest) const
{
    const QDir root(bundle);
    writeFile(root.filePath(QLatin1String(installer::manifestFileName)), manifest);
    writeFile(root.filePath(QLatin1String(installer::signatureFileName)), key.sign(manifest));
}

} // namespace test
