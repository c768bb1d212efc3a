#include "connectors/claude/ClaudeConnector.h"
#include "connectors/codex/CodexConnector.h"
#include "core/AllowanceMonitor.h"
#include "core/BundleInformation.h"
#include "platform/TerminationSignals.h"
#include "ui/AppServices.h"
#include "ui/cli/CommandLine.h"

#include <QApplication>
#include <QTextStream>

#include <unistd.h>

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
    if (id == quelta::ProviderID::codex) {
        quelta::CodexConnector codex;
        co_await codex.signIn();
        co_return;
    }
    quelta::ClaudeConnector claude;
    co_await claude.signIn();
}

std::optional<QString> executable(quelta::ProviderID id)
{
    return id == quelta::ProviderID::codex ? quelta::CodexConnector::executableURL() : quelta::ClaudeConnector::executableURL();
}

QCoro::Task<void> run(QApplication &app, int &status)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    quelta::CommandLineServices services{[]() -> quelta::AllowanceMonitor & { return quelta::AppServices::shared().monitor(); },
                                         &signIn, &executable};
    status = co_await quelta::runCommandLine(app.arguments().mid(1), services, out, err);
    app.exit(status);
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
    auto task = run(app, status);
    if (task.isReady())
        return status;
    app.exec();
    return status;
}
