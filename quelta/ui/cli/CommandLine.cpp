#include "CommandLine.h"

#include "StatusReport.h"

#include "core/BundleInformation.h"

#include <QCoroSignal>
#include <QJsonDocument>
#include <QSet>

namespace quelta {

namespace {

QByteArray compactLine(const QJsonObject &report)
{
    return QJsonDocument(report).toJson(QJsonDocument::Compact) + '\n';
}

QCoro::Task<int> watch(CommandTarget &target, QTextStream &out)
{
    QObject::connect(&target, &CommandTarget::reportChanged, &target, [&out](const QJsonObject &report) {
        out << compactLine(report);
        out.flush();
    });
    target.watch();
    const QJsonObject first = co_await target.report(true);
    out << compactLine(first);
    out.flush();
    // Lines follow every change until the process is ended.
    co_await qCoro(&target, &QObject::destroyed);
    co_return 0;
}

QCoro::Task<int> status(const QStringList &options, CommandTarget &target, QTextStream &out, QTextStream &err)
{
    const QSet<QString> known{QStringLiteral("--json"), QStringLiteral("--cached"), QStringLiteral("--watch")};
    for (const QString &option : options) {
        if (!known.contains(option)) {
            err << "quelta: unknown option for status: " << option << "\n\n" << commandLineUsage();
            co_return 2;
        }
    }
    if (options.contains(QStringLiteral("--watch")))
        co_return co_await watch(target, out);
    const QJsonObject report = co_await target.report(!options.contains(QStringLiteral("--cached")));
    if (options.contains(QStringLiteral("--json")))
        out << QJsonDocument(report).toJson(QJsonDocument::Indented);
    else
        out << statusText(report);
    co_return 0;
}

QCoro::Task<int> connectProvider(ProviderID id, CommandTarget &target, const CommandLineEnvironment &environment, QTextStream &out,
                                 QTextStream &err)
{
    const QString name = displayName(id);
    out << "Signing in to " << name << "…\n";
    out.flush();
    const ConnectOutcome outcome = co_await target.connectProvider(id);
    switch (outcome) {
    case ConnectOutcome::connected:
        out << name << " is connected.\n";
        co_return 0;
    case ConnectOutcome::freePlan:
        err << freePlanAdvice() << '\n';
        co_return 1;
    case ConnectOutcome::failed:
        break;
    }
    const bool installed = environment.executable && environment.executable(id).has_value();
    err << name << " couldn’t connect. " << connectFailureAdvice(id, installed) << '\n';
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
                          "  status --watch               a JSON line now and again on every change\n"
                          "  connect chatgpt|claude       sign in with the vendor's tool and connect it\n"
                          "  connect framer               sign in to Framer in its window and connect it\n"
                          "\n"
                          "Options:\n"
                          "  --help       show this help\n"
                          "  --version    show the version\n");
}

QCoro::Task<int> runCommandLine(QStringList arguments, CommandTarget &target, CommandLineEnvironment environment,
                                QTextStream &out, QTextStream &err)
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
        co_return co_await status(arguments, target, out, err);
    if (command == QLatin1String("connect") && arguments.size() == 1) {
        const std::optional<ProviderID> provider = providerNamed(arguments.first());
        if (provider == ProviderID::framer && !environment.showsWindows) {
            err << "Framer is signed in to in a window: run this command on your desktop.\n";
            co_return 1;
        }
        if (provider)
            co_return co_await connectProvider(*provider, target, environment, out, err);
    }
    err << "quelta: unknown command: " << (QStringList{command} + arguments).join(QLatin1Char(' ')) << "\n\n" << commandLineUsage();
    co_return 2;
}

} // namespace quelta
