#include "ProcessRunner.h"

#include "ProcessLaunchError.h"
#include "core/ProviderConnectorError.h"
#include "platform/Clock.h"
#include "platform/OperationCancelled.h"

#include <QCoroSignal>
#include <QPointer>
#include <QProcess>

#include <memory>
#include <optional>

#include <signal.h>
#include <unistd.h>

namespace quelta {

namespace {

constexpr auto killGracePeriod = std::chrono::milliseconds(100);

// One child and everything that can end its run: exit, deadline, too much output, cancellation.
class ChildRun : public QObject
{
    Q_OBJECT
public:
    enum class Outcome { finished, launchFailed, timedOut, outputOverflow, cancelled };

    ChildRun(const ProcessRequest &request, Clock &clock)
        : m_request(request)
        , m_clock(clock)
    {
        m_process.setProgram(request.executable);
        m_process.setArguments(request.arguments);
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        if (request.environment) {
            QProcessEnvironment environment;
            for (auto it = request.environment->begin(); it != request.environment->end(); ++it)
                environment.insert(it.key(), it.value());
            m_process.setProcessEnvironment(environment);
        }
        if (request.workingDirectory)
            m_process.setWorkingDirectory(*request.workingDirectory);
        // A group of its own, so that helpers the child starts are stopped along with it.
        m_process.setChildProcessModifier([] { ::setpgid(0, 0); });

        connect(&m_process, &QProcess::readyReadStandardOutput, this, &ChildRun::drain);
        connect(&m_process, &QProcess::finished, this, [this] {
            drain();
            end(Outcome::finished);
        });
        connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart)
                end(Outcome::launchFailed);
        });
    }

    void start()
    {
        m_process.start(QIODevice::ReadWrite);
        if (m_outcome)
            return;
        m_clock.callAfter(m_request.timeout, this, [this] { end(Outcome::timedOut); });
        if (m_request.standardInput)
            m_process.write(*m_request.standardInput);
        if (m_request.closeInputDelay <= std::chrono::milliseconds::zero())
            m_process.closeWriteChannel();
        else
            m_clock.callAfter(m_request.closeInputDelay, this, [this] { m_process.closeWriteChannel(); });
    }

    void cancel() { end(Outcome::cancelled); }

    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }

    void terminate()
    {
        signalGroup(SIGTERM);
        m_clock.callAfter(killGracePeriod, this, [this] {
            if (isRunning())
                signalGroup(SIGKILL);
        });
    }

    std::optional<Outcome> outcome() const { return m_outcome; }
    QProcess &process() { return m_process; }
    const QByteArray &output() const { return m_output; }

Q_SIGNALS:
    void ended();

private:
    void drain()
    {
        m_output.append(m_process.readAllStandardOutput());
        if (m_output.size() > processOutputLimit)
            end(Outcome::outputOverflow);
    }

    void end(Outcome outcome)
    {
        if (m_outcome)
            return;
        m_outcome = outcome;
        Q_EMIT ended();
    }

    void signalGroup(int signal)
    {
        const pid_t pid = pid_t(m_process.processId());
        if (pid > 0)
            ::kill(-pid, signal);
    }

    ProcessRequest m_request;
    Clock &m_clock;
    QProcess m_process;
    QByteArray m_output;
    std::optional<Outcome> m_outcome;
};

QCoro::Task<void> stopChild(ChildRun &run)
{
    if (!run.isRunning())
        co_return;
    run.terminate();
    co_await qCoro(&run.process(), &QProcess::finished);
}

} // namespace

QCoro::Task<ProcessOutput> runProcess(ProcessRequest request, std::stop_token token, Clock &clock)
{
    if (token.stop_requested())
        throw OperationCancelled();

    // Should the awaiting task itself be destroyed, QProcess's destructor still kills and reaps.
    auto run = std::make_unique<ChildRun>(request, clock);
    std::stop_callback onStop(token, [guard = QPointer<ChildRun>(run.get())] {
        QMetaObject::invokeMethod(
            guard, [guard] {
                if (guard)
                    guard->cancel();
            },
            Qt::QueuedConnection);
    });

    run->start();
    if (!run->outcome())
        co_await qCoro(run.get(), &ChildRun::ended);
    const ChildRun::Outcome outcome = *run->outcome();
    co_await stopChild(*run);

    switch (outcome) {
    case ChildRun::Outcome::finished:
        co_return ProcessOutput{qint32(run->process().exitCode()), run->output()};
    case ChildRun::Outcome::launchFailed:
        throw ProcessLaunchError(run->process().errorString().toStdString());
    case ChildRun::Outcome::timedOut:
        throw ProviderConnectorError(ProviderConnectorError::Kind::timedOut);
    case ChildRun::Outcome::outputOverflow:
        throw ProviderConnectorError(ProviderConnectorError::Kind::invalidResponse);
    case ChildRun::Outcome::cancelled:
        throw OperationCancelled();
    }
    throw ProviderConnectorError(ProviderConnectorError::Kind::processFailed);
}

QCoro::Task<ProcessOutput> runProcess(ProcessRequest request, std::stop_token token)
{
    return runProcess(std::move(request), std::move(token), Clock::system());
}

} // namespace quelta

#include "ProcessRunner.moc"
