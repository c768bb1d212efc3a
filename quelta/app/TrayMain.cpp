#include "AppLogging.h"
#include "AppServices.h"
#include "ApplicationIdentity.h"
#include "CommandProgram.h"
#include "QueltaBusService.h"
#include "SingleInstance.h"
#include "TrayLaunch.h"
#include "TrayShell.h"

#include "artwork/Symbols.h"
#include "platform/DisplaylessUse.h"
#include "platform/StandardStreams.h"
#include "platform/TerminationSignals.h"

#include "GuiApplicationPresence.h"

#include <QApplication>
#include <QDBusConnection>

// `quelta-tray`: the tray app, which the `quelta` launcher becomes when started without a
// command, and the commands that load or sign in while no Quelta runs.

namespace {

using quelta::AppServices;

void applyDesktopIdentity()
{
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Quelta"));
    QGuiApplication::setDesktopFileName(QStringLiteral("app.quelta.Quelta"));
    QGuiApplication::setWindowIcon(quelta::applicationIcon());
}

int runTray(QApplication &app, const QStringList &arguments)
{
    // One Quelta at a time, decided by the bus before anything is built: the running one shows
    // its popover.
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected() && !quelta::singleInstance::claim(bus) && quelta::singleInstance::handOver(bus))
        return 0;
    QApplication::setQuitOnLastWindowClosed(false);
    AppServices::Configuration configuration = AppServices::Configuration::standard();
    configuration.telemetry.presence = std::make_shared<telemetrydeck::GuiApplicationPresence>(app);
    AppServices services(configuration);
    quelta::TrayShell::Options options;
    options.showPopoverAtLaunch = arguments.contains(QStringLiteral("--show-popover"));
    options.showOnboarding = arguments.contains(QStringLiteral("--show-onboarding"));
    const QDBusConnection system = QDBusConnection::systemBus();
    if (system.isConnected())
        options.systemBus = system;
    quelta::TrayShell shell(services, options);
    QObject::connect(&shell, &quelta::TrayShell::quitRequested, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    const std::unique_ptr<quelta::LocalCommandTarget> target = services.commandTarget();
    QObject host;
    auto *face = new quelta::QueltaBusService(&host, services, shell, *target);
    if (!face->registerOn(bus))
        qCInfo(lcApp) << "no session bus; scripts cannot reach this Quelta, nor can a second launch find it";
    shell.start();
    return app.exec();
}

// A command's own monitor, with the connectors and the alerts it may post.
class CommandServices final : public quelta::OwnCommandServices
{
public:
    CommandServices() { m_services.alerts().configureUnattended(); }

    quelta::CommandTarget &target() override { return *m_target; }
    quelta::SettingsStore &settings() override { return m_services.settings(); }
    QCoro::Task<void> finish() override { co_await m_services.alerts().finishDeliveries(); }

private:
    AppServices m_services;
    const std::unique_ptr<quelta::LocalCommandTarget> m_target = m_services.commandTarget();
};

int runCommand(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    return quelta::runCommandProgram(app, [] { return std::make_unique<CommandServices>(); });
}

} // namespace

int main(int argc, char *argv[])
{
    quelta::openClosedStandardStreams();
    QStringList rawArguments;
    for (int i = 1; i < argc; ++i)
        rawArguments << QString::fromLocal8Bit(argv[i]);
    if (!quelta::isTrayLaunch(rawArguments))
        return runCommand(argc, argv);
    quelta::preferX11WhereAvailable();
    quelta::prepareForDisplaylessUse();
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    quelta::applyApplicationIdentity();
    applyDesktopIdentity();

    int status = 0;
    // Ending through the event loop lets everything written on quit be written.
    quelta::TerminationSignals terminations;
    terminations.endLoopOf(app, status);
    const int exitStatus = runTray(app, arguments);
    return status != 0 ? status : exitStatus;
}
