// Wall time of `quelta status` with a second ChatGPT and Claude account beside the default ones,
// against the same command with the default accounts alone, alternated in one run. The monitor
// starts every due account's load at once (AllowanceMonitor::startRefresh), so the second
// accounts' Codex runs and usage requests overlap the first ones': the goal is at most 1.2×.
// The floor beside it: the bare work of one account against that of two started together (the
// stand-in app-server closed once it has answered, and one usage request each), which is what
// the machine itself allows. Last, the command as a person runs it: the `quelta` program itself,
// with one ChatGPT account against two (Claude's usage host cannot be moved for the real program).
#include "SignedInHome.h"
#include "StatusOutput.h"

#include "connectors/AccountDiscovery.h"
#include "connectors/ProviderConnectors.h"
#include "connectors/ProviderHttpSession.h"
#include "connectors/claude/AuthStatusCache.h"
#include "connectors/codex/CodexConnector.h"
#include "core/AllowanceStore.h"
#include "platform/Clock.h"
#include "platform/ProcessRunner.h"
#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QCoroNetworkReply>
#include <QElapsedTimer>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int runs = 10;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// One `quelta status` as a fresh process would run it, with `accounts` signed in, tracked and due.
QCoro::Task<QString> status(QString home, QUrl usageHost, QList<quelta::AccountID> accounts)
{
    QTemporaryDir config;
    quelta::SettingsStore store(config.path());
    const quelta::AccountSet tracked(accounts.begin(), accounts.end());
    quelta::allowanceStore::saveAuthorizedProviders(store, tracked);
    quelta::allowanceStore::saveEnabledProviders(store, tracked);
    quelta::Clock &clock = quelta::Clock::system();
    quelta::ProviderHttpSession session(clock, quelta::ProviderHttpSession::Timeouts{});
    quelta::AuthStatusCache cache(clock);
    const quelta::FoundAccounts found = quelta::discoverAccounts({home, {}, {}});
    quelta::ProviderConnectors connectors;
    connectors.clock = &clock;
    connectors.search = quelta::ExecutableSearch{home, {}};
    connectors.accountFolder = [&found](const quelta::AccountID &id) { return found.folderOf(id); };
    connectors.claudeEnvironment = [&](const QString &folder) {
        quelta::ClaudeEnvironment environment = quelta::ClaudeEnvironment::standard(clock, session, cache, connectors.search, folder);
        environment.apiHost = usageHost;
        return environment;
    };
    quelta::AllowanceMonitor monitor(store, clock, quelta::AllowanceMonitor::Dependencies{.connectors = connectors.loader(), .accounts = accounts});
    co_return co_await bench::statusOutput(monitor);
}

// The bare work of `accounts` accounts of each provider, started together.
QCoro::Task<void> floor(QString home, QUrl usageHost, int accounts)
{
    quelta::ProcessRequest request;
    request.executable = home + QStringLiteral("/.local/bin/codex");
    request.arguments = {QStringLiteral("app-server")};
    request.timeout = std::chrono::seconds(20);
    request.standardInput = quelta::CodexConnector::requestLines();
    request.environment = quelta::childProcessEnvironment(request.executable, quelta::ExecutableSearch{home, {}});
    request.closeInputWhen = [](const QByteArray &output) { return output.contains("\"id\":2"); };
    QNetworkAccessManager network;
    std::vector<QCoro::Task<quelta::ProcessResult>> runs;
    std::vector<QNetworkReply *> replies;
    for (int account = 0; account < accounts; ++account) {
        runs.push_back(quelta::runProcess(request));
        replies.push_back(network.get(QNetworkRequest(usageHost.resolved(QUrl(QStringLiteral("/api/oauth/usage"))))));
    }
    for (QCoro::Task<quelta::ProcessResult> &run : runs)
        co_await run;
    for (QNetworkReply *reply : replies) {
        co_await reply;
        reply->deleteLater();
    }
}

// `quelta status` as a program, in `home`, with the settings that track `accounts`.
double programStatus(const QString &home, const QStringList &accounts)
{
    QTemporaryDir config;
    quelta::SettingsStore store(config.filePath(QStringLiteral("quelta")));
    store.setStringList(QLatin1String(quelta::allowanceStore::authorizedProvidersKey), accounts);
    store.setStringList(QLatin1String(quelta::allowanceStore::enabledProvidersKey), accounts);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), config.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), config.filePath(QStringLiteral("cache")));
    program.setProcessEnvironment(environment);
    program.setStandardOutputFile(QProcess::nullDevice());
    program.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    program.start(QStringLiteral(QUELTA_PROGRAM), {QStringLiteral("status")});
    program.waitForFinished(30'000);
    return double(timer.nsecsElapsed()) / 1e6;
}

QCoro::Task<void> measure(QCoreApplication &app, QString home, QUrl usageHost)
{
    using quelta::AccountID;
    using quelta::ProviderID;
    const QList<AccountID> defaults{ProviderID::codex, ProviderID::claudeCode};
    const QList<AccountID> both{ProviderID::codex, AccountID(ProviderID::codex, QStringLiteral("work")), ProviderID::claudeCode,
                                AccountID(ProviderID::claudeCode, QStringLiteral("work"))};
    std::vector<double> oneTimes;
    std::vector<double> twoTimes;
    std::vector<double> oneFloor;
    std::vector<double> twoFloor;
    QString lastOutput;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        co_await status(home, usageHost, defaults);
        oneTimes.push_back(double(timer.nsecsElapsed()) / 1e6);
        timer.restart();
        lastOutput = co_await status(home, usageHost, both);
        twoTimes.push_back(double(timer.nsecsElapsed()) / 1e6);
        timer.restart();
        co_await floor(home, usageHost, 1);
        oneFloor.push_back(double(timer.nsecsElapsed()) / 1e6);
        timer.restart();
        co_await floor(home, usageHost, 2);
        twoFloor.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("%s\n", qPrintable(lastOutput.trimmed()));
    const double one = median(oneTimes);
    const double two = median(twoTimes);
    std::printf("quelta status, one account of ChatGPT and of Claude (median of %d): %.1f ms\n", runs, one);
    std::printf("quelta status, two accounts of each (median of %d): %.1f ms\n", runs, two);
    std::printf("ratio: %.2f (goal at most 1.20)\n", two / one);
    std::printf("floor, the bare work of one account of each against two (median of %d): %.1f ms, %.1f ms, ratio %.2f\n", runs,
                median(oneFloor), median(twoFloor), median(twoFloor) / median(oneFloor));
    std::vector<double> oneProgram;
    std::vector<double> twoProgram;
    for (int i = 0; i < runs; ++i) {
        oneProgram.push_back(programStatus(home, {QStringLiteral("codex")}));
        twoProgram.push_back(programStatus(home, {QStringLiteral("codex"), QStringLiteral("codex:work")}));
    }
    std::printf("the quelta program, status with one ChatGPT account against two (median of %d): %.1f ms, %.1f ms, ratio %.2f (goal at most 1.20)\n",
                runs, median(oneProgram), median(twoProgram), median(twoProgram) / median(oneProgram));
    app.quit();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const bench::SignedInHome home;
    home.signInSecondAccounts(QStringLiteral("work"));
    auto task = measure(app, home.path(), home.usageHost());
    app.exec();
    return 0;
}
