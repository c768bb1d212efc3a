#include "CommandProgram.h"

#include "ApplicationIdentity.h"
#include "CommandLine.h"
#include "CommandTargetFailure.h"
#include "CommandsLogging.h"
#include "FollowingCommandTarget.h"
#include "RemoteCommandTarget.h"
#include "StoredAccounts.h"

#include "connectors/AccountRegistry.h"
#include "platform/DetachedTask.h"
#include "platform/DisplaylessUse.h"
#include "platform/PipeReaderWatch.h"
#include "platform/Quelta.h"
#include "platform/SettingsStore.h"
#include "platform/TerminationSignals.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QTextStream>

#include <unistd.h>

#include <algorithm>

namespace quelta {

namespace {

QCoro::Task<void> runAccountsInTray(QStringList arguments, QTextStream &out, QTextStream &err, int &status)
{
    RemoteCommandTarget tray(QDBusConnection::sessionBus());
    try {
        const RemoteCommandTarget::CommandAnswer answer = co_await tray.accounts(arguments);
        out << answer.output;
        err << answer.errors;
        status = answer.status;
    } catch (const CommandTargetFailure &failure) {
        err << "quelta: " << failure.message << '\n';
        status = 1;
    }
    out.flush();
    err.flush();
}

QCoro::Task<void> runCommand(QCoreApplication &app, FollowingCommandTarget &target, int &status)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = app.arguments().mid(1);
    CommandLineEnvironment environment;
    environment.showsWindows = windowsCanBeShown();
    PipeReaderWatch output(STDOUT_FILENO);
    environment.output = &output;
    // Only `accounts` reads the settings here: every other command asks a monitor.
    std::optional<SettingsStore> settings;
    std::optional<AccountRegistry> registry;
    std::optional<StoredAccounts> accounts;
    if (arguments.value(0) == QLatin1String("accounts")) {
        // A running tray keeps the settings in memory and writes them back whole: it makes the
        // change itself, and its monitor takes it at once.
        QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
        if (bus && bus->isServiceRegistered(queltaBus::service)) {
            co_await runAccountsInTray(arguments.mid(1), out, err, status);
            QMetaObject::invokeMethod(&app, [&app, &status] { app.exit(status); }, Qt::QueuedConnection);
            co_return;
        }
        settings.emplace(SettingsStore::defaultDirectory());
        registry.emplace(*settings, AccountSearchPlaces::current({}));
        accounts.emplace(*registry, *settings);
        environment.accounts = &*accounts;
    }
    try {
        status = co_await runCommandLine(arguments, target, environment, out, err);
        co_await target.finish();
    } catch (const CommandTargetFailure &failure) {
        if (!failure.message.isEmpty())
            err << "quelta: " << failure.message << '\n';
        status = 1;
    }
    if (const std::optional<QString> failure = writeFailure(out)) {
        err << "quelta: " << *failure << '\n';
        status = 1;
    }
    // Queued, so that a command answered before the event loop runs still ends it.
    QMetaObject::invokeMethod(&app, [&app, &status] { app.exit(status); }, Qt::QueuedConnection);
}

} // namespace

int runCommandProgram(QCoreApplication &app, const NoAnswerFallback &noAnswerFallback)
{
    prepareForDisplaylessUse();
    applyApplicationIdentity();

    int status = 0;
    // Ending through the event loop lets everything written on quit be written.
    TerminationSignals terminations;
    terminations.endLoopOf(app, status);

    // Commands never claim app.quelta.Quelta: only the tray app holds it, and it answers every
    // call on it. So a command never stands between the app and another command; with no app,
    // commands run side by side, each on its own monitor, as they would one after another.
    FollowingCommandTarget target(QDBusConnection::sessionBus(), noAnswerFallback);
    startDetached(runCommand(app, target, status), lcCommands, "the command");
    app.exec();
    return status;
}

} // namespace quelta
