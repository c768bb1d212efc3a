#include "ManualClock.h"
#include "WaitFor.h"
#include "platform/OperationCancelled.h"

#include <QTest>

using namespace quelta;
using namespace std::chrono_literals;

class ClockTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sleepEndsWhenTheClockGetsThere()
    {
        test::ManualClock clock;
        const QDateTime start = clock.now();
        auto task = clock.sleep(30min);
        clock.advance(29min);
        QVERIFY(!task.isReady());
        clock.advance(1min);
        QVERIFY(task.isReady());
        QCOMPARE(clock.now(), start.addSecs(1800));
    }

    void sleepIsCancelled()
    {
        test::ManualClock clock;
        std::stop_source stop;
        auto task = clock.sleep(900s, stop.get_token());
        stop.request_stop();
        QVERIFY_THROWS_EXCEPTION(OperationCancelled, test::waitFor(task));
        // The abandoned wait leaves nothing behind to fire later.
        QCOMPARE(clock.pendingCount(), std::size_t(0));

        QVERIFY_THROWS_EXCEPTION(OperationCancelled, test::waitFor(clock.sleep(1s, stop.get_token())));
    }

    void cancellationFromAnotherThread()
    {
        std::stop_source stop;
        auto task = Clock::system().sleep(60s, stop.get_token());
        std::thread([&] { stop.request_stop(); }).join();
        QVERIFY_THROWS_EXCEPTION(OperationCancelled, test::waitFor(task));
    }

    void systemSleepWaitsOnTheContinuousClock()
    {
        Clock &clock = Clock::system();
        const auto before = clock.elapsed();
        test::waitFor(clock.sleep(50ms));
        QVERIFY(clock.elapsed() - before >= 50ms);
    }
};

QTEST_GUILESS_MAIN(ClockTest)
#include "ClockTest.moc"
