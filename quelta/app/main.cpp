#include "AppServices.h"

#include "connectors/claude/ClaudeConnector.h"
#include "connectors/codex/CodexConnector.h"
#include "core/BundleInformation.h"
#include "platform/DetachedTask.h"
#include "platform/TerminationSignals.h"
#include "ui/cli/CommandLine.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QTextStream>

#include <unistd.h>

Q_LOGGING_CATEGORY(lcApp, "quelta.app", QtCriticalMsg)

namespace {

// The commands also run in a terminal without a desktop, where the web engine still needs a
// platform to draw on.
void prepareHeadlessUse()
{
    const bool hasDisplay = qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (!hasDisplay && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Chromium refuses to start its sandbox as root.
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

QCoro::Task<void> signIn(quelta::ProviderID id)
{
    quelta::AppServices &services = quelta::AppServices::shared();
    if (id == quelta::ProviderID::codex) {
        quelta::CodexConnector codex = services.codexConnector();
        co_await codex.signIn();
        co_return;
    }
    quelta::ClaudeConnector claude = services.claudeConnector();
    co_await claude.signIn();
}

std::optional<QString> executable(quelta::ProviderID id)
{
    const quelta::ExecutableSearch &search = quelta::AppServices::shared().executableSearch();
    return id == quelta::ProviderID::codex ? quelta::CodexConnector::executableURL(search)
                                           : quelta::ClaudeConnector::executableURL(search);
}

QCoro::Task<void> run(QApplication &app, int &status)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    quelta::CommandLineServices services{[]() -> quelta::AllowanceMonitor & { return quelta::AppServices::shared().monitor(); },
                                         &signIn, &executable};
    const QStringList arguments = app.arguments().mid(1);
    status = co_await quelta::runCommandLine(arguments, services, out, err);
    // Queued, so that a command answered before the event loop runs still ends it.
    QMetaObject::invokeMethod(&app, [&app, &status] { app.exit(status); }, Qt::QueuedConnection);
}

} // namespace

int main(int argc, char *argv[])
{
    prepareHeadlessUse();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quelta"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quelta"));
    QApplication::setApplicationVersion(QString::fromLatin1(quelta::bundleInformation::shortVersion));

    int status = 0;
    // Ending through the event loop lets everything written on quit be written.
    quelta::TerminationSignals terminations;
    QObject::connect(&terminations, &quelta::TerminationSignals::received, &app, [&app, &status](int signalNumber) {
        status = 128 + signalNumber;
        app.exit(status);
    });
    // Destroyed before the application: loops cancelled, pages released, stores written.
    quelta::AppServices services;
    quelta::startDetached(run(app, status), lcApp, "the command");
    app.exec();
    return status;
}
