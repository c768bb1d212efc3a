#include "CommandLine.h"

#include "HistoryCommand.h"
#include "AccountsCommand.h"
#include "CommandOptions.h"
#include "ProviderNames.h"
#include "StatusBarLine.h"
#include "StatusDocument.h"
#include "StatusReport.h"

#include "core/BundleInformation.h"
#include "platform/PipeReaderWatch.h"
#include "platform/Quelta.h"

#include <QCoroSignal>
#include <QIODevice>
#include <QJsonDocument>
#include <QStringList>
#include <QTimer>

#include <utility>
#include <variant>

namespace quelta {

namespace {

// What `status` was asked for.
struct StatusOptions {
    bool json = false;
    bool cached = false;
    bool watch = false;
    std::optional<StatusBarFormat> format;
    std::optional<AccountID> accounts;
};

QString formatChoices()
{
    QStringList names;
    for (const StatusBarFormat format : allCases<StatusBarFormat>())
        names << toRawValue(format);
    return choiceList(names);
}

// The options of `status`, or what is wrong with them.
std::variant<StatusOptions, QString> readStatusOptions(const QStringList &arguments)
{
    StatusOptions options;
    for (qsizetype index = 0; index < arguments.size(); ++index) {
        const QString &argument = arguments[index];
        if (argument == QLatin1String("--json")) {
            options.json = true;
        } else if (argument == QLatin1String("--cached")) {
            options.cached = true;
        } else if (argument == QLatin1String("--watch")) {
            options.watch = true;
        } else if (isOption(argument, QLatin1StringView("--format"))) {
            const std::optional<QString> value = optionValue(arguments, index);
            options.format = value ? fromRawValue<StatusBarFormat>(*value) : std::nullopt;
            if (!options.format)
                return Quelta::tr("unknown format: %1 (choose %2)").arg(value.value_or(QString()), formatChoices());
        } else if (isOption(argument, QLatin1StringView("--provider"))) {
            const std::optional<QString> value = optionValue(arguments, index);
            options.accounts = value ? accountNamed(*value) : std::nullopt;
            if (!options.accounts)
                return Quelta::tr("unknown provider: %1 (choose %2, or one account as claude:NAME)")
                    .arg(value.value_or(QString()), commandNameChoices());
        } else {
            return Quelta::tr("unknown option for status: %1").arg(argument);
        }
    }
    if (options.format && options.json)
        return Quelta::tr("--format and --json cannot be used together");
    return options;
}

// One report as `status` writes it.
QString statusOutput(QJsonObject report, const StatusOptions &options, const QDateTime &now)
{
    if (options.accounts)
        report = keepingAccounts(report, *options.accounts);
    if (options.format)
        return statusBarLine(*options.format, report, now) + QLatin1Char('\n');
    if (options.watch)
        return QString::fromUtf8(QJsonDocument(report).toJson(QJsonDocument::Compact)) + QLatin1Char('\n');
    if (options.json)
        return QString::fromUtf8(QJsonDocument(report).toJson(QJsonDocument::Indented));
    return statusText(report, now);
}

QCoro::Task<int> watch(CommandTarget &target, StatusOptions options, CommandLineEnvironment environment, QTextStream &out,
                       QTextStream &err)
{
    QString lastLine;
    // Owns the connections below, which end with this watch.
    QObject watching;
    // Fires once the first reason to end has set `status`.
    QTimer ending;
    ending.setSingleShot(true);
    bool ended = false;
    int status = 0;
    const auto end = [&](int endStatus, const QString &problem) {
        if (std::exchange(ended, true))
            return;
        status = endStatus;
        if (!problem.isEmpty())
            err << "quelta: " << problem << '\n';
        ending.start(0);
    };
    const auto write = [&](const QJsonObject &report) {
        const QString line = statusOutput(report, options, environment.clock->now());
        // Documents differ when only the forecasts' seconds moved; the bar needs no new line then.
        if (ended || line == lastLine)
            return;
        lastLine = line;
        out << line;
        // The caller tells why, as for any command.
        if (writeFailure(out))
            end(1, {});
    };
    if (environment.output && environment.output->watchesPipe())
        QObject::connect(environment.output, &PipeReaderWatch::readerGone, &watching, [&end] { end(0, {}); });
    QObject::connect(&target, &CommandTarget::reportChanged, &watching, write);
    QObject::connect(&target, &CommandTarget::watchFailed, &watching, [&end](const QString &reason) { end(1, reason); });
    target.watch();
    write(co_await target.report(!options.cached));
    if (!ended)
        co_await qCoro(&ending, &QTimer::timeout);
    co_return status;
}

QCoro::Task<int> status(const QStringList &arguments, CommandTarget &target, CommandLineEnvironment environment, QTextStream &out,
                        QTextStream &err)
{
    const std::variant<StatusOptions, QString> read = readStatusOptions(arguments);
    if (const QString *problem = std::get_if<QString>(&read)) {
        err << "quelta: " << *problem << "\n\n" << commandLineUsage();
        co_return 2;
    }
    const StatusOptions options = std::get<StatusOptions>(read);
    if (options.watch)
        co_return co_await watch(target, options, environment, out, err);
    const QJsonObject report = co_await target.report(!options.cached);
    out << statusOutput(report, options, environment.clock->now());
    co_return 0;
}

QCoro::Task<int> connectProvider(AccountID id, CommandTarget &target, QTextStream &out, QTextStream &err)
{
    const QString name = displayName(id);
    out << Quelta::tr("Signing in to %1…").arg(name) << '\n';
    out.flush();
    const ConnectOutcome outcome = co_await target.connectProvider(id);
    switch (outcome) {
    case ConnectOutcome::connected:
        out << Quelta::tr("%1 is connected.").arg(name) << '\n';
        co_return 0;
    case ConnectOutcome::freePlan:
        err << freePlanAdvice() << '\n';
        co_return 1;
    case ConnectOutcome::failed:
        break;
    }
    // Where the target looks: a running Quelta may see tools this command does not.
    const bool installed = (co_await target.providerTool(id.provider)).has_value();
    err << Quelta::tr("%1 couldn’t connect.").arg(name) << ' ' << connectFailureAdvice(id.provider, installed) << '\n';
    co_return 1;
}

} // namespace

std::optional<QString> writeFailure(QTextStream &out)
{
    out.flush();
    if (out.status() == QTextStream::Ok)
        return std::nullopt;
    const QString reason = out.device() ? out.device()->errorString() : QString();
    return (reason.isEmpty() ? Quelta::tr("cannot write the output") : Quelta::tr("cannot write the output: %1").arg(reason));
}

QString commandLineUsage()
{
    return Quelta::tr("Usage: quelta <command> [options]\n"
                      "\n"
                      "Commands:\n"
                      "  status [--json] [--cached]   refresh and show what is left of each allowance\n"
                      "                               (--cached: the last figures, without loading)\n"
                      "  status --watch               a JSON line now and again on every change\n"
                      "  status --format waybar|polybar|i3blocks\n"
                      "                               one line for that status bar; with --watch, one\n"
                      "                               more on every change\n"
                      "  status --provider NAME       only that provider: chatgpt, claude or framer;\n"
                      "                               claude:NAME for one of its accounts\n"
                      "  connect chatgpt|claude       sign in with the vendor's tool and connect it\n"
                      "  connect claude:NAME          the same for another account\n"
                      "  connect framer               sign in to Framer in its window and connect it\n"
                      "  accounts [add|remove|track|untrack …]\n"
                      "                               list or change the accounts of each provider\n")
        + historyUsage()
        + QLatin1Char('\n')
        + Quelta::tr("Options:\n"
                     "  --help       show this help\n"
                     "  --version    show the version\n");
}

bool commandLoadsAllowances(const QStringList &arguments)
{
    const QString command = arguments.value(0);
    if (command == QLatin1String("connect"))
        return true;
    if (command != QLatin1String("status"))
        return false;
    const std::variant<StatusOptions, QString> read = readStatusOptions(arguments.mid(1));
    const StatusOptions *options = std::get_if<StatusOptions>(&read);
    return options && !options->cached;
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
    if (command == QLatin1String("accounts") && environment.accounts)
        co_return runAccountsCommand(arguments, *environment.accounts, out, err);
    if (command == QLatin1String("status"))
        co_return co_await status(arguments, target, environment, out, err);
    if (command == QLatin1String("history"))
        co_return runHistoryCommand(arguments, environment.historyFile, environment.clock->now(), out, err);
    if (command == QLatin1String("connect") && arguments.size() == 1) {
        const std::optional<AccountID> provider = accountNamed(arguments.first());
        if (provider && provider->provider == ProviderID::framer && !environment.showsWindows) {
            err << Quelta::tr("Framer is signed in to in a window: run this command on your desktop.") << '\n';
            co_return 1;
        }
        if (provider)
            co_return co_await connectProvider(*provider, target, out, err);
    }
    err << "quelta: " << Quelta::tr("unknown command: %1").arg((QStringList{command} + arguments).join(QLatin1Char(' '))) << "\n\n"
        << commandLineUsage();
    co_return 2;
}

} // namespace quelta
