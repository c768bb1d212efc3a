#include "platform/TerminationSignals.h"

#include <QSignalSpy>
#include <QTest>

#include <signal.h>

using namespace quelta;

class TerminationSignalsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void signalsReachTheEventLoop_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }

    void signalsReachTheEventLoop()
    {
        QFETCH(int, signalNumber);
        TerminationSignals terminations;
        QSignalSpy received(&terminations, &TerminationSignals::received);
        QCOMPARE(::raise(signalNumber), 0);
        QTRY_COMPARE(received.size(), 1);
        QCOMPARE(received.at(0).at(0).toInt(), signalNumber);
    }
};

QTEST_GUILESS_MAIN(TerminationSignalsTest)
#include "TerminationSignalsTest.moc"
