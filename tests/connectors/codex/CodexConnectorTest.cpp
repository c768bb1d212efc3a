#include "ChildProcesses.h"
#include "ConnectorErrors.h"
#include "ManualClock.h"
#include "TestFixture.h"
#include "WaitFor.h"
#include "core/ProviderConnectorError.h"
#include "connectors/codex/CodexConnector.h"
#include "platform/Clock.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace quelta;
using namespace std::chrono_literals;

namespace {

const QByteArray defaultReply =
    R"({"id":2,"result":{"rateLimits":{"primary":{"usedPercent":25,"windowDurationMins":300},"secondary":{"usedPercent":10,"windowDurationMins":10080}}}})";

QString outcomeOf(CodexConnector &connector, test::ManualClock &clock)
{
    auto task = connector.fetchAllowance();
    // The app-server waits for its input to close, 5 s after launch.
    QTest::qWait(100);
    clock.advance(5s);
    try {
        const ProviderAllowance allowance = test::waitFor(task);
        QStringList limits;
        for (const ProviderLimit &limit : allowance.limits)
            limits << limit.name + QLatin1Char('=') + limit.value;
        return QStringLiteral("%1 left: %2").arg(allowance.remaining.value_or(-1)).arg(limits.join(QStringLiteral(", ")));
    } catch (const ProviderConnectorError &error) {
        return QStringLiteral("error: ") + QString::fromLatin1(error.what());
    }
}

} // namespace

class CodexConnectorTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::Fixture> m_fixture;

    CodexConnector connector(test::ManualClock &clock) const { return CodexConnector(clock, CodexConnector::Timing{}, m_fixture->search()); }

    void writeScenario(const QJsonObject &scenario)
    {
        m_fixture->writeHomeFile(QStringLiteral("codex-scenario.json"), QJsonDocument(scenario).toJson());
    }

    QStringList requestsReceived() const
    {
        QFile file(m_fixture->home(QStringLiteral("codex-requests")));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private Q_SLOTS:
    void init()
    {
        m_fixture = std::make_unique<test::Fixture>();
        QVERIFY(m_fixture->installStandIn(QStringLiteral("codex"), QStringLiteral(CODEX_STAND_IN)));
    }

    void cleanup()
    {
        QCOMPARE(test::childProcessIds(), QList<int>());
    }

    void fetch_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<int>("exitStatus");
        QTest::addColumn<bool>("bare");
        QTest::addColumn<QString>("outcome");
        const QString expected = QStringLiteral("75 left: 5-hour limit=75%, Weekly limit=90%");
        QTest::newRow("default snapshot after log lines") << QString::fromUtf8(defaultReply + "\n") << 0 << false << expected;
        QTest::newRow("exit status 1 with a reply") << QString::fromUtf8(defaultReply + "\n") << 1 << false << expected;
        QTest::newRow("by limit id out of order")
            << QStringLiteral(R"({"id":2,"result":{"rateLimitsByLimitId":{"pro":{"limitName":"Pro","primary":{"usedPercent":40,"windowDurationMins":300}},"codex":{"primary":{"usedPercent":70,"windowDurationMins":10080}}}}})" "\n")
            << 0 << false << QStringLiteral("30 left: Weekly limit=30%, Pro · 5-hour limit=60%");
        QTest::newRow("limit name")
            << QStringLiteral(R"({"id":2,"result":{"rateLimits":{"limitName":"GPT-5","secondary":{"usedPercent":12,"windowDurationMins":10080}}}})" "\n")
            << 0 << false << QStringLiteral("88 left: GPT-5 · Weekly limit=88%");
        QTest::newRow("unreadable windows")
            << QStringLiteral(R"({"id":2,"result":{"rateLimits":{"primary":{"usedPercent":null}}}})" "\n") << 0 << false
            << QStringLiteral("-1 left: ");
        QTest::newRow("two full resets")
            << QStringLiteral(R"({"id":2,"result":{"rateLimits":{"primary":{"usedPercent":0}},"rateLimitResetCredits":{"availableCount":2}}})" "\n")
            << 0 << false << QStringLiteral("100 left: Usage limit=100%, Full resets available=2");
        QTest::newRow("id as a string or Boolean is ignored")
            << QStringLiteral(R"({"id":"2","result":{"rateLimits":{"primary":{"usedPercent":1}}}})" "\n"
                              R"({"id":true,"result":{"rateLimits":{"primary":{"usedPercent":2}}}})" "\n")
            << 0 << false << QStringLiteral("error: invalidResponse");
        QTest::newRow("string id, then the real reply")
            << QStringLiteral(R"({"id":"2","result":{"rateLimits":{"primary":{"usedPercent":1}}}})" "\n") + QString::fromUtf8(defaultReply) + QStringLiteral("\n")
            << 0 << false << expected;
        QTest::newRow("not logged in") << QStringLiteral("Error: Not logged in. Run codex login.\n") << 1 << true
                                       << QStringLiteral("error: connectionRequired");
        QTest::newRow("other noise") << QStringLiteral("panic: something broke\n") << 1 << true << QStringLiteral("error: invalidResponse");
        QTest::newRow("non-zero exit without output") << QString() << 2 << true << QStringLiteral("error: processFailed");
        QTest::newRow("zero exit without output") << QString() << 0 << true << QStringLiteral("error: invalidResponse");
        QTest::newRow("result without snapshot")
            << QStringLiteral(R"({"id":2,"result":{}})" "\n") << 0 << false << QStringLiteral("error: invalidResponse");
    }

    void fetch()
    {
        QFETCH(QString, output);
        QFETCH(int, exitStatus);
        QFETCH(bool, bare);
        QFETCH(QString, outcome);
        writeScenario({{QStringLiteral("output"), output}, {QStringLiteral("exit"), exitStatus}, {QStringLiteral("bare"), bare}});
        test::ManualClock clock;
        CodexConnector connector = this->connector(clock);
        QCOMPARE(outcomeOf(connector, clock), outcome);
        // The stand-in saw the arguments and exactly the three request lines it checks.
        const QStringList requests = requestsReceived();
        QCOMPARE(requests.size(), 4);
        QCOMPARE(requests[0], QStringLiteral("-s read-only -a never app-server"));
    }

    void answerEndsTheReadWithoutWaitingForTheDelay()
    {
        // The manual clock never reaches the 5 s delay: the answer alone closes the input.
        writeScenario({{QStringLiteral("output"), QString::fromUtf8(defaultReply + "\n")}});
        test::ManualClock clock;
        CodexConnector connector = this->connector(clock);
        QCOMPARE(test::waitFor(connector.fetchAllowance()).remaining, 75);
    }

    void answerAfterThreeSecondsStillCounts()
    {
        const QString gate = m_fixture->home(QStringLiteral("answer-now"));
        writeScenario({{QStringLiteral("output"), QString::fromUtf8(defaultReply + "\n")}, {QStringLiteral("answerWhenExists"), gate}});
        test::ManualClock clock;
        CodexConnector connector = this->connector(clock);
        auto task = connector.fetchAllowance();
        QTRY_COMPARE(requestsReceived().size(), 4);
        clock.advance(3s);
        QTest::qWait(100);
        QVERIFY(!task.isReady());
        QFile(gate).open(QIODevice::WriteOnly);
        QCOMPARE(test::waitFor(task).remaining, 75);
    }

    void serverStillRunningAtTheDeadline_data()
    {
        QTest::addColumn<QByteArray>("output");
        QTest::newRow("answered") << defaultReply + "\n";
        QTest::newRow("never answers") << QByteArray();
    }

    void serverStillRunningAtTheDeadline()
    {
        QFETCH(QByteArray, output);
        writeScenario({{QStringLiteral("output"), QString::fromUtf8(output)}, {QStringLiteral("hang"), true}});
        test::ManualClock clock;
        CodexConnector connector = this->connector(clock);
        auto task = connector.fetchAllowance();
        QTRY_COMPARE(requestsReceived().size(), 4);
        clock.advance(19s);
        QTest::qWait(100);
        QVERIFY(!task.isReady());
        clock.advance(1s);
        QTest::qWait(100);
        clock.advance(100ms); // the kill after the grace period, should terminate not suffice
        QCOMPARE(test::connectorErrorOf(task), ProviderConnectorError::Kind::timedOut);
    }

    void signIn_data()
    {
        QTest::addColumn<int>("loginExit");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("success") << 0 << QStringLiteral("signed in");
        QTest::newRow("failure") << 1 << QStringLiteral("error: processFailed");
    }

    void signIn()
    {
        QFETCH(int, loginExit);
        QFETCH(QString, outcome);
        writeScenario({{QStringLiteral("loginExit"), loginExit}});
        CodexConnector connector(Clock::system(), CodexConnector::Timing{}, m_fixture->search());
        QString result = QStringLiteral("signed in");
        try {
            test::waitFor(connector.signIn());
        } catch (const ProviderConnectorError &error) {
            result = QStringLiteral("error: ") + QString::fromLatin1(error.what());
        }
        QCOMPARE(result, outcome);
        QCOMPARE(requestsReceived(), QStringList{QStringLiteral("login")});
    }

    void missingExecutable()
    {
        QFile::remove(m_fixture->home(QStringLiteral(".local/bin/codex")));
        if (CodexConnector::executablePath(m_fixture->search()))
            QSKIP("this machine has Codex installed");
        test::ManualClock clock;
        CodexConnector connector = this->connector(clock);
        QCOMPARE(test::connectorErrorOf(connector.fetchAllowance()), ProviderConnectorError::Kind::executableMissing);
        QCOMPARE(test::connectorErrorOf(connector.signIn()), ProviderConnectorError::Kind::executableMissing);
    }
};

QTEST_GUILESS_MAIN(CodexConnectorTest)
#include "CodexConnectorTest.moc"
