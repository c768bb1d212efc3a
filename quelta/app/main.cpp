#include "AppServices.h"

#include "connectors/claude/ClaudeConnector.h"
#include "connectors/codex/CodexConnector.h"
#include "connectors/framer/FramerConnector.h"
#include "core/ProviderConnectorError.h"
#include "core/BundleInformation.h"
#include "platform/DetachedTask.h"
#include "platform/DisplaylessUse.h"
#include "platform/TerminationSignals.h"
#include "ui/cli/CommandLine.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QTextStream>

Q_LOGGING_CATEGORY(lcApp, "quelta.app", QtCriticalMsg)

namespace {

QCoro::Task<void> signIn(quelta::ProviderID id)
{
    quelta::AppServices &services = quelta::AppServices::shared();
    if (id == quelta::ProviderID::framer) {
        const bool connected = co_await services.framerConnector().showConnectionWindow();
        if (!connected)
            throw quelta::ProviderConnectorError(quelta::ProviderConnectorError::Kind::connectionRequired);
        co_return;
    }
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
    quelta::AppServices &services = quelta::AppServices::shared();
    switch (id) {
    case quelta::ProviderID::codex:
        return quelta::CodexConnector::executableURL(services.executableSearch());
    case quelta::ProviderID::claudeCode:
        return quelta::ClaudeConnector::executableURL(services.executableSearch());
    case quelta::ProviderID::framer:
        break;
    }
    return services.framerHelperProgram();
}

QCoro::Task<void> run(QApplication &app, int &status)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    const bool showsWindows = QGuiApplication::platformName() != QLatin1String("offscreen");
    quelta::CommandLineServices services{[]() -> quelta::AllowanceMonitor & { return quelta::AppServices::shared().monitor(); },
                                         &signIn, &executable, showsWindows};
    const QStringList arguments = app.arguments().mid(1);
    status = co_await quelta::runCommandLine(arguments, services, out, err);
    // Queued, so that a command answered before the event loop runs still ends it.
    QMetaObject::invokeMethod(&app, [&app, &status] { app.exit(status); }, Qt::QueuedConnection);
}

} // namespace

int main(int argc, char *argv[])
{
    quelta::prepareForDisplaylessUse();
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
