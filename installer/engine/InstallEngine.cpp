#include "InstallEngine.h"

#include "BundleInformation.h"
#include "DesktopEntry.h"
#include "InstallFailure.h"
#include "InstallationTrust.h"
#include "InstallerLogging.h"
#include "InstallerTexts.h"
#include "NumericVersion.h"

#include <QDir>
#include <QFileInfo>
#include <QUuid>

#include <filesystem>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

namespace installer {

namespace {

namespace fs = std::filesystem;

const QString bundleName = QStringLiteral("Quelta.app");

// Removed on every way out once it exists; what cannot be removed is left.
class StagingFolder
{
public:
    explicit StagingFolder(const QString &destination)
        : m_path(QDir(destination).filePath(QLatin1String(".Quelta-install-") + QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper()))
    {
        if (::mkdir(m_path.toLocal8Bit().constData(), 0755) != 0)
            throw std::system_error(errno, std::generic_category(), m_path.toStdString());
    }
    ~StagingFolder()
    {
        std::error_code ignored;
        fs::remove_all(m_path.toStdString(), ignored);
    }
    StagingFolder(const StagingFolder &) = delete;
    StagingFolder &operator=(const StagingFolder &) = delete;
    QString bundle() const { return QDir(m_path).filePath(bundleName); }

private:
    QString m_path;
};

bool isWritable(const QString &folder)
{
    return ::access(folder.toLocal8Bit().constData(), W_OK) == 0;
}

QString chooseDestination(const QStringList &folders)
{
    const auto writable = std::find_if(folders.begin(), folders.end(), isWritable);
    return writable != folders.end() ? *writable : folders.last();
}

} // namespace

QStringList InstallEngine::standardCandidates()
{
    return {QStringLiteral("/opt"), QDir::home().filePath(QStringLiteral("Applications"))};
}

void InstallEngine::verify(const QString &bundle) const
{
    if (const std::optional<BundleProblem> problem = verifier.check(bundle)) {
        qCWarning(lcInstaller) << bundle << "failed verification:" << bundleProblemName(*problem);
        throw InstallFailure(texts::unverified());
    }
}

QString InstallEngine::install() const
{
    verify(payload);
    const QStringList folders = testRoot ? QStringList{*testRoot} : candidates;
    if (std::optional<QString> existing = acceptableInstallation(folders, bundleVersion(payload))) {
        announce(*existing);
        return *existing;
    }
    const QString destination = chooseDestination(folders);
    fs::create_directories(destination.toStdString());
    const StagingFolder staging(destination);
    copyBundle(payload, staging.bundle());
    verify(staging.bundle());
    const QString installed = QDir(destination).filePath(bundleName);
    moveWithoutReplacing(staging.bundle(), installed);
    announce(installed);
    return installed;
}

// The first folder holding a "Quelta.app" decides: a link is refused, so is a copy that someone
// else could have changed and an older version, and one as new as the payload is what the user
// wants.
std::optional<QString> InstallEngine::acceptableInstallation(const QStringList &folders, const QString &payloadVersion) const
{
    for (const QString &folder : folders) {
        const QString existing = QDir(folder).filePath(bundleName);
        std::error_code error;
        const fs::file_status status = fs::symlink_status(existing.toStdString(), error);
        if (!fs::exists(status))
            continue;
        if (fs::is_symlink(status))
            throw InstallFailure(texts::linkInTheWay());
        if (const std::optional<QString> reason = reasonToDistrust(existing, folder, installingUser)) {
            qCWarning(lcInstaller) << "the installation" << existing << "is not taken:" << *reason;
            throw InstallFailure(texts::unverified());
        }
        verify(existing);
        if (compareVersionsNumerically(bundleVersion(existing), payloadVersion) < 0)
            throw InstallFailure(texts::olderInstalled());
        return existing;
    }
    return std::nullopt;
}

void InstallEngine::announce(const QString &bundle) const
{
    if (testRoot && !desktopEntryDirectory)
        return;
    const QString directory = desktopEntryDirectory.value_or(standardDesktopEntryDirectory(bundle));
    if (!writeDesktopEntry(bundle, directory))
        qCWarning(lcInstaller) << "could not write the menu entry into" << directory;
}

} // namespace installer
