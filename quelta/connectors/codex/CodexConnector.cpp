#include "CodexConnector.h"

#include "CodexRateLimits.h"

#include "connectors/AccountToolEnvironment.h"
#include "connectors/ToolProcess.h"
#include "core/ProviderConnectorError.h"
#include "platform/Clock.h"

#include <QDir>
#include <QJsonDocument>

#include <array>
#include <cmath>

namespace quelta {

namespace {

using Kind = ProviderConnectorError::Kind;

constexpr int rateLimitsRequestID = 2;

QByteArray compactLine(const QJsonObject &message)
{
    return QJsonDocument(message).toJson(QJsonDocument::Compact) + '\n';
}

bool isRateLimitsReply(const QJsonDocument &line)
{
    if (!line.isObject())
        return false;
    const QJsonValue id = line.object().value(QLatin1String("id"));
    // Booleans and strings are not ids here, and neither is 2.5.
    return id.isDouble() && std::isfinite(id.toDouble()) && id.toDouble() == rateLimitsRequestID
        && line.object().value(QLatin1String("result")).isObject();
}

// True once a complete line holding the reply to request 2 has been read; remembers how far it
// has looked, so output arriving in many pieces is scanned once.
std::function<bool(const QByteArray &)> rateLimitsReplyRead()
{
    return [scanned = qsizetype(0)](const QByteArray &output) mutable {
        for (qsizetype end = output.indexOf('\n', scanned); end >= 0; end = output.indexOf('\n', scanned)) {
            const QByteArray line = output.mid(scanned, end - scanned);
            scanned = end + 1;
            if (isRateLimitsReply(QJsonDocument::fromJson(line)))
                return true;
        }
        return false;
    };
}

bool mentionsSignInProblem(const QByteArray &output)
{
    const QString text = QString::fromUtf8(output).toLower();
    static const std::array phrases{"not logged in", "login required", "authentication", "unauthorized", "401"};
    return std::any_of(phrases.begin(), phrases.end(), [&](const char *phrase) { return text.contains(QLatin1String(phrase)); });
}

QString requireCodexExecutable(const ExecutableSearch &search)
{
    const std::optional<QString> executable = CodexConnector::executablePath(search);
    if (!executable)
        throw ProviderConnectorError(Kind::executableMissing);
    return *executable;
}

} // namespace

CodexConnector::CodexConnector(Clock &clock, Timing timing, ExecutableSearch search, std::stop_token stop, QString codexHome)
    : m_clock(clock)
    , m_timing(timing)
    , m_search(std::move(search))
    , m_stop(std::move(stop))
    , m_codexHome(std::move(codexHome))
{
}

std::optional<QString> CodexConnector::executablePath(const ExecutableSearch &search)
{
    const QString home = search.home + QLatin1Char('/');
    const QString chatGpt = QStringLiteral("Applications/ChatGPT.app/Contents/Resources/codex");
    const QString codex = QStringLiteral("Applications/Codex.app/Contents/Resources/codex");
    return locateExecutable(QStringLiteral("codex"),
                            {QLatin1Char('/') + chatGpt, home + chatGpt, QLatin1Char('/') + codex, home + codex}, search);
}

QByteArray CodexConnector::requestLines()
{
    const QJsonObject clientInfo{{QStringLiteral("name"), QStringLiteral("quelta")},
                                 {QStringLiteral("version"), QStringLiteral("0.1.0")}};
    return compactLine({{QStringLiteral("id"), 1},
                        {QStringLiteral("method"), QStringLiteral("initialize")},
                        {QStringLiteral("params"), QJsonObject{{QStringLiteral("clientInfo"), clientInfo}}}})
        + compactLine({{QStringLiteral("method"), QStringLiteral("initialized")}, {QStringLiteral("params"), QJsonObject()}})
        + compactLine({{QStringLiteral("id"), rateLimitsRequestID},
                       {QStringLiteral("method"), QStringLiteral("account/rateLimits/read")},
                       {QStringLiteral("params"), QJsonObject()}});
}

QJsonObject CodexConnector::rateLimitsResult(const QByteArray &output)
{
    const QList<QByteArray> lines = QString::fromUtf8(output).toUtf8().split('\n');
    for (const QByteArray &line : lines) {
        if (line.isEmpty())
            continue;
        const QJsonDocument document = QJsonDocument::fromJson(line);
        if (isRateLimitsReply(document))
            return document.object().value(QLatin1String("result")).toObject();
    }
    throw ProviderConnectorError(mentionsSignInProblem(output) ? Kind::connectionRequired : Kind::invalidResponse);
}

QCoro::Task<ProviderAllowance> CodexConnector::fetchAllowance()
{
    const QString executable = requireCodexExecutable(m_search);
    ProcessRequest request;
    request.executable = executable;
    request.arguments = {QStringLiteral("-s"), QStringLiteral("read-only"), QStringLiteral("-a"), QStringLiteral("never"),
                         QStringLiteral("app-server")};
    request.environment = childProcessEnvironment(executable, m_search);
    pointToolAtFolder(*request.environment, ProviderID::codex, m_codexHome, m_search.home);
    request.timeout = m_timing.readDeadline;
    request.standardInput = requestLines();
    request.closeInputDelay = m_timing.closeInputDelay;
    // The app-server finishes once its input closes: no need to wait out the delay after the answer.
    request.closeInputWhen = rateLimitsReplyRead();

    const ToolOutput output = co_await runTool(request, m_stop, m_clock);
    if (output.status != 0 && output.standardOutput.isEmpty())
        throw ProviderConnectorError(Kind::processFailed);
    const QJsonObject result = rateLimitsResult(output.standardOutput);
    co_return codexAllowance(result, m_clock.now());
}

QCoro::Task<void> CodexConnector::signIn()
{
    const QString executable = requireCodexExecutable(m_search);
    ProcessRequest request;
    request.executable = executable;
    request.arguments = {QStringLiteral("login")};
    request.environment = childProcessEnvironment(executable, m_search);
    pointToolAtFolder(*request.environment, ProviderID::codex, m_codexHome, m_search.home);
    request.timeout = m_timing.signInDeadline;

    const ToolOutput output = co_await runTool(request, m_stop, m_clock);
    if (output.status != 0)
        throw ProviderConnectorError(Kind::processFailed);
}

} // namespace quelta
