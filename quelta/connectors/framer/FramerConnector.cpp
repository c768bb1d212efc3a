#include "FramerConnector.h"

#include "FramerHelperProtocol.h"

#include "connectors/ConnectorsLogging.h"
#include "platform/ProcessRunner.h"
#include "platform/SharedLock.h"
#include "platform/SettingsStore.h"

#include <QPointer>

namespace quelta {

namespace {

using Kind = ProviderConnectorError::Kind;

ProviderConnectorError errorOfEnding(ProcessResult::Ending ending)
{
    return ProviderConnectorError(ending == ProcessResult::Ending::timedOut ? Kind::timedOut : Kind::invalidResponse);
}

} // namespace

FramerConnector::FramerConnector(Environment environment, QObject *parent)
    : QObject(parent)
    , m_environment(std::move(environment))
{
}

void FramerConnector::setProgress(FramerConnectionProgress progress)
{
    if (m_progress == progress)
        return;
    m_progress = std::move(progress);
    Q_EMIT connectionProgressChanged();
}

void FramerConnector::prepareForConnection()
{
    if (m_progress.kind != FramerConnectionProgress::Kind::openingMagicLink)
        setProgress({});
}

// A stored value that is no team id would reach the helper's command line: it is forgotten, and
// the page finds the team again.
std::optional<QString> FramerConnector::storedTeamID()
{
    const QString key = QLatin1String(teamIDKey);
    const std::optional<QString> stored = m_environment.settings->stringValue(key);
    if (!stored || framerHelper::isTeamID(*stored))
        return stored;
    qCWarning(lcFramer) << "the stored Framer team id is not one and is forgotten";
    m_environment.settings->remove(key);
    return std::nullopt;
}

QCoro::Task<ProviderAllowance> FramerConnector::fetchAllowance()
{
    const std::stop_token lifetime = m_lifetime.token();
    const std::unique_ptr<QLockFile> lock = co_await acquireSharedLock(m_environment.profileLockPath, m_environment.lockWait,
                                                                       *m_environment.clock, lifetime);
    if (!lock) {
        qCInfo(lcFramer) << "another helper kept the Framer profile; this read is skipped";
        throw ProviderConnectorError(Kind::timedOut);
    }
    ProcessRequest request;
    request.executable = m_environment.helperProgram;
    request.arguments = framerHelper::fetchArguments(storedTeamID());
    request.timeout = m_environment.fetchDeadline;

    const ProcessResult result = co_await runProcess(request, lifetime, *m_environment.clock);
    if (result.ending != ProcessResult::Ending::exited) {
        qCInfo(lcFramer) << "the web helper did not answer:" << int(result.ending) << result.launchError;
        throw errorOfEnding(result.ending);
    }
    const std::optional<framerHelper::FetchAnswer> answer = framerHelper::readFetchLine(result.output);
    if (!answer) {
        qCInfo(lcFramer) << "the web helper's answer is unreadable; exit status" << result.status;
        throw ProviderConnectorError(Kind::invalidResponse);
    }
    if (answer->teamID && framerHelper::isTeamID(*answer->teamID))
        m_environment.settings->setString(QLatin1String(teamIDKey), *answer->teamID);
    if (const auto *error = std::get_if<ProviderConnectorError>(&answer->outcome))
        throw *error;
    co_return std::get<ProviderAllowance>(answer->outcome);
}

QCoro::Task<bool> FramerConnector::showConnectionWindow()
{
    if (m_windowOpen)
        co_return false;
    m_windowOpen = true;
    prepareForConnection();
    const std::stop_token lifetime = m_lifetime.token();
    QPointer<FramerConnector> self(this);
    const std::unique_ptr<QLockFile> lock = co_await acquireSharedLock(m_environment.profileLockPath, m_environment.lockWait,
                                                                       *m_environment.clock, lifetime);
    if (!lock) {
        m_windowOpen = false;
        co_return false;
    }

    ProcessRequest request;
    request.executable = m_environment.helperProgram;
    request.arguments = {QStringLiteral("connect")};
    // Left open: should this process end, the helper reads end-of-file and closes its window.
    request.closeInputDelay.reset();
    std::optional<bool> closedConnected;
    qsizetype consumed = 0;
    request.onOutput = [self, &consumed, &closedConnected](const QByteArray &output) {
        for (qsizetype end = output.indexOf('\n', consumed); end >= 0; end = output.indexOf('\n', consumed)) {
            const std::optional<framerHelper::ConnectEvent> event = framerHelper::readConnectLine(output.mid(consumed, end - consumed));
            consumed = end + 1;
            if (event && event->progress && self)
                self->setProgress(*event->progress);
            if (event && event->closedConnected)
                closedConnected = event->closedConnected;
        }
    };
    const ProcessResult result = co_await runProcess(request, lifetime, *m_environment.clock);
    m_windowOpen = false;
    if (result.ending != ProcessResult::Ending::exited)
        qCInfo(lcFramer) << "the connection window ended abnormally:" << int(result.ending) << result.launchError;
    co_return closedConnected.value_or(false);
}

} // namespace quelta
