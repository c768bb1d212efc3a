#include "InstallerModel.h"

#include "engine/BundleInformation.h"
#include "engine/InstallFailure.h"
#include "engine/InstallerLogging.h"
#include "engine/InstallerTexts.h"
#include "signature/ReleaseSigning.h"

#include <QCoreApplication>
#include <QDir>
#include <QMimeData>
#include <QProcess>
#include <QThread>
#include <QUuid>

#include <memory>

#include <unistd.h>

namespace installer {

bool InstallerModel::startInstalledApplication(const QString &bundle)
{
    // A tray app running as root would start its web helper without a sandbox: the user opens it.
    if (::geteuid() == 0) {
        qCInfo(lcInstaller) << "Quelta is not started as root";
        return false;
    }
    return QProcess::startDetached(bundleExecutable(bundle), {}, QDir::homePath());
}

QString InstallerModel::standardPayload()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Resources/Quelta.app"));
}

QString InstallerModel::dragType()
{
    return QLatin1String("application/x-") + QLatin1String(releaseSigning::bundleIdentifier) + QLatin1String(".installer.payload");
}

InstallerModel::InstallerModel(InstallEngine engine, Opener opener, QObject *parent)
    : QObject(parent)
    , m_engine(std::move(engine))
    , m_opener(std::move(opener))
    , m_dragToken(QUuid::createUuid().toString(QUuid::WithoutBraces))
{
}

InstallerModel::~InstallerModel()
{
    // The engine never leaves half a bundle behind, but it has to finish first.
    if (m_worker)
        m_worker->wait();
}

bool InstallerModel::matchesDrag(const QMimeData *data) const
{
    return iconsEnabled() && data && data->hasFormat(dragType()) && data->data(dragType()) == m_dragToken.toUtf8();
}

void InstallerModel::install()
{
    if (m_working || m_installed)
        return;
    m_working = true;
    m_error.reset();
    Q_EMIT changed();

    auto outcome = std::make_shared<Outcome>();
    m_worker = QThread::create([engine = m_engine, outcome] {
        try {
            outcome->installed = engine.install();
        } catch (const InstallFailure &failure) {
            outcome->error = failure.message();
        } catch (const std::exception &error) {
            qCWarning(lcInstaller) << "installation failed:" << error.what();
            outcome->error = texts::copyFailed();
        }
    });
    m_worker->setParent(this);
    connect(m_worker, &QThread::finished, this, [this, outcome] {
        m_worker->deleteLater();
        m_worker = nullptr;
        finish(*outcome);
    });
    m_worker->start();
}

void InstallerModel::finish(const Outcome &outcome)
{
    m_working = false;
    m_installed = outcome.installed;
    if (!outcome.installed)
        m_error = outcome.error;
    Q_EMIT changed();
}

void InstallerModel::openQuelta()
{
    if (!m_installed)
        return;
    if (!m_opener(*m_installed)) {
        m_error = texts::openFailed();
        Q_EMIT changed();
        return;
    }
    Q_EMIT quitRequested();
}

void InstallerModel::setTargeted(bool targeted)
{
    if (m_targeted == targeted)
        return;
    m_targeted = targeted;
    Q_EMIT changed();
}

} // namespace installer
