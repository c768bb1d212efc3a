#include "CommandLine.h"

#include "StatusReport.h"

#include "core/AllowanceMonitor.h"
#include "core/BundleInformation.h"
#include "core/ProviderConnectorError.h"
#include "core/ServiceAddresses.h"

#include <QCoroSignal>
#include <QJsonDocument>

namespace quelta {

namespace {

using Kind = ProviderConnectorError::Kind;

const QString freePlanAdvice =
    QStringLiteral("Your Claude account is on the Free plan. Claude Code needs a paid Claude subscription.");

QCoro::Task<void> waitForRefresh(AllowanceMonitor &monitor)
{
    while (monitor.isRefreshing())
        co_await qCoro(&monitor, &AllowanceMonitor::changed);
}

QString failureAdvice(ProviderID id, const CommandLineServices &services)
{
    const bool installed = services.executable(id).has_value();
    if (id == ProviderID::framer) {
        return installed ? QStringLiteral("Sign in to Framer in the window, with Google or your email’s link, then try again.")
                         : QStringLiteral("Quelta’s web helper, quelta-web, is missing beside quelta: install Quelta again.");
    }
    if (id == ProviderID::codex) {
        return installed ? QStringLiteral("Complete the Codex sign-in in your browser, then try again.")
                         : QStringLiteral("Install Codex from %1, then connect ChatGPT again.").arg(serviceAddresses::codexDownloadSite());
    }
    return installed ? QStringLiteral("Open Claude Code, run /login, and choose your Claude subscription.")
                     : QStringLiteral("Install Claude Code from %1, then connect Claude again.").arg(serviceAddresses::claudeCodeDownloadSite());
}

QCoro::Task<int> status(const QStringList &options, CommandLineServices services, QTextStream &out, QTextStream &err)
{
    bool json = false;
    bool cached = false;
    for (const QString &option : options) {
        if (option == QLatin1String("--json")) {
            json = true;
        } else if (option == QLatin1String("--cached")) {
            cached = true;
        } else {
            err << "quelta: unknown option for status: " << option << "\n\n" << commandLineUsage();
            co_return 2;
        }
    }
    AllowanceMonitor &monitor = services.monitor();
    if (!cached) {
        monitor.refresh(true);
        co_await waitForRefresh(monitor);
    }
    if (json)
        out << QJsonDocument(statusJson(monitor)).toJson(QJsonDocument::Indented);
    else
        out << statusText(monitor);
    co_return 0;
}

QCoro::Task<int> connectProvider(ProviderID id, CommandLineServices services, QTextStream &out, QTextStream &err)
{
    AllowanceMonitor &monitor = services.monitor();
    const QString name = displayName(id);
    // Asking to connect a provider that is switched off means wanting to see it.
    if (!monitor.enabledProviderIDs().contains(id))
        monitor.setProvider(id, true);
    monitor.beginConnecting(id);
    out << "Signing in to " << name << "…\n";
    out.flush();

    std::optional<Kind> signInFailure;
    try {
        co_await services.signIn(id);
    } catch (const ProviderConnectorError &error) {
        signInFailure = error.kind();
    } catch (const std::exception &) {
        signInFailure = Kind::processFailed;
    }
    if (signInFailure) {
        monitor.setConnectionAttemptState(id, ProviderConnectionAttemptState::failed);
        if (id == ProviderID::claudeCode && *signInFailure == Kind::unsupportedPlan) {
            monitor.refresh(false);
            co_await waitForRefresh(monitor);
            err << freePlanAdvice << '\n';
        } else {
            err << name << " couldn’t connect. " << failureAdvice(id, services) << '\n';
        }
        co_return 1;
    }

    const bool connected = co_await monitor.connect(id);
    monitor.setConnectionAttemptState(id, connected ? ProviderConnectionAttemptState::idle : ProviderConnectionAttemptState::failed);
    if (connected) {
        out << name << " is connected.\n";
        co_return 0;
    }
    const bool unsupported = std::any_of(monitor.providers().begin(), monitor.providers().end(), [id](const ProviderAllowance &p) {
        return p.id == id && p.connectionState == ConnectionState::unsupported;
    });
    if (id == ProviderID::claudeCode && unsupported)
        err << freePlanAdvice << '\n';
    else
        err << name << " couldn’t connect. " << failureAdvice(id, services) << '\n';
    co_return 1;
}

std::optional<ProviderID> providerNamed(const QString &typed)
{
    const QString name = typed.toLower();
    if (name == QLatin1String("chatgpt"))
        return ProviderID::codex;
    if (name == QLatin1String("claude"))
        return ProviderID::claudeCode;
    if (name == QLatin1String("framer"))
        return ProviderID::framer;
    return std::nullopt;
}

} // namespace

QString commandLineUsage()
{
    return QStringLiteral("Usage: quelta <command> [options]\n"
                          "\n"
                          "Commands:\n"
                          "  status [--json] [--cached]   refresh and show what is left of each allowance\n"
                          "                               (--cached: the last figures, without loading)\n"
                          "  connect chatgpt|claude       sign in with the vendor's tool and connect it\n"
                          "  connect framer               sign in to Framer in its window and connect it\n"
                          "\n"
                          "Options:\n"
                          "  --help       show this help\n"
                          "  --version    show the version\n");
}

QCoro::Task<int> runCommandLine(QStringList arguments, CommandLineServices services, QTextStream &out, QTextStream &err)
{
    if (arguments.isEmpty() || arguments == QStringList{QStringLiteral("--help")} || arguments == QStringList{QStringLiteral("-h")}) {
        out << commandLineUsage();
        co_return 0;
    }
    if (arguments == QStringList{QStringLiteral("--version")}) {
        out << "quelta " << bundleInformation::shortVersion << '\n';
        co_return 0;
    }
    const QString command = arguments.takeFirst();
    if (command == QLatin1String("status"))
        co_return co_await status(arguments, services, out, err);
    if (command == QLatin1String("connect") && arguments.size() == 1) {
        const std::optional<ProviderID> provider = providerNamed(arguments.first());
        if (provider == ProviderID::framer && !services.showsWindows) {
            err << "Framer is signed in to in a window: run this command on your desktop.\n";
            co_return 1;
        }
        if (provider)
            co_return co_await connectProvider(*provider, services, out, err);
    }
    err << "quelta: unknown command: " << (QStringList{command} + arguments).join(QLatin1Char(' ')) << "\n\n" << commandLineUsage();
    co_return 2;
}

} // namespace quelta
