#include "ChildProcesses.h"
#include "ConnectorErrors.h"
#include "ManualClock.h"
#include "WaitFor.h"
#include "platform/ExecutableLocator.h"
#include "core/ProviderConnectorError.h"
#include "connectors/claude/ClaudeCredentialFile.h"
#include "connectors/claude/KeychainCredentialCommand.h"
#include "platform/OperationCancelled.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quelta;
using namespace std::chrono_literals;

namespace {

const QByteArray storedText = R"({"claudeAiOauth":{"accessToken":"abc","subscriptionType":"pro"}})";

void writeFile(const QString &path, const QByteArray &content, QFileDevice::Permissions permissions = {})
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    if (permissions)
        file.setPermissions(permissions);
}

QFileDevice::Permissions executable()
{
    return QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
}

} // namespace

class ClaudeCredentialSourceTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void cleanup() { QCOMPARE(test::childProcessIds(), QList<int>()); }

    void fileIsReadAsItStands()
    {
        const QString path = m_dir.filePath(QStringLiteral("config/.credentials.json"));
        writeFile(path, storedText);
        ClaudeCredentialFile file(path);
        QCOMPARE(test::waitFor(file.readCredentialText({})), std::optional(storedText));
    }

    void missingOrIrregularFileIsAbsent()
    {
        const QString folder = m_dir.filePath(QStringLiteral("folder/.credentials.json"));
        QVERIFY(QDir().mkpath(folder));
        QCOMPARE(test::waitFor(ClaudeCredentialFile(folder).readCredentialText({})), std::nullopt);
        QCOMPARE(test::waitFor(ClaudeCredentialFile(m_dir.filePath(QStringLiteral("none"))).readCredentialText({})), std::nullopt);
    }

    void keychainCommand()
    {
        // Records its arguments one per line, proves its input is closed, and prints the password.
        const QString script = m_dir.filePath(QStringLiteral("security"));
        const QString arguments = m_dir.filePath(QStringLiteral("arguments"));
        writeFile(script,
                  QStringLiteral("#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > '%1'\n"
                                 "echo \"$QUELTA_PROBE\" >> '%1'\ncat >/dev/null\necho '%2'\n")
                      .arg(arguments, QString::fromUtf8(storedText))
                      .toUtf8(),
                  executable());
        qputenv("QUELTA_PROBE", "inherited");
        test::ManualClock clock;
        KeychainCredentialCommand command(clock, script);
        QCOMPARE(test::waitFor(command.readCredentialText({})), std::optional(storedText + '\n'));
        qunsetenv("QUELTA_PROBE");

        QFile recorded(arguments);
        QVERIFY(recorded.open(QIODevice::ReadOnly));
        const QStringList expected{QStringLiteral("find-generic-password"), QStringLiteral("-s"),
                                   QStringLiteral("Claude Code-credentials"), QStringLiteral("-a"), currentUserName(),
                                   QStringLiteral("-w"), QStringLiteral("inherited")};
        QCOMPARE(QString::fromUtf8(recorded.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts), expected);
    }

    void keychainEntryAbsent()
    {
        const QString script = m_dir.filePath(QStringLiteral("security-absent"));
        writeFile(script, "#!/bin/sh\necho 'security: The specified item could not be found in the keychain.'\nexit 44\n",
                  executable());
        test::ManualClock clock;
        QCOMPARE(test::waitFor(KeychainCredentialCommand(clock, script).readCredentialText({})), std::nullopt);
    }

    void keychainCommandTimesOutAfterTenSeconds()
    {
        const QString script = m_dir.filePath(QStringLiteral("security-hangs"));
        writeFile(script, "#!/bin/sh\nexec sleep 30\n", executable());
        test::ManualClock clock;
        KeychainCredentialCommand command(clock, script);
        auto task = command.readCredentialText({});
        clock.advance(9900ms);
        QTest::qWait(100);
        QVERIFY(!task.isReady());
        clock.advance(100ms);
        QCOMPARE(test::connectorErrorOf(task), ProviderConnectorError::Kind::timedOut);
    }

    void keychainCommandEndsWithItsOwner()
    {
        const QString script = m_dir.filePath(QStringLiteral("security-hangs"));
        writeFile(script, "#!/bin/sh\nexec sleep 30\n", executable());
        test::ManualClock clock;
        std::stop_source owner;
        KeychainCredentialCommand command(clock, script);
        auto task = command.readCredentialText(owner.get_token());
        owner.request_stop();
        QVERIFY_THROWS_EXCEPTION(OperationCancelled, test::waitFor(task));
    }
};

QTEST_GUILESS_MAIN(ClaudeCredentialSourceTest)
#include "ClaudeCredentialSourceTest.moc"
