#include "TestBundles.h"

#include "signature/BundleSigner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

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
    installer::signBundle(writeBundle(path, version), identity, key);
    return path;
}

QString TestSigning::writeBundle(const QString &path, const std::optional<QString> &version) const
{
    const QDir bundle(path);
    QJsonObject info{{QStringLiteral("CFBundleIdentifier"), identity.bundleIdentifier}};
    if (version)
        info.insert(QStringLiteral("CFBundleVersion"), *version);
    writeFile(bundle.filePath(QStringLiteral("Contents/Info.json")), QJsonDocument(info).toJson());
    writeFile(bundle.filePath(QStringLiteral("Contents/Linux/quelta")), "#!/bin/sh\nexit 0\n");
    QFile::setPermissions(bundle.filePath(QStringLiteral("Contents/Linux/quelta")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    writeFile(bundle.filePath(QStringLiteral("Contents/Resources/fonts/Face.ttf")), QByteArray(3000, 'f'));
    return path;
}

QByteArrayList treeOf(const QString &folder)
{
    namespace fs = std::filesystem;
    QByteArrayList tree;
    for (const fs::directory_entry &entry : fs::recursive_directory_iterator(folder.toStdString())) {
        const fs::file_status status = entry.symlink_status();
        QByteArray line = QByteArray::fromStdString(entry.path().string()) + ' ' + QByteArray::number(int(status.permissions()), 8);
        if (fs::is_regular_file(status)) {
            std::ifstream file(entry.path(), std::ios::binary);
            line += ' ' + QByteArray::fromStdString(std::string(std::istreambuf_iterator<char>(file), {})).toHex();
        }
        tree << line;
    }
    std::sort(tree.begin(), tree.end());
    return tree;
}

void TestSigning::signManifest(const QString &bundle, const QByteArray &manifest) const
{
    const QDir root(bundle);
    writeFile(root.filePath(QLatin1String(installer::manifestFileName)), manifest);
    writeFile(root.filePath(QLatin1String(installer::signatureFileName)), key.sign(manifest));
}

} // namespace test
