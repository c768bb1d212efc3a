#include "CommandProgram.h"

#include "AppLogging.h"
#include "ApplicationIdentity.h"
#include "SingleInstance.h"

#include "platform/DetachedTask.h"
#include "platform/DisplaylessUse.h"
#include "platform/PipeReaderWatch.h"
#include "platform/SettingsStore.h"
#include "platform/TerminationSignals.h"
#include "ui/cli/CommandLine.h"
#include "ui/cli/RemoteCommandTarget.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QTextStream>

#include <unistd.h>

#include <algorithm>

namespace quelta {

namespace {

QCoro::Task<void> runCommand(QCoreApplication &app, CommandTarget &target, OwnCommandServices *own, int &status)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = app.arguments().mid(1);
    CommandLineEnvironment environment;
    environment.showsWindows = windowsCanBeShown();
    PipeReaderWatch output(STDOUT_FILENO);
    environment.output = &output;
    status = co_await runCommandLine(arguments, target, environment, out, err);
    if (own)
        co_await own->finish();
    // Results that are gone at the next start are no success.
    if (own && own->settings().hasUnsavedChanges()) {
        err << "quelta: couldn’t save settings to " << own->settings().filePath() << '\n';
        status = std::max(status, 1);
    }
    // Queued, so that a command answered before the event loop runs still ends it.
    QMetaObject::invokeMethod(&app, [&app, &status] { app.exit(status); }, Qt::QueuedConnection);
}

} // namespace

int runCommandProgram(QCoreApplication &app, const OwnCommandServicesFactory &makeOwnServices)
{
    prepareForDisplaylessUse();
    applyApplicationIdentity();

    int status = 0;
    // Ending through the event loop lets everything written on quit be written.
    TerminationSignals terminations;
    terminations.endLoopOf(app, status);

    // A command runs its own monitor only when it got the name; otherwise the holder answers.
    const QDBusConnection bus = QDBusConnection::sessionBus();
    std::unique_ptr<OwnCommandServices> own;
    std::unique_ptr<CommandTarget> remote;
    if (bus.isConnected() && !singleInstance::claim(bus, singleInstance::Claimant::command)) {
        remote = std::make_unique<RemoteCommandTarget>(bus);
    } else {
        own = makeOwnServices();
        if (!own)
            return 1;
    }
    CommandTarget &target = remote ? *remote : own->target();
    startDetached(runCommand(app, target, own.get(), status), lcApp, "the command");
    app.exec();
    // Before the application: loops cancelled, pages released, stores written.
    remote.reset();
    own.reset();
    return status;
}

} // namespace quelta
