#include "AppLogging.h"
#include "AppObjects.h"
#include "QueltaBusService.h"
#include "TrayShell.h"

#include "commands/ApplicationIdentity.h"
#include "commands/CommandProgram.h"
#include "commands/SingleInstance.h"
#include "commands/TrayLaunch.h"
#include "platform/DisplaylessUse.h"
#include "SessionTranslation.h"
#include "platform/StandardStreams.h"
#include "platform/TerminationSignals.h"

#include "GuiApplicationPresence.h"

#include <QApplication>
#include <QDBusConnection>
#include <QTextStream>

// `quelta-app`: the application, with its tray, windows and connectors, which the `quelta`
// launcher becomes when started without a command, or for a command that loads or signs in
// while no Quelta runs.

namespace {

using quelta::AppObjects;

void applyDesktopIdentity()
{
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Quelta"));
    QGuiApplication::setDesktopFileName(QStringLiteral("app.quelta.Quelta"));
}

int runTray(QApplication &app, const QStringList &arguments)
{
    // One Quelta at a time, decided by the bus before anything is built: the running one shows
    // its popover.
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected() && !quelta::singleInstance::claim(bus) && quelta::singleInstance::handOver(bus))
        return 0;
    QApplication::setQuitOnLastWindowClosed(false);
    AppObjects::Configuration configuration = AppObjects::Configuration::standard();
    configuration.telemetry.presence = std::make_shared<telemetrydeck::GuiApplicationPresence>(app);
    AppObjects objects(configuration);
    quelta::TrayShell::Options options;
    options.showPopoverAtLaunch = arguments.contains(QStringLiteral("--show-popover"));
    options.showOnboarding = arguments.contains(QStringLiteral("--show-onboarding"));
    const QDBusConnection system = QDBusConnection::systemBus();
    if (system.isConnected())
        options.systemBus = system;
    quelta::TrayShell shell(objects, options);
    QObject::connect(&shell, &quelta::TrayShell::quitRequested, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    const std::unique_ptr<quelta::LocalCommandTarget> target = objects.commandTarget();
    QObject host;
    auto *face = new quelta::QueltaBusService(&host, objects, shell, *target);
    if (!face->registerOn(bus))
        qCInfo(lcApp) << "no session bus; scripts cannot reach this Quelta, nor can a second launch find it";
    shell.start();
    return app.exec();
}

// A command's own monitor, with the connectors and the alerts it may post.
class LoadingOwnMonitor final : public quelta::OwnMonitor
{
public:
    LoadingOwnMonitor() { m_objects.alerts().configureUnattended(); }

    quelta::CommandTarget &target() override { return *m_target; }
    quelta::SettingsStore &settings() override { return m_objects.settings(); }
    QCoro::Task<void> finish() override { co_await m_objects.alerts().finishDeliveries(); }

private:
    AppObjects m_objects;
    const std::unique_ptr<quelta::LocalCommandTarget> m_target = m_objects.commandTarget();
};

int runCommand(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    session::installSessionTranslation(app, {QStringLiteral("quelta")});
    return quelta::runCommandProgram(app, [] { return std::make_unique<LoadingOwnMonitor>(); });
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
    if (quelta::preferX11WhereAvailable() == quelta::PlatformChoice::waylandPluginMissing) {
        // Qt would abort, naming no package.
        QTextStream(stderr) << "quelta: this Wayland session has no X11 beside it, and Qt's Wayland support is missing: "
                               "install the package qt6-wayland and start Quelta again.\n";
        return 1;
    }
    quelta::prepareForDisplaylessUse();
    QApplication app(argc, argv);
    session::installSessionTranslation(app, {QStringLiteral("quelta")});
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
