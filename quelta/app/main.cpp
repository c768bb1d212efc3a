#include "AppLogging.h"
#include "AppServices.h"
#include "ApplicationIdentity.h"
#include "QueltaBusService.h"
#include "SingleInstance.h"
#include "TrayShell.h"

#include "platform/DetachedTask.h"
#include "platform/DisplaylessUse.h"
#include "platform/PipeReaderWatch.h"
#include "platform/TerminationSignals.h"
#include "ui/cli/CommandLine.h"
#include "ui/cli/RemoteCommandTarget.h"

#include "GuiApplicationPresence.h"

#include <QApplication>
#include <QDBusConnection>
#include <QTextStream>

#include <unistd.h>

namespace {

using quelta::AppServices;
using quelta::ProviderID;

const QStringList launchOptions{QStringLiteral("--show-popover"), QStringLiteral("--show-onboarding")};

bool isTrayLaunch(const QStringList &arguments)
{
    return std::all_of(arguments.begin(), arguments.end(), [](const QString &argument) { return launchOptions.contains(argument); });
}

// A Wayland client cannot place its own windows, and the popover must sit under its icon.
void preferX11WhereAvailable()
{
    if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY") && qEnvironmentVariableIsSet("DISPLAY") && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

// The command line's view of this process's own services.
std::unique_ptr<quelta::LocalCommandTarget> localTarget(AppServices &services)
{
    return std::make_unique<quelta::LocalCommandTarget>(services.monitor(), services.connection(),
                                                        [&services](ProviderID id) { return services.providerTool(id); });
}

// Only the tray and the windows that `connect` may open need the widget application. Every
// other command prints a few lines, and a status bar may run it every second: it neither
// connects to the display nor loads fonts.
bool needsWidgets(const QStringList &arguments)
{
    return isTrayLaunch(arguments) || arguments.value(0) == QLatin1String("connect");
}

std::unique_ptr<QCoreApplication> makeApplication(int &argc, char *argv[], bool widgets)
{
    if (!widgets)
        return std::make_unique<QCoreApplication>(argc, argv);
    return std::make_unique<QApplication>(argc, argv);
}

// `alerts`: this process's own, when no Quelta runs to post them.
QCoro::Task<void> runCommand(QCoreApplication &app, quelta::CommandTarget &target, quelta::UsageNotificationManager *alerts,
                             int &status)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = app.arguments().mid(1);
    quelta::CommandLineEnvironment environment;
    environment.showsWindows = qobject_cast<QGuiApplication *>(&app) && QGuiApplication::platformName() != QLatin1String("offscreen");
    quelta::PipeReaderWatch output(STDOUT_FILENO);
    environment.output = &output;
    status = co_await quelta::runCommandLine(arguments, target, environment, out, err);
    if (alerts)
        co_await alerts->finishDeliveries();
    // Queued, so that a command answered before the event loop runs still ends it.
    QMetaObject::invokeMethod(&app, [&app, &status] { app.exit(status); }, Qt::QueuedConnection);
}

int runTray(QCoreApplication &app, const QStringList &arguments)
{
    // One Quelta at a time, decided by the bus before anything is built: the running one shows
    // its popover.
    QDBusConnection bus = QDBusConnection::sessionBus();
    using quelta::singleInstance::Claimant;
    if (bus.isConnected() && !quelta::singleInstance::claim(bus, Claimant::app) && quelta::singleInstance::handOver(bus))
        return 0;
    QApplication::setQuitOnLastWindowClosed(false);
    AppServices::Configuration configuration = AppServices::Configuration::standard();
    configuration.telemetry.presence = std::make_shared<telemetrydeck::GuiApplicationPresence>(*qGuiApp);
    AppServices services(configuration);
    quelta::TrayShell::Options options;
    options.showPopoverAtLaunch = arguments.contains(QStringLiteral("--show-popover"));
    options.showOnboarding = arguments.contains(QStringLiteral("--show-onboarding"));
    const QDBusConnection system = QDBusConnection::systemBus();
    if (system.isConnected())
        options.systemBus = system;
    quelta::TrayShell shell(services, options);
    QObject::connect(&shell, &quelta::TrayShell::quitRequested, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    const std::unique_ptr<quelta::LocalCommandTarget> target = localTarget(services);
    QObject host;
    auto *face = new quelta::QueltaBusService(&host, services, shell, *target);
    if (!face->registerOn(bus))
        qCInfo(lcApp) << "no session bus; scripts cannot reach this Quelta, nor can a second launch find it";
    shell.start();
    return app.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    const QStringList rawArguments = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i)
            list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    const bool trayLaunch = isTrayLaunch(rawArguments);
    if (trayLaunch)
        preferX11WhereAvailable();
    quelta::prepareForDisplaylessUse();
    const std::unique_ptr<QCoreApplication> application = makeApplication(argc, argv, needsWidgets(rawArguments));
    QCoreApplication &app = *application;
    quelta::applyApplicationIdentity();

    int status = 0;
    // Ending through the event loop lets everything written on quit be written.
    quelta::TerminationSignals terminations;
    QObject::connect(&terminations, &quelta::TerminationSignals::received, &app, [&app, &status](int signalNumber) {
        status = 128 + signalNumber;
        app.exit(status);
    });
    if (trayLaunch) {
        const int exitStatus = runTray(app, rawArguments);
        return status != 0 ? status : exitStatus;
    }

    // A command runs its own monitor only when it got the name; otherwise the holder answers.
    const QDBusConnection bus = QDBusConnection::sessionBus();
    std::unique_ptr<AppServices> services;
    std::unique_ptr<quelta::CommandTarget> target;
    if (bus.isConnected() && !quelta::singleInstance::claim(bus, quelta::singleInstance::Claimant::command)) {
        target = std::make_unique<quelta::RemoteCommandTarget>(bus);
    } else {
        // Destroyed before the application: loops cancelled, pages released, stores written.
        services = std::make_unique<AppServices>();
        services->alerts().configureUnattended();
        target = localTarget(*services);
    }
    quelta::startDetached(runCommand(app, *target, services ? &services->alerts() : nullptr, status), lcApp, "the command");
    app.exec();
    target.reset();
    return status;
}
