#include "ChildProcesses.h"
#include "ManualClock.h"
#include "WaitFor.h"
#include "platform/OperationCancelled.h"
#include "platform/ProcessRunner.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quelta;
using namespace std::chrono_literals;
using Ending = ProcessResult::Ending;

namespace {

ProcessRequest shell(const QString &script, std::chrono::milliseconds timeout = 10s)
{
    ProcessRequest request;
    request.executable = QStringLiteral("/bin/sh");
    request.arguments = {QStringLiteral("-c"), script};
    request.timeout = timeout;
    return request;
}

int readPid(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed().toInt() : 0;
}

} // namespace

class ProcessRunnerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        // No child, running or zombie, may outlive a run.
        QCOMPARE(test::childProcessIds(), QList<int>());
    }

    void collectsBothStreamsInWriteOrder_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<int>("status");
        QTest::newRow("standard error only") << QStringLiteral("echo oops >&2") << QByteArray("oops\n") << 0;
        QTest::newRow("interleaved") << QStringLiteral("echo a; echo b >&2; echo c") << QByteArray("a\nb\nc\n") << 0;
        QTest::newRow("exit status") << QStringLiteral("printf x; exit 3") << QByteArray("x") << 3;
        QTest::newRow("silent") << QStringLiteral("true") << QByteArray() << 0;
    }

    void collectsBothStreamsInWriteOrder()
    {
        QFETCH(QString, script);
        QFETCH(QByteArray, output);
        QFETCH(int, status);
        const ProcessResult result = test::waitFor(runProcess(shell(script)));
        QCOMPARE(result.output, output);
        QCOMPARE(result.status, status);
    }

    void finishedChildIsNoticedWithoutAnyClockTick()
    {
        // The manual clock never moves, so only the child's own exit can end this run.
        test::ManualClock clock;
        const ProcessResult result = test::waitFor(runProcess(shell(QStringLiteral("echo done")), {}, clock));
        QCOMPARE(result.output, QByteArray("done\n"));
    }

    void writesStandardInput()
    {
        ProcessRequest request = shell(QStringLiteral("cat"));
        request.standardInput = QByteArray("hello\nworld");
        QCOMPARE(test::waitFor(runProcess(request)).output, QByteArray("hello\nworld"));
    }

    void closesInputAtTheDelayAndTimesOutDespiteOutput()
    {
        QTemporaryDir dir;
        const QString closed = dir.filePath(QStringLiteral("closed"));
        test::ManualClock clock;
        ProcessRequest request = shell(QStringLiteral("echo answer; cat >/dev/null; touch '%1'; exec sleep 30").arg(closed), 20s);
        request.standardInput = QByteArray("{}\n");
        request.closeInputDelay = 5s;

        auto task = runProcess(request, {}, clock);
        QTest::qWait(200);
        clock.advance(4900ms);
        QTest::qWait(200);
        QVERIFY2(!QFile::exists(closed), "input closed before the delay");
        clock.advance(100ms);
        QTRY_VERIFY(QFile::exists(closed));
        QVERIFY(!task.isReady());
        clock.advance(15s);
        QCOMPARE(test::waitFor(task).ending, Ending::timedOut);
    }

    void inputClosesAsSoonAsTheOutputSaysSo()
    {
        // The manual clock never reaches the delay: only the predicate can close the input.
        test::ManualClock clock;
        ProcessRequest request = shell(QStringLiteral("echo ready; cat >/dev/null; echo closed"));
        request.closeInputDelay = 5s;
        request.closeInputWhen = [](const QByteArray &output) { return output.contains("ready\n"); };
        QCOMPARE(test::waitFor(runProcess(request, {}, clock)).output, QByteArray("ready\nclosed\n"));
    }

    void childThatLeftItsGroupIsStillEnded()
    {
        test::ManualClock clock;
        // Joins the test's own group, where a signal to the child's group cannot reach it.
        auto task = runProcess(shell(QStringLiteral("exec perl -e 'setpgrp(0, getpgrp(getppid())); sleep 60'"), 1s), {}, clock);
        QTRY_COMPARE(test::childProcessIds().size(), 1);
        QTest::qWait(200);
        clock.advance(1s);
        QCOMPARE(test::waitFor(task).ending, Ending::timedOut);
    }

    void helperOutlivingTheChildIsKilled()
    {
        QTemporaryDir dir;
        const QString pidFile = dir.filePath(QStringLiteral("pid"));
        const QString helperReady = dir.filePath(QStringLiteral("helper"));
        test::ManualClock clock;
        // The child ends on the terminate signal; its helper ignores it, once it has said so.
        auto task = runProcess(shell(QStringLiteral("echo $$ > '%1'; (trap '' TERM; echo > '%2'; exec sleep 60) & exec sleep 60")
                                         .arg(pidFile, helperReady),
                                     1s),
                               {}, clock);
        QTRY_VERIFY(readPid(pidFile) > 0 && QFile::exists(helperReady));
        const int group = readPid(pidFile);
        QTRY_COMPARE(test::processGroupMembers(group).size(), 2);

        clock.advance(1s);
        QTRY_COMPARE(test::processGroupMembers(group).size(), 1);
        QVERIFY2(!task.isReady(), "returned while a helper of the child still ran");
        clock.advance(100ms);
        QCOMPARE(test::waitFor(task).ending, Ending::timedOut);
        QTRY_COMPARE(test::processGroupMembers(group), QList<int>());
    }

    void childIgnoringTerminateIsKilledAfterTheGracePeriod()
    {
        QTemporaryDir dir;
        const QString pidFile = dir.filePath(QStringLiteral("pid"));
        test::ManualClock clock;
        // The helper shares the child's process group and inherits the ignored signal.
        auto task = runProcess(shell(QStringLiteral("trap '' TERM; echo $$ > '%1'; sleep 60 & wait; sleep 60").arg(pidFile), 1s),
                               {}, clock);
        QTRY_VERIFY(readPid(pidFile) > 0);
        const int group = readPid(pidFile);
        QTRY_COMPARE(test::processGroupMembers(group).size(), 2);

        clock.advance(1s);
        QTest::qWait(300);
        QVERIFY2(!task.isReady(), "gave up before the grace period");
        QCOMPARE(test::processGroupMembers(group).size(), 2);
        clock.advance(100ms);
        QCOMPARE(test::waitFor(task).ending, Ending::timedOut);
        QTRY_COMPARE(test::processGroupMembers(group), QList<int>());
    }

    void realDeadlineEndsARun()
    {
        QElapsedTimer timer;
        timer.start();
        auto task = runProcess(shell(QStringLiteral("exec sleep 30"), 200ms));
        QCOMPARE(test::waitFor(task).ending, Ending::timedOut);
        QVERIFY(timer.elapsed() < 5000);
    }

    void outputLimit_data()
    {
        QTest::addColumn<qsizetype>("bytes");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("exactly the limit") << processOutputLimit << true;
        QTest::newRow("one byte over") << processOutputLimit + 1 << false;
        QTest::newRow("endless") << qsizetype(-1) << false;
    }

    void outputLimit()
    {
        QFETCH(qsizetype, bytes);
        QFETCH(bool, accepted);
        const QString script = bytes < 0 ? QStringLiteral("exec cat /dev/zero")
                                         : QStringLiteral("head -c %1 /dev/zero; echo -n").arg(bytes);
        auto task = runProcess(shell(script));
        if (!accepted) {
            QCOMPARE(test::waitFor(task).ending, Ending::outputOverLimit);
            return;
        }
        QCOMPARE(test::waitFor(task).output.size(), bytes);
    }

    void cancellationStopsTheChild()
    {
        std::stop_source stop;
        auto task = runProcess(shell(QStringLiteral("exec sleep 30")), stop.get_token());
        QTRY_COMPARE(test::childProcessIds().size(), 1);
        stop.request_stop();
        QVERIFY_THROWS_EXCEPTION(OperationCancelled, test::waitFor(task));
    }

    void cancelledBeforeLaunchStartsNothing()
    {
        std::stop_source stop;
        stop.request_stop();
        QTemporaryDir dir;
        const QString marker = dir.filePath(QStringLiteral("ran"));
        QVERIFY_THROWS_EXCEPTION(OperationCancelled,
                                 test::waitFor(runProcess(shell(QStringLiteral("touch '%1'").arg(marker)), stop.get_token())));
        QVERIFY(!QFile::exists(marker));
    }

    void launchFailureIsRethrown()
    {
        ProcessRequest request;
        request.executable = QStringLiteral("/nonexistent/tool");
        request.timeout = 5s;
        const ProcessResult result = test::waitFor(runProcess(request));
        QCOMPARE(result.ending, Ending::launchFailed);
        QVERIFY(!result.launchError.isEmpty());
    }

    void environmentAndWorkingDirectory()
    {
        QTemporaryDir dir;
        ProcessRequest request = shell(QStringLiteral("echo \"$ONLY\" \"${HOME:-unset}\"; pwd"));
        request.environment = QMap<QString, QString>{{QStringLiteral("ONLY"), QStringLiteral("this")}};
        request.workingDirectory = dir.path();
        QCOMPARE(test::waitFor(runProcess(request)).output,
                 QByteArray("this unset\n") + QFile::encodeName(dir.path()) + "\n");
    }
};

QTEST_GUILESS_MAIN(ProcessRunnerTest)
#include "ProcessRunnerTest.moc"
