#include "BundleSigner.h"

#include "BundleScan.h"
#include "Ed25519.h"

#include <QDir>
#include <QSaveFile>

#include <stdexcept>

namespace installer {

namespace {

void writeFile(const QString &path, const QByteArray &contents)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size() || !file.commit())
        throw std::runtime_error("cannot write " + path.toStdString() + ": " + file.errorString().toStdString());
}

} // namespace

void signBundle(const QString &bundle, const BundleIdentity &identity, const Ed25519PrivateKey &key)
{
    const BundleScan scan = scanBundle(bundle);
    if (scan.problem)
        throw std::runtime_error("cannot sign " + bundle.toStdString() + ": " + bundleProblemName(*scan.problem).toStdString());
    const QByteArray manifest = BundleManifest{identity, scan.files}.toJson();
    const QDir root(bundle);
    if (!root.mkpath(QFileInfo(root.filePath(QLatin1String(manifestFileName))).path()))
        throw std::runtime_error("cannot create the signature folder in " + bundle.toStdString());
    writeFile(root.filePath(QLatin1String(manifestFileName)), manifest);
    writeFile(root.filePath(QLatin1String(signatureFileName)), key.sign(manifest));
}

} // namespace installer
