#include "platform/LoginItem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quelta;

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
