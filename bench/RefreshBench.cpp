// Wall time of `quelta status` with ChatGPT and Claude connected through stand-ins (Claude's
// usage endpoint on loopback), against the floor of the same work done bare in the same run:
// one run of the stand-in app-server closed as soon as it has answered, and one usage request.
#include "platform/ProcessRunner.h"
#include "connectors/ProviderConnectors.h"
#include "connectors/ProviderHttpSession.h"
#include "connectors/claude/AuthStatusCache.h"
#include "connectors/claude/ClaudeCredentialFile.h"
#include "connectors/codex/CodexConnector.h"
#include "core/AllowanceStore.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"
#include "ui/cli/CommandLine.h"

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
const QByteArray codexReply =
    R"({"id":2,"result":{"rateLimits":{"primary":{"usedPercent":25,"windowDurationMins":300},"secondary":{"usedPercent":10,"windowDurationMins":10080}}}})";
const QByteArray usageBody = R"({"five_hour":{"utilization":10},"seven_day":{"utilization":42.7,"resets_at":"2030-03-02T12:00:00Z"}})";

void write(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(content);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// One `quelta status` as a fresh process would run it, on a store where both are connected and due.
QCoro::Task<QString> status(const QString &home, quint16 port)
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
    connectors.claudeEnvironment = [&] {
        quelta::ClaudeEnvironment environment;
        environment.search = connectors.search;
        environment.apiHost = QUrl(QStringLiteral("http://127.0.0.1:%1").arg(port));
        environment.localAccountPath = home + QStringLiteral("/.claude.json");
        environment.credentials = std::make_shared<quelta::ClaudeCredentialFile>(home + QStringLiteral("/.claude/.credentials.json"));
        environment.clock = &clock;
        environment.session = &session;
        environment.authStatusCache = &cache;
        return environment;
    };
    quelta::AllowanceMonitor monitor(store, clock, quelta::AllowanceMonitor::Services{connectors.loader(), false, nullptr, nullptr});
    QString output;
    QTextStream out(&output);
    quelta::LocalCommandTarget target(monitor, {});
    const QStringList arguments{QStringLiteral("status")};
    const int exitStatus = co_await quelta::runCommandLine(arguments, target, {}, out, out);
    Q_UNUSED(exitStatus);
    out.flush();
    co_return output;
}

QCoro::Task<void> floor(const QString &home, quint16 port)
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
    QNetworkReply *reply = co_await network.get(QNetworkRequest(QUrl(QStringLiteral("http://127.0.0.1:%1/api/oauth/usage").arg(port))));
    reply->deleteLater();
}

QCoro::Task<void> measure(QCoreApplication &app, const QString &home, quint16 port)
{
    std::vector<double> statusTimes;
    std::vector<double> floorTimes;
    QString lastOutput;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        lastOutput = co_await status(home, port);
        statusTimes.push_back(double(timer.nsecsElapsed()) / 1e6);
        timer.restart();
        co_await floor(home, port);
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
    QTemporaryDir home;
    QDir().mkpath(home.filePath(QStringLiteral(".local/bin")));
    QFile::copy(QStringLiteral(CLAUDE_STAND_IN), home.filePath(QStringLiteral(".local/bin/claude")));
    QFile::link(QStringLiteral(CODEX_STAND_IN), home.filePath(QStringLiteral(".local/bin/codex")));
    write(home.filePath(QStringLiteral("status.out")), R"({"loggedIn":true,"authMethod":"claude.ai","subscriptionType":"max"})");
    write(home.filePath(QStringLiteral(".claude/.credentials.json")), R"({"claudeAiOauth":{"accessToken":"token","subscriptionType":"max"}})");
    write(home.filePath(QStringLiteral(".claude.json")), R"({"hasAvailableSubscription":true})");
    write(home.filePath(QStringLiteral("codex-scenario.json")),
          QJsonDocument(QJsonObject{{QStringLiteral("output"), QString::fromUtf8(codexReply + "\n")}}).toJson());

    QHttpServer server;
    server.route("/api/oauth/usage", [] { return QHttpServerResponse(QByteArrayLiteral("application/json"), usageBody); });
    const quint16 port = server.listen(QHostAddress::LocalHost);

    auto task = measure(app, home.path(), port);
    app.exec();
    return 0;
}
