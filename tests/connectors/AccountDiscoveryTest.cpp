#include "TestFixture.h"

#include "connectors/AccountDiscovery.h"

#include <QTest>

using namespace quelta;
using namespace quelta::test;

using Files = QMap<QString, QByteArray>;
using Variables = QMap<QString, QString>;

namespace {

QByteArray claudeAccount(const char *account, const char *organisation)
{
    return QByteArray(R"({"oauthAccount":{"accountUuid":")") + account + R"(","organizationUuid":")" + organisation + R"("}})";
}

QByteArray codexAuth(const char *account)
{
    return QByteArray(R"({"tokens":{"access_token":"secret","account_id":")") + account + R"("}})";
}

// "raw@folder" with the home as "~", so that rows read as the user would see them.
QString described(const AccountFolder &account, const QString &home)
{
    QString folder = account.folder;
    folder.replace(home, QStringLiteral("~"));
    return account.id.rawValue() + QLatin1Char('@') + folder;
}

} // namespace

class AccountDiscoveryTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void findsAccounts_data()
    {
        QTest::addColumn<Files>("files");
        QTest::addColumn<Variables>("variables");
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QStringList>("accounts");
        QTest::addColumn<QStringList>("folded");

        const QStringList defaults{"framer@", "codex@~/.codex", "claudeCode@~/.claude"};
        QTest::newRow("nothing signed in") << Files{} << Variables{} << QStringList{} << defaults << QStringList{};
        QTest::newRow("named folders need their sign-in file")
            << Files{{".claude-work/.credentials.json", "{}"}, {".claude-empty/settings.json", "{}"},
                     {".codex-play/auth.json", "{}"}, {".codex-bad name/auth.json", "{}"}, {".claudex/.credentials.json", "{}"}}
            << Variables{} << QStringList{}
            << QStringList{"framer@", "codex@~/.codex", "codex:play@~/.codex-play", "claudeCode@~/.claude", "claudeCode:work@~/.claude-work"}
            << QStringList{};
        QTest::newRow("environment names the default folders")
            << Files{{".claude-work/.credentials.json", "{}"}, {".codex-work/auth.json", "{}"}}
            << Variables{{"CLAUDE_CONFIG_DIR", "/opt/claude"}, {"CODEX_HOME", "~/.codex-work"}} << QStringList{}
            << QStringList{"framer@", "codex@~/.codex-work", "claudeCode@/opt/claude", "claudeCode:work@~/.claude-work"}
            << QStringList{};
        QTest::newRow("one Claude account in two folders")
            << Files{{".claude.json", claudeAccount("a1", "o1")},
                     {".claude-again/.credentials.json", "{}"},
                     {".claude-again/.claude.json", claudeAccount("a1", "o1")},
                     {".claude-team/.credentials.json", "{}"},
                     {".claude-team/.claude.json", claudeAccount("a1", "o2")}}
            << Variables{} << QStringList{}
            << QStringList{"framer@", "codex@~/.codex", "claudeCode@~/.claude", "claudeCode:team@~/.claude-team"}
            << QStringList{"claudeCode:again@~/.claude-again>~/.claude"};
        QTest::newRow("one ChatGPT account in two named folders")
            << Files{{".codex-a/auth.json", codexAuth("acct-1")}, {".codex-b/auth.json", codexAuth("acct-1")},
                     {".codex/auth.json", codexAuth("acct-2")}}
            << Variables{} << QStringList{}
            << QStringList{"framer@", "codex@~/.codex", "codex:a@~/.codex-a", "claudeCode@~/.claude"}
            << QStringList{"codex:b@~/.codex-b>~/.codex-a"};
        QTest::newRow("added folders, a taken name left out")
            << Files{{".claude-work/.credentials.json", "{}"}, {"elsewhere/auth.json", codexAuth("acct-9")}}
            << Variables{} << QStringList{"claudeCode:work@~/other", "codex:side@~/elsewhere"}
            << QStringList{"framer@", "codex@~/.codex", "codex:side@~/elsewhere", "claudeCode@~/.claude", "claudeCode:work@~/.claude-work"}
            << QStringList{};
        QTest::newRow("an added folder of the default account")
            << Files{{".codex/auth.json", codexAuth("acct-1")}, {"copy/auth.json", codexAuth("acct-1")}}
            << Variables{} << QStringList{"codex:copy@~/copy"}
            << defaults << QStringList{"codex:copy@~/copy>~/.codex"};
    }

    void findsAccounts()
    {
        QFETCH(Files, files);
        QFETCH(Variables, variables);
        QFETCH(QStringList, added);
        QFETCH(QStringList, accounts);
        QFETCH(QStringList, folded);

        Fixture fixture;
        QDir().mkpath(fixture.home());
        for (auto [path, content] : files.asKeyValueRange())
            fixture.writeHomeFile(path, content);
        AccountSearchPlaces places{fixture.home(), {}, {}};
        for (auto [name, value] : variables.asKeyValueRange())
            places.environment.insert(name, QString(value).replace(QStringLiteral("~"), fixture.home()));
        for (const QString &entry : added) {
            const QStringList parts = entry.split(QLatin1Char('@'));
            const QString folder = QString(parts[1]).replace(QStringLiteral("~"), fixture.home());
            places.added.append({*AccountID::fromRawValue(parts[0]), folder, AccountFolder::Origin::added, std::nullopt});
        }

        const FoundAccounts found = discoverAccounts(places);
        QStringList foundAccounts;
        for (const AccountFolder &account : found.accounts)
            foundAccounts << described(account, fixture.home());
        QStringList foundFolded;
        for (const FoldedAccount &fold : found.folded)
            foundFolded << described(fold.folder, fixture.home()) + QLatin1Char('>') + QString(fold.keptFolder).replace(fixture.home(), QStringLiteral("~"));
        QCOMPARE(foundAccounts, accounts);
        QCOMPARE(foundFolded, folded);
    }

    void accountNames_data()
    {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("shown");

        QTest::newRow("default") << "claudeCode" << true << "Claude";
        QTest::newRow("named") << "claudeCode:work" << true << "Claude \u00b7 work";
        QTest::newRow("named ChatGPT") << "codex:my_home-2.x" << true << "ChatGPT \u00b7 my_home-2.x";
        QTest::newRow("empty name") << "codex:" << false << "";
        QTest::newRow("second separator") << "codex:a:b" << false << "";
        QTest::newRow("space") << "codex:a b" << false << "";
        QTest::newRow("unknown provider") << "claude:work" << false << "";
    }

    void accountNames()
    {
        QFETCH(QString, raw);
        QFETCH(bool, valid);
        QFETCH(QString, shown);

        const std::optional<AccountID> id = AccountID::fromRawValue(raw);
        QCOMPARE(id.has_value(), valid);
        if (!id)
            return;
        QCOMPARE(id->rawValue(), raw);
        QCOMPARE(displayName(*id), shown);
    }
};

QTEST_GUILESS_MAIN(AccountDiscoveryTest)
#include "AccountDiscoveryTest.moc"
