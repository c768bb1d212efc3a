// Wall time of `quelta status` with ChatGPT and Claude connected through stand-ins (Claude's
// usage endpoint on loopback), against the floor of the same work done bare in the same run:
// one run of the stand-in app-server closed as soon as it has answered, and one usage request.
#include "SignedInHome.h"
#include "StatusOutput.h"

#include "connectors/AccountDiscovery.h"
#include "connectors/ProviderConnectors.h"
#include "connectors/ProviderHttpSession.h"
#include "connectors/claude/AuthStatusCache.h"
#include "connectors/claude/ClaudeCredentialFile.h"
#include "connectors/codex/CodexConnector.h"
#include "core/AllowanceStore.h"
#include "platform/Clock.h"
#include "platform/ProcessRunner.h"
#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QHttpServer>
#include <QHttpServerResponse>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTemporaryDir>
#include <QCoroNetworkReply>
#include <QCoroTask>

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

// One `quelta status` as a fresh process would run it, on a store where both are connected and due.
QCoro::Task<QString> status(const QString &home, const QUrl &usageHost)
{
    QTemporaryDir config;
    quelta::SettingsStore store(config.path());
    quelta::allowanceStore::saveAuthorizedProviders(store, {quelta::ProviderID::codex, quelta::ProviderID::claudeCode});
    quelta::allowanceStore::saveEnabledProviders(store, {quelta::ProviderID::codex, quelta::ProviderID::claudeCode});
    quelta::Clock &clock = quelta::Clock::system();
    quelta::ProviderHttpSession session(clock, quelta::ProviderHttpSession::Timeouts{});
    quelta::AuthStatusCache cache(clock);
    quelta::ProviderConnectors connectors;
    connectors.clock = &clock;
    connectors.search = quelta::ExecutableSearch{home, {}};
    connectors.accountFolder = [&](const quelta::AccountID &id) { return quelta::discoverAccounts({home, {}, {}}).folderOf(id); };
    connectors.claudeEnvironment = [&](const QString &) {
        quelta::ClaudeEnvironment environment;
        environment.search = connectors.search;
        environment.apiHost = usageHost;
        environment.localAccountPath = home + QStringLiteral("/.claude.json");
        environment.credentials = std::make_shared<quelta::ClaudeCredentialFile>(home + QStringLiteral("/.claude/.credentials.json"));
        environment.clock = &clock;
        environment.session = &session;
        environment.authStatusCache = &cache;
        return environment;
    };
    quelta::AllowanceMonitor monitor(store, clock, quelta::AllowanceMonitor::Dependencies{.connectors = connectors.loader()});
    co_return co_await bench::statusOutput(monitor);
}

QCoro::Task<void> floor(const QString &home, const QUrl &usageHost)
{
    quelta::ProcessRequest request;
    request.executable = home + QStringLiteral("/.local/bin/codex");
    request.arguments = {QStringLiteral("app-server")};
    request.timeout = std::chrono::seconds(20);
    request.standardInput = quelta::CodexConnector::requestLines();
    request.environment = quelta::childProcessEnvironment(request.executable, quelta::ExecutableSearch{home, {}});
    request.closeInputWhen = [](const QByteArray &output) { return output.contains("\"id\":2"); };
    const quelta::ProcessResult result = co_await quelta::runProcess(request);
    Q_UNUSED(result);
    QNetworkAccessManager network;
    QNetworkReply *reply = co_await network.get(QNetworkRequest(usageHost.resolved(QUrl(QStringLiteral("/api/oauth/usage")))));
    reply->deleteLater();
}

QCoro::Task<void> measure(QCoreApplication &app, QString home, QUrl usageHost)
{
    std::vector<double> statusTimes;
    std::vector<double> floorTimes;
    QString lastOutput;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        lastOutput = co_await status(home, usageHost);
        statusTimes.push_back(double(timer.nsecsElapsed()) / 1e6);
        timer.restart();
        co_await floor(home, usageHost);
        floorTimes.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("%s\n", qPrintable(lastOutput.trimmed()));
    const double statusMedian = median(statusTimes);
    const double floorMedian = median(floorTimes);
    std::printf("quelta status, ChatGPT and Claude (median of %d): %.1f ms\n", runs, statusMedian);
    std::printf("bare app-server run + usage request (median of %d): %.1f ms\n", runs, floorMedian);
    std::printf("ratio: %.2f\n", statusMedian / floorMedian);
    app.quit();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const bench::SignedInHome home;
    auto task = measure(app, home.path(), home.usageHost());
    app.exec();
    return 0;
}
