#include "platform/LoginItem.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace quelta;

namespace {

// Runs a freedesktop tool on a file; its exit status, after its output is shown.
int runTool(const QString &tool, const QStringList &arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return -1;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    process.waitForFinished();
    if (process.exitCode() != 0)
        qWarning().noquote() << tool << process.readAll();
    return process.exitCode();
}

QString contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class LoginItemTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void onAndOff()
    {
        QTemporaryDir config;
        LoginItem item(config.path(), QStringLiteral("/opt/Quelta app/quelta"));
        QVERIFY(!item.isEnabled());
        QVERIFY(item.setEnabled(true));
        QVERIFY(item.isEnabled());
        QFile entry(item.entryPath());
        QVERIFY(entry.open(QIODevice::ReadOnly));
        QVERIFY(entry.readAll().contains("Exec=\"/opt/Quelta app/quelta\"\n"));
        QVERIFY(item.setEnabled(false));
        QVERIFY(!item.isEnabled());
        QVERIFY(item.setEnabled(false));
    }

    void hiddenEntryIsOff()
    {
        QTemporaryDir config;
        LoginItem item(config.path(), QStringLiteral("/usr/bin/quelta"));
        QDir().mkpath(config.filePath(QStringLiteral("autostart")));
        QFile entry(item.entryPath());
        QVERIFY(entry.open(QIODevice::WriteOnly));
        entry.write("[Desktop Entry]\nType=Application\nExec=quelta\nHidden=true\n");
        entry.close();
        QVERIFY(!item.isEnabled());
        QVERIFY(item.setEnabled(true));
        QVERIFY(item.isEnabled());
    }

    // The entry must start exactly the program named, however its path is spelled; GLib
    // (`gio launch`) reads it as the desktop's session would at login.
    void startsTheProgramItNames_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("launchable");
        QTest::newRow("spaces") << "Quelta app" << true;
        QTest::newRow("quotes") << "a \"b\" 'c'" << true;
        QTest::newRow("shell characters") << "$HOME `id` ;&|<>*?~#" << true;
        QTest::newRow("backslash escapes") << "a\\s\\n\\\\b" << true;
        // GLib looks for the program before it undoes "%%", so it cannot launch these; the
        // format's own checker still must find no field code in them.
        QTest::newRow("percent") << "100%" << false;
    }

    void startsTheProgramItNames()
    {
        QFETCH(QString, folder);
        QFETCH(bool, launchable);
        QTemporaryDir home;
        const QString program = QDir(home.filePath(folder)).filePath(QStringLiteral("quelta"));
        const QString started = home.filePath(QStringLiteral("started"));
        QVERIFY(QDir().mkpath(QFileInfo(program).path()));
        QFile script(program);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\nprintf '%s|%s' \"$0\" \"$#\" > '%1'\n").arg(started).toUtf8());
        script.close();
        QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

        LoginItem item(home.filePath(QStringLiteral("config")), program);
        QVERIFY(item.setEnabled(true));
        QCOMPARE(runTool(QStringLiteral("desktop-file-validate"), {item.entryPath()}), 0);
        if (!launchable)
            return;
        QCOMPARE(runTool(QStringLiteral("gio"), {QStringLiteral("launch"), item.entryPath()}), 0);
        QTRY_COMPARE(contentsOf(started), program + QLatin1String("|0"));
    }

    void refusesControlCharacters_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("newline and a key") << "/opt/q\nExec=/bin/touch /tmp/owned\n/quelta";
        QTest::newRow("carriage return") << "/opt/q\r/quelta";
        QTest::newRow("tab") << "/opt/q\t/quelta";
        QTest::newRow("escape") << "/opt/q\x1b[2J/quelta";
    }

    void refusesControlCharacters()
    {
        QFETCH(QString, program);
        QTemporaryDir config;
        LoginItem item(config.path(), program);
        QVERIFY(!item.setEnabled(true));
        QVERIFY(!QFile::exists(item.entryPath()));
        QVERIFY(!item.isEnabled());
    }

    void unwritableFolderFails()
    {
        QTemporaryDir config;
        // A file where the autostart folder should be: nothing can be written there, even as root.
        QFile blocker(config.filePath(QStringLiteral("autostart")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        LoginItem item(config.path(), QStringLiteral("/usr/bin/quelta"));
        QVERIFY(!item.setEnabled(true));
        QVERIFY(!item.isEnabled());
    }
};

QTEST_GUILESS_MAIN(LoginItemTest)
#include "LoginItemTest.moc"
