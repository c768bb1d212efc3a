#include "platform/NextSignal.h"

#include <QCoroTask>
#include <QTest>

using namespace quelta;

class Pinger : public QObject
{
    Q_OBJECT
Q_SIGNALS:
    void pinged();
};

class NextSignalTest : public QObject
{
    Q_OBJECT

    static QCoro::Task<void> countWaits(Pinger *pinger, int *ended, int waits)
    {
        for (int wait = 0; wait < waits; ++wait) {
            co_await NextSignal(pinger, &Pinger::pinged);
            ++*ended;
        }
    }

private Q_SLOTS:
    // A burst of emissions ends one wait, from the event loop and not inside the emission; the
    // next wait sees only what comes after it.
    void aBurstEndsOneWait()
    {
        Pinger pinger;
        int ended = 0;
        QCoro::Task<void> waits = countWaits(&pinger, &ended, 2);
        Q_EMIT pinger.pinged();
        Q_EMIT pinger.pinged();
        QCOMPARE(ended, 0);
        QCoreApplication::processEvents();
        QCOMPARE(ended, 1);
        QCoreApplication::processEvents();
        QCOMPARE(ended, 1);
        Q_EMIT pinger.pinged();
        QCoreApplication::processEvents();
        QCOMPARE(ended, 2);
        QVERIFY(waits.isReady());
    }
};

QTEST_GUILESS_MAIN(NextSignalTest)
#include "NextSignalTest.moc"
