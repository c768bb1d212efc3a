#include "platform/ExecutableLocator.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quelta;

namespace {

const QString toolName = QStringLiteral("quelta-locator-test-tool");

void makeFile(const QString &path, bool executable = true)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.close();
    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
    if (executable)
        permissions |= QFile::ExeOwner;
    QVERIFY(file.setPermissions(permissions));
}

} // namespace

class ExecutableLocatorTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_home;
    QString home() const { return m_home->path(); }
    ExecutableSearch search(const QStringList &path = {"/usr/bin", "/bin"}) const { return ExecutableSearch{home(), path}; }

private Q_SLOTS:
    void init() { m_home = std::make_unique<QTemporaryDir>(); }

    void fixedListComesFirstAndPathFollowsWithoutRepeats()
    {
        const QStringList directories = executableSearchDirectories(search({"/extra/one", "/usr/bin", "/extra/two"}));
        const QStringList expected{
            home() + "/.local/bin", home() + "/.volta/bin", home() + "/.bun/bin", home() + "/.asdf/shims",
            home() + "/.local/share/mise/shims", home() + "/Library/pnpm", "/opt/homebrew/bin", "/usr/local/bin",
            "/usr/bin", "/bin", "/usr/sbin", "/sbin", "/extra/one", "/extra/two",
        };
        QCOMPARE(directories, expected);

        QCOMPARE(executableSearchDirectories(search({})), expected.mid(0, 12));
    }

    void searchOrder()
    {
        makeFile(home() + "/.bun/bin/" + toolName);
        QCOMPARE(locateExecutable(toolName, {}, search()), home() + "/.bun/bin/" + toolName);
        makeFile(home() + "/.local/bin/" + toolName);
        QCOMPARE(locateExecutable(toolName, {}, search()), home() + "/.local/bin/" + toolName);

        const QString preferred = home() + "/Vendor.app/bin/" + toolName;
        makeFile(preferred);
        QCOMPARE(locateExecutable(toolName, {preferred}, search()), preferred);
    }

    void skipsWhatCannotRun()
    {
        const QString notExecutable = home() + "/Vendor.app/bin/" + toolName;
        makeFile(notExecutable, false);
        QDir().mkpath(home() + "/.volta/bin/" + toolName); // a folder of that name
        QCOMPARE(locateExecutable(toolName, {notExecutable}, search()), std::nullopt);

        makeFile(home() + "/.asdf/shims/" + toolName);
        QCOMPARE(locateExecutable(toolName, {notExecutable}, search()), home() + "/.asdf/shims/" + toolName);
    }

    void pathEntriesAreSearched()
    {
        const QString extra = home() + "/elsewhere";
        makeFile(extra + "/" + toolName);
        QCOMPARE(locateExecutable(toolName, {}, search({"/usr/bin", extra})), extra + "/" + toolName);
    }

    void nodeVersionManagers()
    {
        QCOMPARE(nodeVersionCandidates(toolName, home()), QStringList());

        const QString nvm = home() + "/.nvm/versions/node/v20.11.0/bin/" + toolName;
        const QString fnm = home() + "/.local/share/fnm/node-versions/v18.19.0/installation/bin/" + toolName;
        makeFile(fnm);
        QDir().mkpath(QFileInfo(nvm).absolutePath());
        QCOMPARE(nodeVersionCandidates(toolName, home()), QStringList({nvm, fnm}));
        QCOMPARE(locateExecutable(toolName, {}, search()), fnm);
        makeFile(nvm);
        QCOMPARE(locateExecutable(toolName, {}, search()), nvm);
    }

    void childEnvironment()
    {
        qputenv("QUELTA_INHERITED", "kept");
        const QString tool = home() + "/.local/bin/" + toolName;
        const QMap<QString, QString> environment = childProcessEnvironment(tool, search({"/usr/bin", "/custom"}));

        const QStringList path = environment.value("PATH").split(':');
        QCOMPARE(path.first(), home() + "/.local/bin");
        QCOMPARE(path.count(home() + "/.local/bin"), 1);
        QCOMPARE(path.count("/usr/bin"), 1);
        QCOMPARE(path.last(), QStringLiteral("/custom"));
        QCOMPARE(environment.value("HOME"), home());
        QVERIFY(!environment.value("USER").isEmpty());
        QCOMPARE(environment.value("LOGNAME"), environment.value("USER"));
        QCOMPARE(environment.value("QUELTA_INHERITED"), QStringLiteral("kept"));

        const QString other = childProcessEnvironment("/opt/tools/" + toolName, search()).value("PATH");
        QVERIFY(other.startsWith("/opt/tools:" + home() + "/.local/bin:"));
    }
};

QTEST_GUILESS_MAIN(ExecutableLocatorTest)
#include "ExecutableLocatorTest.moc"
