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

    // Only a team id reaches the helper's command line, after "--", and only one is kept.
    void teamID_data()
    {
        QTest::addColumn<std::optional<QString>>("stored");
        QTest::addColumn<std::optional<QString>>("answered");
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<std::optional<QString>>("kept");
        const QString team1 = QStringLiteral("0f1e2d3c-4b5a-6978-8a9b-acbdcedf0011");
        const QString team2 = QStringLiteral("AABBCCDD-EEFF-0011-2233-445566778899");
        const std::optional<QString> none;
        QTest::newRow("a team stored, another answered") << std::optional(team1) << std::optional(team2) << "fetch -- " + team1 << std::optional(team2);
        QTest::newRow("nothing stored") << none << std::optional(team1) << "fetch" << std::optional(team1);
        QTest::newRow("nothing either way") << none << none << "fetch" << none;
        for (const char *bad : {"-reverse", "--webEngineArgs", "-platform", "0f1e2d3c-4b5a-6978-8a9b-acbdcedf001", "-f1e2d3c-4b5a-6978-8a9b-acbdcedf0011",
                                "0f1e2d3c 4b5a-6978-8a9b-acbdcedf0011", "0f1e2d3c-4b5a-6978-8a9b-acbdcedf001g", ""}) {
            QTest::addRow("stored \"%s\" is forgotten", bad) << std::optional(QString::fromLatin1(bad)) << none << "fetch" << none;
            QTest::addRow("answered \"%s\" is not kept", bad) << std::optional(team1) << std::optional(QString::fromLatin1(bad)) << "fetch -- " + team1
                                                               << std::optional(team1);
        }
    }

    void teamID()
    {
        QFETCH(std::optional<QString>, stored);
        QFETCH(std::optional<QString>, answered);
        QFETCH(QString, arguments);
        QFETCH(std::optional<QString>, kept);
        const QString key = QLatin1String(FramerConnector::teamIDKey);
        if (stored)
            m_fixture->store.setString(key, *stored);
        ProviderAllowance framer = ProviderAllowance::failure(ProviderID::framer, QStringLiteral("Resets on 2 Mar"), ConnectionState::connected);
        framer.remaining = 60;
        auto connector = connectorRunning(answerScript({framer, answered}));
        const ProviderAllowance allowance = test::waitFor(connector->fetchAllowance());
        QCOMPARE(allowance.remaining, 60);
        QCOMPARE(allowance.detail, QStringLiteral("Resets on 2 Mar"));
        QCOMPARE(argumentsSeen(), arguments);
        QCOMPARE(m_fixture->store.stringValue(key), kept);
    }

    // The helper takes back exactly what the connector gives it.
    void helperArguments()
    {
        const QString team = QStringLiteral("0f1e2d3c-4b5a-6978-8a9b-acbdcedf0011");
        QCOMPARE(framerHelper::readFetchArguments(framerHelper::fetchArguments(team))->teamID, std::optional(team));
        QCOMPARE(framerHelper::readFetchArguments(framerHelper::fetchArguments(std::nullopt))->teamID, std::nullopt);
        for (const QStringList &wrong : {QStringList{"fetch", "--", "-reverse"}, QStringList{"fetch", team}, QStringList{"fetch", "--team-id", team},
                                         QStringList{"fetch", "--"}, QStringList{"connect"}})
            QVERIFY2(!framerHelper::readFetchArguments(wrong), qPrintable(wrong.join(QLatin1Char(' '))));
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
