#include "BundleSigner.h"

#include "BundleScan.h"
#include "Ed25519.h"

#include "DurableFile.h"

#include <QDir>
#include <QFileInfo>

#include <optional>
#include <stdexcept>

namespace installer {

namespace {

void writeFile(const QString &path, const QByteArray &contents)
{
    durable::DurableFile file;
    if (!file.replace(path, contents))
        throw std::runtime_error("cannot write " + path.toStdString() + ": " + file.errorString().toStdString());
}

// What the signature folder held before signing, put back when signing fails halfway.
class SignatureFolderBackup
{
public:
    explicit SignatureFolderBackup(const QDir &bundle)
        : m_folder(QFileInfo(bundle.filePath(QLatin1String(manifestFileName))).absolutePath())
        , m_manifest(bundle.filePath(QLatin1String(manifestFileName)))
        , m_signature(bundle.filePath(QLatin1String(signatureFileName)))
        , m_folderExisted(QFileInfo(m_folder).isDir())
        , m_oldManifest(readRegularFile(m_manifest, largestManifest))
        , m_oldSignature(readRegularFile(m_signature, largestSignature))
    {
    }
    ~SignatureFolderBackup()
    {
        if (m_kept)
            return;
        restore(m_manifest, m_oldManifest);
        restore(m_signature, m_oldSignature);
        if (!m_folderExisted)
            QDir(m_folder).rmdir(QStringLiteral("."));
    }
    SignatureFolderBackup(const SignatureFolderBackup &) = delete;
    SignatureFolderBackup &operator=(const SignatureFolderBackup &) = delete;

    const QString &folder() const { return m_folder; }
    void keep() { m_kept = true; }

private:
    static void restore(const QString &path, const std::optional<QByteArray> &contents)
    {
        if (!contents) {
            QFile::remove(path);
            return;
        }
        durable::DurableFile().replace(path, *contents);
    }

    QString m_folder;
    QString m_manifest;
    QString m_signature;
    bool m_folderExisted;
    std::optional<QByteArray> m_oldManifest;
    std::optional<QByteArray> m_oldSignature;
    bool m_kept = false;
};

} // namespace

void signBundle(const QString &bundle, const BundleIdentity &identity, const Ed25519PrivateKey &key)
{
    // Relative paths below are taken from the bundle, never from the working directory.
    const QDir root(QFileInfo(bundle).absoluteFilePath());
    const BundleScan scan = scanBundle(root.path());
    if (scan.problem)
        throw std::runtime_error("cannot sign " + bundle.toStdString() + ": " + bundleProblemName(*scan.problem).toStdString());
    const QByteArray manifest = BundleManifest{identity, scan.files}.toJson();
    SignatureFolderBackup backup(root);
    if (!QDir().mkpath(backup.folder()))
        throw std::runtime_error("cannot create the signature folder in " + bundle.toStdString());
    writeFile(root.filePath(QLatin1String(manifestFileName)), manifest);
    writeFile(root.filePath(QLatin1String(signatureFileName)), key.sign(manifest));
    backup.keep();
}

} // namespace installer
