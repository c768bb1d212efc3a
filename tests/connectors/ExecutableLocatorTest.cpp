#include "connectors/ExecutableLocator.h"

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

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<QTemporaryDir>();
        qputenv("HOME", QFile::encodeName(home()));
        qputenv("PATH", "/usr/bin:/bin");
    }

    void fixedListComesFirstAndPathFollowsWithoutRepeats()
    {
        qputenv("PATH", "/extra/one::/usr/bin:/extra/two:");
        const QStringList directories = executableSearchDirectories();
        const QStringList expected{
            home() + "/.local/bin", home() + "/.volta/bin", home() + "/.bun/bin", home() + "/.asdf/shims",
            home() + "/.local/share/mise/shims", home() + "/Library/pnpm", "/opt/homebrew/bin", "/usr/local/bin",
            "/usr/bin", "/bin", "/usr/sbin", "/sbin", "/extra/one", "/extra/two",
        };
        QCOMPARE(directories, expected);

        qunsetenv("PATH");
        QCOMPARE(executableSearchDirectories(), expected.mid(0, 12));
    }

    void searchOrder()
    {
        makeFile(home() + "/.bun/bin/" + toolName);
        QCOMPARE(locateExecutable(toolName), home() + "/.bun/bin/" + toolName);
        makeFile(home() + "/.local/bin/" + toolName);
        QCOMPARE(locateExecutable(toolName), home() + "/.local/bin/" + toolName);

        const QString preferred = home() + "/Vendor.app/bin/" + toolName;
        makeFile(preferred);
        QCOMPARE(locateExecutable(toolName, {preferred}), preferred);
    }

    void skipsWhatCannotRun()
    {
        const QString notExecutable = home() + "/Vendor.app/bin/" + toolName;
        makeFile(notExecutable, false);
        QDir().mkpath(home() + "/.volta/bin/" + toolName); // a folder of that name
        QCOMPARE(locateExecutable(toolName, {notExecutable}), std::nullopt);

        makeFile(home() + "/.asdf/shims/" + toolName);
        QCOMPARE(locateExecutable(toolName, {notExecutable}), home() + "/.asdf/shims/" + toolName);
    }

    void pathEntriesAreSearched()
    {
        const QString extra = home() + "/elsewhere";
        makeFile(extra + "/" + toolName);
        qputenv("PATH", QFile::encodeName("/usr/bin:" + extra));
        QCOMPARE(locateExecutable(toolName), extra + "/" + toolName);
    }

    void nodeVersionManagers()
    {
        QCOMPARE(nodeVersionCandidates(toolName), QStringList());

        const QString nvm = home() + "/.nvm/versions/node/v20.11.0/bin/" + toolName;
        const QString fnm = home() + "/.local/share/fnm/node-versions/v18.19.0/installation/bin/" + toolName;
        makeFile(fnm);
        QDir().mkpath(QFileInfo(nvm).absolutePath());
        QCOMPARE(nodeVersionCandidates(toolName), QStringList({nvm, fnm}));
        QCOMPARE(locateExecutable(toolName), fnm);
        makeFile(nvm);
        QCOMPARE(locateExecutable(toolName), nvm);
    }

    void childEnvironment()
    {
        qputenv("QUELTA_INHERITED", "kept");
        qputenv("PATH", "/usr/bin:/custom");
        const QString tool = home() + "/.local/bin/" + toolName;
        const QMap<QString, QString> environment = childProcessEnvironment(tool);

        const QStringList path = environment.value("PATH").split(':');
        QCOMPARE(path.first(), home() + "/.local/bin");
        QCOMPARE(path.count(home() + "/.local/bin"), 1);
        QCOMPARE(path.count("/usr/bin"), 1);
        QCOMPARE(path.last(), QStringLiteral("/custom"));
        QCOMPARE(environment.value("HOME"), home());
        QVERIFY(!environment.value("USER").isEmpty());
        QCOMPARE(environment.value("LOGNAME"), environment.value("USER"));
        QCOMPARE(environment.value("QUELTA_INHERITED"), QStringLiteral("kept"));

        const QString other = childProcessEnvironment("/opt/tools/" + toolName).value("PATH");
        QVERIFY(other.startsWith("/opt/tools:" + home() + "/.local/bin:"));
    }
};

QTEST_GUILESS_MAIN(ExecutableLocatorTest)
#include "ExecutableLocatorTest.moc"
