#include "TestFixture.h"

#include "MonitorTestSupport.h"

#include "commands/AccountChanges.h"
#include "commands/AccountsCommand.h"
#include "commands/StoredAccounts.h"
#include "core/AllowanceStore.h"

#include <QTest>

using namespace quelta;

// `quelta accounts` and its verbs, each row one command after the home's folders are set up, run
// on the stored settings and on a running Quelta's monitor alike.
class AccountsCommandTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void verbs_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");
        QTest::addColumn<QStringList>("tracked");

        const QStringList defaults{"codex", "claudeCode", "framer"};
        QTest::newRow("list") << QStringList{} << QStringList{} << 0 << "claude:work      offered  ~/.claude-work" << defaults;
        QTest::newRow("track a found account") << QStringList{} << QStringList{"track", "work"} << 0 << "claude:work is tracked."
                                               << QStringList{"codex", "claudeCode", "claudeCode:work", "framer"};
        QTest::newRow("untrack it again") << QStringList{"track claude:work"} << QStringList{"untrack", "claude:work"} << 0
                                          << "claude:work is no longer tracked." << defaults;
        QTest::newRow("add a folder") << QStringList{} << QStringList{"add", "chatgpt", "~/side", "--name", "side"} << 0 << "Added" << defaults;
        QTest::newRow("added folders are listed") << QStringList{"add chatgpt ~/side"} << QStringList{} << 0
                                                  << "chatgpt:side     offered  ~/side" << defaults;
        QTest::newRow("remove an added folder") << QStringList{"add chatgpt ~/side"} << QStringList{"remove", "side"} << 0 << "Removed chatgpt:side"
                                                << defaults;
        QTest::newRow("a folder that does not exist") << QStringList{} << QStringList{"add", "claude", "~/nowhere"} << 2 << "no such folder" << defaults;
        QTest::newRow("a folder without a sign-in") << QStringList{} << QStringList{"add", "claude", "~/side"} << 2 << "holds no Claude sign-in"
                                                    << defaults;
        QTest::newRow("a name taken") << QStringList{} << QStringList{"add", "claude", "~/team", "--name", "work"} << 2 << "exists already"
                                      << defaults;
        QTest::newRow("an unknown provider") << QStringList{} << QStringList{"add", "gemini", "~/side"} << 2 << "unknown provider: gemini"
                                             << defaults;
        QTest::newRow("an unknown account") << QStringList{} << QStringList{"track", "home"} << 2 << "no account named home" << defaults;
        QTest::newRow("removing a tracked folder untracks it") << QStringList{"add chatgpt ~/side", "track side"} << QStringList{"remove", "side"}
                                                               << 0 << "Removed chatgpt:side" << defaults;
        QTest::newRow("a found folder is not removed") << QStringList{} << QStringList{"remove", "work"} << 1 << "untrack it instead" << defaults;
    }

    void verbs()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, said);
        QFETCH(QStringList, tracked);

        for (const bool inTray : {false, true}) {
            test::Fixture fixture;
            fixture.writeHomeFile(QStringLiteral(".claude-work/.credentials.json"), "{}");
            fixture.writeHomeFile(QStringLiteral("side/auth.json"), "{}");
            fixture.writeHomeFile(QStringLiteral("team/.credentials.json"), "{}");
            AccountRegistry registry(fixture.store, {fixture.home(), {}, {}});
            test::ScriptedLoads loads;
            AllowanceMonitor monitor(fixture.store, fixture.clock, {.connectors = loads.loader(), .isSubstituteLoader = true});
            AccountChanges tray(registry, monitor);
            StoredAccounts stored(registry, fixture.store);
            // The tray's monitor learns of the folders as it does at its start.
            Q_EMIT registry.accountsChanged();
            AccountBook &book = inTray ? static_cast<AccountBook &>(tray) : stored;
            const auto run = [&](QStringList words, QString *said) {
                words.replaceInStrings(QStringLiteral("~"), fixture.home());
                QString output;
                QTextStream out(&output);
                QTextStream err(&output);
                const int exitStatus = runAccountsCommand(words, book, out, err);
                out.flush();
                err.flush();
                *said = output.replace(fixture.home(), QStringLiteral("~"));
                return exitStatus;
            };
            QString output;
            for (const QString &command : before)
                QCOMPARE(run(command.split(QLatin1Char(' ')), &output), 0);
            QCOMPARE(run(arguments, &output), status);
            QVERIFY2(output.contains(said), qPrintable(output));

            QStringList enabled;
            for (const AccountID &id : inTray ? monitor.enabledProviderIDs() : allowanceStore::loadEnabledProviders(fixture.store))
                enabled << id.rawValue();
            enabled.sort();
            tracked.sort();
            QCOMPARE(enabled, tracked);
            if (inTray)
                QCOMPARE(monitor.visibleProviders().size(), tracked.size());
        }
    }
};

QTEST_GUILESS_MAIN(AccountsCommandTest)
#include "AccountsCommandTest.moc"
