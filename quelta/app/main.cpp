#include "AppLogging.h"
#include "AppServices.h"
#include "ApplicationIdentity.h"
#include "SingleInstance.h"
#include "TrayLaunch.h"

#include "platform/DetachedTask.h"
#include "platform/DisplaylessUse.h"
#include "platform/HelperProgram.h"
#include "platform/PipeReaderWatch.h"
#include "platform/ProgramExec.h"
#include "platform/TerminationSignals.h"
#include "ui/cli/CommandLine.h"
#include "ui/cli/RemoteCommandTarget.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QTextStream>

#include <unistd.h>

// `quelta`: the command line, and the launcher of the tray program. A status bar may run a
// command every second, so this program links no Qt Gui: it neither maps the windowing
// libraries nor connects to the display.

namespace {

using quelta::AppServices;

// `alerts`: this process's own, when no Quelta runs to post them.
QCoro::Task<void> runCommand(QCoreApplication &app, quelta::CommandTarget &target, quelta::UsageNotificationManager *alerts,
                             int &status)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = app.arguments().mid(1);
    quelta::CommandLineEnvironment environment;
    environment.showsWindows = quelta::windowsCanBeShown();
    quelta::PipeReaderWatch output(STDOUT_FILENO);
    environment.output = &output;
    status = co_await quelta::runCommandLine(arguments, target, environment, out, err);
    if (alerts)
        co_await alerts->finishDeliveries();
    // Queued, so that a command answered before the event loop runs still ends it.
    QMetaObject::invokeMethod(&app, [&app, &status] { app.exit(status); }, Qt::QueuedConnection);
}

// The tray takes this process's place, so that whoever started it (a desktop's autostart, a
// test) holds the tray itself.
int startTray(const QStringList &arguments)
{
    const QString tray = quelta::helperProgramPath(QCoreApplication::applicationDirPath(), QStringLiteral("quelta-tray"));
    const QString reason = quelta::execProgram(tray, arguments);
    QTextStream(stderr) << "quelta: cannot start the tray program " << tray << ": " << reason << '\n';
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (quelta::isTrayLaunch(arguments))
        return startTray(arguments);
    quelta::prepareForDisplaylessUse();
    quelta::applyApplicationIdentity();

    int status = 0;
    // Ending through the event loop lets everything written on quit be written.
    quelta::TerminationSignals terminations;
    QObject::connect(&terminations, &quelta::TerminationSignals::received, &app, [&app, &status](int signalNumber) {
        status = 128 + signalNumber;
        app.exit(status);
    });

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
        target = services->commandTarget();
    }
    quelta::startDetached(runCommand(app, *target, services ? &services->alerts() : nullptr, status), lcApp, "the command");
    app.exec();
    target.reset();
    return status;
}
