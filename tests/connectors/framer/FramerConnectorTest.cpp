#include "ChildProcesses.h"
#include "ConnectorErrors.h"
#include "TestFixture.h"
#include "WaitFor.h"
#include "connectors/framer/FramerConnector.h"
#include "connectors/framer/FramerHelperProtocol.h"
#include "core/AllowanceStore.h"

#include <QLockFile>
#include <QSignalSpy>
#include <QTest>

using namespace quelta;
using namespace std::chrono_literals;
using Kind = ProviderConnectorError::Kind;
Q_DECLARE_METATYPE(ProviderConnectorError)

// The Framer connector of the main process against stand-ins for the web helper.
class FramerConnectorTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::Fixture> m_fixture;

    QString lockPath() const { return m_fixture->home(QStringLiteral("web/framer.lock")); }

    // A helper that runs `script` (sh) with its arguments recorded in the home folder.
    std::unique_ptr<FramerConnector> connectorRunning(const QString &script)
    {
        const QString helper = m_fixture->home(QStringLiteral("quelta-web"));
        m_fixture->writeHomeFile(QStringLiteral("quelta-web"),
                                 QStringLiteral("#!/bin/sh\necho \"$*\" > '%1'\n%2\n").arg(m_fixture->home(QStringLiteral("arguments")), script).toUtf8());
        QFile::setPermissions(helper, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return std::make_unique<FramerConnector>(
            FramerConnector::Environment{.helperProgram = helper,
                                         .clock = &m_fixture->clock,
                                         .settings = &m_fixture->store,
                                         .profileLockPath = lockPath(),
                                         .lockWait = 30s,
                                         .fetchDeadline = 40s});
    }

    QString argumentsSeen() const
    {
        QFile file(m_fixture->home(QStringLiteral("arguments")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed() : QString();
    }

    static QString answerScript(const framerHelper::FetchAnswer &answer)
    {
        return QStringLiteral("echo 'engine chatter'\nprintf '%s' '") + QString::fromUtf8(framerHelper::fetchLine(answer)) + QLatin1Char('\'');
    }

private Q_SLOTS:
    void init() { m_fixture = std::make_unique<test::Fixture>(); }
    void cleanup() { QCOMPARE(test::childProcessIds(), QList<int>()); }

    void goodAnswerKeepsTheTeam()
    {
        ProviderAllowance framer = ProviderAllowance::failure(ProviderID::framer, QStringLiteral("Resets on 2 Mar"), ConnectionState::connected);
        framer.remaining = 60;
        m_fixture->store.setString(QLatin1String(FramerConnector::teamIDKey), QStringLiteral("team-1"));
        auto connector = connectorRunning(answerScript({framer, QStringLiteral("team-2")}));
        const ProviderAllowance allowance = test::waitFor(connector->fetchAllowance());
        QCOMPARE(allowance.remaining, 60);
        QCOMPARE(allowance.detail, QStringLiteral("Resets on 2 Mar"));
        QCOMPARE(argumentsSeen(), QStringLiteral("fetch --team-id team-1"));
        QCOMPARE(m_fixture->store.stringValue(QLatin1String(FramerConnector::teamIDKey)), QStringLiteral("team-2"));
    }

    void failures_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<ProviderConnectorError>("error");
        QTest::newRow("the helper's own error")
            << answerScript({ProviderConnectorError::rateLimited(60), std::nullopt}) << ProviderConnectorError::rateLimited(60);
        QTest::newRow("garbage") << QStringLiteral("echo '{\"allowance\": 5}'") << ProviderConnectorError(Kind::invalidResponse);
        QTest::newRow("nothing at all") << QStringLiteral("exit 0") << ProviderConnectorError(Kind::invalidResponse);
        QTest::newRow("a crash") << QStringLiteral("kill -SEGV $$") << ProviderConnectorError(Kind::invalidResponse);
    }

    void failures()
    {
        QFETCH(QString, script);
        QFETCH(ProviderConnectorError, error);
        auto connector = connectorRunning(script);
        try {
            test::waitFor(connector->fetchAllowance());
            QFAIL("the fetch succeeded");
        } catch (const ProviderConnectorError &thrown) {
            QCOMPARE(thrown, error);
        }
    }

    void hangingHelperEndsAtTheDeadline()
    {
        auto connector = connectorRunning(QStringLiteral("exec sleep 60"));
        auto task = connector->fetchAllowance();
        QTRY_COMPARE(test::childProcessIds().size(), 1);
        m_fixture->clock.advance(40s);
        QCOMPARE(test::connectorErrorOf(task), Kind::timedOut);
    }

    void aSecondFetchWaitsForTheProfile_data()
    {
        QTest::addColumn<bool>("releasedInTime");
        QTest::newRow("released") << true;
        QTest::newRow("held past the wait") << false;
    }

    void aSecondFetchWaitsForTheProfile()
    {
        QFETCH(bool, releasedInTime);
        ProviderAllowance framer = ProviderAllowance::failure(ProviderID::framer, QStringLiteral("x"), ConnectionState::connected);
        auto connector = connectorRunning(answerScript({framer, std::nullopt}));
        // Another Quelta process's helper holds the profile.
        auto other = std::make_unique<QLockFile>(lockPath());
        QDir().mkpath(QFileInfo(lockPath()).absolutePath());
        QVERIFY(other->tryLock(0));
        auto task = connector->fetchAllowance();
        QTest::qWait(100);
        QVERIFY(test::childProcessIds().isEmpty());
        if (releasedInTime) {
            other.reset();
            QCOMPARE(test::waitFor(task).detail, QStringLiteral("x"));
        } else {
            m_fixture->clock.advance(30s);
            QCOMPARE(test::connectorErrorOf(task), Kind::timedOut);
            QVERIFY(test::childProcessIds().isEmpty());
        }
    }

    void connectionWindowStreamsItsProgress()
    {
        const QByteArray lines = framerHelper::progressLine({}) + framerHelper::progressLine({FramerConnectionProgress::Kind::openingMagicLink, {}})
            + framerHelper::progressLine({FramerConnectionProgress::Kind::connected, {}}) + framerHelper::closedLine(true);
        auto connector = connectorRunning(QStringLiteral("printf '%s' '") + QString::fromUtf8(lines) + QLatin1Char('\''));
        QSignalSpy changes(connector.get(), &FramerConnector::connectionProgressChanged);
        auto task = connector->showConnectionWindow();
        QVERIFY(connector->isConnectionWindowOpen());
        QVERIFY(!test::waitFor(connector->showConnectionWindow()));
        QVERIFY(test::waitFor(task));
        QCOMPARE(argumentsSeen(), QStringLiteral("connect"));
        QCOMPARE(changes.size(), 2);
        QCOMPARE(connector->connectionProgress().kind, FramerConnectionProgress::Kind::connected);
        QVERIFY(!connector->isConnectionWindowOpen());
    }
};

QTEST_GUILESS_MAIN(FramerConnectorTest)
#include "FramerConnectorTest.moc"
