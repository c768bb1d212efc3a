#include "ProcessRunner.h"

#include "Clock.h"
#include "OperationCancelled.h"
#include "TaskLifetime.h"

#include <QCoroSignal>
#include <QPointer>
#include <QProcess>
#include <QThread>

#include <memory>
#include <optional>

#include <signal.h>
#include <unistd.h>

namespace quelta {

namespace {

constexpr auto killGracePeriod = std::chrono::milliseconds(100);
// How long a killed child may take to be reaped before the run stops waiting for it.
constexpr auto reapLimit = std::chrono::milliseconds(2000);

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

        connect(&m_process, &QProcess::started, this, [this] { m_pid = pid_t(m_process.processId()); });
        connect(&m_process, &QProcess::readyReadStandardOutput, this, &ChildRun::drain);
        connect(&m_process, &QProcess::finished, this, [this] {
            drain();
            end(Outcome::finished);
            // Nothing left to kill once the child is gone and took its group with it.
            if (m_killSent || (m_terminateSent && !groupHasMembers()))
                markStopped();
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
        m_pid = pid_t(m_process.processId());
        if (m_request.timeout)
            m_clock.callAfter(*m_request.timeout, this, [this] { end(Outcome::timedOut); });
        if (m_request.standardInput)
            m_process.write(*m_request.standardInput);
        if (!m_request.closeInputDelay)
            return;
        if (*m_request.closeInputDelay <= std::chrono::milliseconds::zero())
            closeInput();
        else
            m_clock.callAfter(*m_request.closeInputDelay, this, [this] { closeInput(); });
    }

    // Kills the child and its group at once and counts the run as stopped: the owner that cancels
    // may be going away, and with it the clock a graceful stop would wait on.
    void cancel()
    {
        end(Outcome::cancelled);
        if (m_pid > 0) {
            signalChildAndGroup(SIGKILL);
            m_killSent = true;
            m_process.waitForFinished(int(reapLimit.count()));
        }
        markStopped();
    }

    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }

    // Ends the child and whatever it left in its group: the terminate signal now, the kill 0.1 s
    // later, both to the child itself (which may have left the group) and to the group (whose
    // members may outlive the child). Waiting for the reap is bounded.
    void stop()
    {
        if (m_stopped)
            return;
        if (m_pid <= 0 || (!isRunning() && !groupHasMembers())) {
            markStopped();
            return;
        }
        signalChildAndGroup(SIGTERM);
        m_terminateSent = true;
        m_clock.callAfter(killGracePeriod, this, [this] {
            if (m_stopped)
                return;
            signalChildAndGroup(SIGKILL);
            m_killSent = true;
            if (!isRunning())
                markStopped();
            else
                m_clock.callAfter(reapLimit, this, [this] { markStopped(); });
        });
    }

    bool isStopped() const { return m_stopped; }
    std::optional<Outcome> outcome() const { return m_outcome; }
    QProcess &process() { return m_process; }
    const QByteArray &output() const { return m_output; }

Q_SIGNALS:
    void ended();
    void stopped();

private:
    void drain()
    {
        m_output.append(m_process.readAllStandardOutput());
        if (m_output.size() > processOutputLimit) {
            end(Outcome::outputOverflow);
            return;
        }
        if (m_request.onOutput)
            m_request.onOutput(m_output);
        if (m_request.closeInputWhen && !m_inputClosed && m_request.closeInputWhen(m_output))
            closeInput();
    }

    void closeInput()
    {
        m_inputClosed = true;
        m_process.closeWriteChannel();
    }

    void markStopped()
    {
        if (m_stopped)
            return;
        m_stopped = true;
        Q_EMIT stopped();
    }

    bool groupHasMembers() const { return ::kill(-m_pid, 0) == 0; }

    void end(Outcome outcome)
    {
        if (m_outcome)
            return;
        m_outcome = outcome;
        Q_EMIT ended();
    }

    void signalChildAndGroup(int signal)
    {
        if (isRunning())
            ::kill(m_pid, signal);
        ::kill(-m_pid, signal);
    }

    ProcessRequest m_request;
    Clock &m_clock;
    QProcess m_process;
    QByteArray m_output;
    std::optional<Outcome> m_outcome;
    pid_t m_pid = 0;
    bool m_inputClosed = false;
    bool m_terminateSent = false;
    bool m_killSent = false;
    bool m_stopped = false;
};

QCoro::Task<void> stopChild(ChildRun &run)
{
    run.stop();
    if (!run.isStopped())
        co_await qCoro(&run, &ChildRun::stopped);
}

} // namespace

QCoro::Task<ProcessResult> runProcess(ProcessRequest request, std::stop_token token, Clock &clock)
{
    if (token.stop_requested())
        throw OperationCancelled();

    // Should the awaiting task itself be destroyed, QProcess's destructor still kills and reaps.
    auto run = std::make_unique<ChildRun>(request, clock);
    // On the run's own thread the child dies before request_stop() returns; the frame resumes
    // later and only to throw.
    std::stop_callback onStop(token, [guard = QPointer<ChildRun>(run.get())] {
        if (guard && guard->thread() == QThread::currentThread()) {
            guard->cancel();
            return;
        }
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
    if (token.stop_requested())
        run->cancel();
    const ChildRun::Outcome outcome = *run->outcome();
    co_await stopChild(*run);
    throwIfStopped(token);

    using Ending = ProcessResult::Ending;
    switch (outcome) {
    case ChildRun::Outcome::finished:
        co_return ProcessResult{Ending::exited, qint32(run->process().exitCode()), run->output(), {}};
    case ChildRun::Outcome::launchFailed:
        co_return ProcessResult{Ending::launchFailed, 0, {}, run->process().errorString()};
    case ChildRun::Outcome::timedOut:
        co_return ProcessResult{Ending::timedOut, 0, run->output(), {}};
    case ChildRun::Outcome::outputOverflow:
        co_return ProcessResult{Ending::outputOverLimit, 0, {}, {}};
    case ChildRun::Outcome::cancelled:
        break;
    }
    throw OperationCancelled();
}

QCoro::Task<ProcessResult> runProcess(ProcessRequest request, std::stop_token token)
{
    return runProcess(std::move(request), std::move(token), Clock::system());
}

} // namespace quelta

#include "ProcessRunner.moc"
